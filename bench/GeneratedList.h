#pragma once

// A realistic item list of any length for the benchmarks, written as the shop's file is written, and a
// way to time the command-line tools the figures are compared with.

#include "core/base/Numbers.h"
#include "core/base/TextFile.h"

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

inline QStringList generateItemLines(int count, unsigned seed = 2026) {
    static const char* const nouns[] = {"CUADERNO",
                                        "LÁPIZ",
                                        "BOLÍGRAFO",
                                        "GOMA",
                                        "REGLA",
                                        "TIJERAS",
                                        "PEGAMENTO",
                                        "CARPETA",
                                        "MOCHILA",
                                        "CAFÉ",
                                        "AZÚCAR",
                                        "JABÓN",
                                        "LECHE",
                                        "PAN DE CAJA",
                                        "GALLETAS",
                                        "ARROZ",
                                        "FRIJOL",
                                        "ACEITE",
                                        "SAL",
                                        "HARINA",
                                        "ATÚN",
                                        "SARDINA",
                                        "CHOCOLATE",
                                        "REFRESCO",
                                        "AGUA",
                                        "JUGO",
                                        "PAÑUELOS",
                                        "PAPEL HIGIÉNICO",
                                        "CEPILLO",
                                        "PASTA DENTAL",
                                        "CHAMPÚ",
                                        "DESODORANTE",
                                        "VELADORA",
                                        "CERILLOS",
                                        "FOCO",
                                        "PILA",
                                        "CINTA",
                                        "CLAVO",
                                        "TORNILLO",
                                        "MARTILLO",
                                        "DESARMADOR",
                                        "LÁMPARA",
                                        "PLÁTANO",
                                        "MANZANA",
                                        "PIÑA",
                                        "LIMÓN",
                                        "JAMÓN",
                                        "QUESO",
                                        "MANTEQUILLA",
                                        "HUEVO",
                                        "TORTILLAS",
                                        "SALCHICHA",
                                        "YOGUR",
                                        "CEREAL",
                                        "AVENA",
                                        "TÉ",
                                        "MIEL",
                                        "MERMELADA",
                                        "PINGÜINO DE PELUCHE",
                                        "ESCOBA",
                                        "CUBETA",
                                        "DETERGENTE",
                                        "SUAVIZANTE",
                                        "CLORO"};
    static const char* const kinds[] = {"GRANDE",    "CHICO",    "MEDIANO",  "ROJO",  "AZUL",     "VERDE",
                                        "NEGRO",     "BLANCO",   "INTEGRAL", "LIGHT", "ORGÁNICO", "IMPORTADO",
                                        "ECONÓMICO", "FAMILIAR", "DE LUJO",  "",      "",         ""};
    static const char* const sizes[] = {"100 G",     "250 G",  "500 G",  "1 KG",    "1 L",
                                        "2 L",       "600 ML", "PAQ. 6", "PAQ. 12", "CAJA 24",
                                        "100 HOJAS", "NO. 2",  "",       "",        ""};
    static const char* const brands[] = {"LA COSTEÑA", "DOÑA MARÍA", "EL GALLO", "SAN JUAN",
                                         "MONTAÑA",    "BAHÍA",      "LA ABEJA", "ÁGUILA",
                                         "",           "",           "",         ""};
    std::mt19937 random(seed);
    auto pick = [&](const auto& table) {
        return QString::fromUtf8(table[random() % (sizeof table / sizeof table[0])]);
    };
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        // Stock: mostly whole units, some sold below zero, some sold by weight.
        const unsigned s = random() % 100;
        QString stock = QString::number(int(random() % 300));
        if (s < 3)
            stock = QString::number(-int(1 + random() % 5));
        else if (s < 8)
            stock += QStringLiteral(".5");

        QString description = pick(nouns);
        for (const QString& part : {pick(kinds), pick(sizes), pick(brands)})
            if (!part.isEmpty()) description += QLatin1Char(' ') + part;
        description += QStringLiteral(" REF ") + QString::number(i);

        // Prices: most under 100, some in the hundreds, a few over 1000 (half of those with a comma).
        const unsigned p = random() % 100;
        double price = double(random() % 10000) / 100.0;
        if (p >= 70) price = 100.0 + double(random() % 90000) / 100.0;
        if (p >= 90) price = 1000.0 + double(random() % 2400000) / 100.0;
        const QString priceText =
            Numbers::format(price, p >= 95 ? Numbers::Picture::Grouped : Numbers::Picture::Plain);

        QString line =
            QLatin1Char('[') + stock + QStringLiteral("] ") + description + QStringLiteral(" $") + priceText;
        if (random() % 100 < 30) {
            QString code = QStringLiteral("750");
            while (code.size() < 13)
                code += QChar(u'0' + char16_t(random() % 10));
            line += QStringLiteral(" #") + code;
        }
        lines.append(line);
    }
    return lines;
}

// A shop folder holding the generated list as "VL Lista.txt". VENDEL_BENCH_DIR chooses where the
// folder is made (the durable save depends on the file system); the default is the system's temp.
struct GeneratedShop {
    QTemporaryDir dir;
    QString listPath;
    QStringList lines;

    explicit GeneratedShop(int count)
        : dir(qEnvironmentVariableIsEmpty("VENDEL_BENCH_DIR")
                  ? QDir::tempPath() + QStringLiteral("/vendel-bench-XXXXXX")
                  : qEnvironmentVariable("VENDEL_BENCH_DIR") + QStringLiteral("/vendel-bench-XXXXXX")),
          listPath(dir.filePath(QStringLiteral("VL Lista.txt"))), lines(generateItemLines(count)) {
        TextFile::saveLines(listPath, lines);
    }
};

// Runs a program and waits for it, reading all it writes through a pipe (not /dev/null, which lets
// grep stop at its first match); returns its exit status.
inline int runTool(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2];
    if (pipe(fds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    static char buffer[1 << 16];
    while (spawned == 0 && read(fds[0], buffer, sizeof buffer) > 0) {
    }
    close(fds[0]);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace bench

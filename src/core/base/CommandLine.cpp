#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace CommandLine {

namespace {

QString usageText(const QCommandLineParser& parser) {
    // Without an application object the parser cannot name the program; the first line is ours.
    QString help = parser.helpText();
    const qsizetype firstLineEnd = help.indexOf(QLatin1Char('\n'));
    const QString usage = QStringLiteral("Usage: vendel [options]");
    return firstLineEnd < 0 ? usage + QLatin1Char('\n') : usage + help.mid(firstLineEnd);
}

bool readChoice(const QString& value, std::initializer_list<int> choices, int& into) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok) return false;
    for (const int choice : choices)
        if (number == choice) {
            into = number;
            return true;
        }
    return false;
}

} // namespace

StartOptions parse(const QStringList& arguments, const StartEnvironment& environment) {
    StartOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Vendel, the cash register of a small shop.\n"
        "The printer is chosen in the program (Datos > Impresora..., kept in vendel.ini in the "
        "data folder); the printer options below override that choice for this run only."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("The shop's folder with its price list and registers (VENDEL_DATA_DIR; "
                       "default ~/.local/share/Vendel)."),
        QStringLiteral("DIR"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("EN for English, ES for Spanish (VENDEL_LANGUAGE)."),
                                      QStringLiteral("EN|ES"));
    const QCommandLineOption userKey(QStringLiteral("user-key"),
                                     QStringLiteral("The key that guards the shop's data (VENDEL_USER_KEY)."),
                                     QStringLiteral("KEY"));
    const QCommandLineOption printTo(
        QStringLiteral("print-to"),
        QStringLiteral("Write every print job as a PDF and a text file into DIR."), QStringLiteral("DIR"));
    const QCommandLineOption printer(
        QStringLiteral("printer"),
        QStringLiteral("A system printer by name, or a receipt printer: escpos:/dev/usb/lp0, "
                       "escpos:tcp://HOST:9100 or escpos:cups:QUEUE."),
        QStringLiteral("PRINTER"));
    const QCommandLineOption paper(QStringLiteral("paper"),
                                   QStringLiteral("Receipt paper width in mm: 58 or 80."),
                                   QStringLiteral("58|80"));
    const QCommandLineOption codepage(QStringLiteral("codepage"),
                                      QStringLiteral("Receipt printer code table: 1252 or 858."),
                                      QStringLiteral("1252|858"));
    const QCommandLineOption noCut(QStringLiteral("no-cut"),
                                   QStringLiteral("Do not cut the paper after a receipt."));
    const QCommandLineOption noDrawer(QStringLiteral("no-drawer"),
                                      QStringLiteral("Do not open the cash drawer."));
    const QCommandLineOption noStatus(
        QStringLiteral("no-status"),
        QStringLiteral("Do not ask a receipt printer whether it is online with paper after a job."));
    const QCommandLineOption version(QStringList{QStringLiteral("version"), QStringLiteral("v")},
                                     QStringLiteral("Show the version and stop."));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")},
                                  QStringLiteral("Show this help and stop."));
    parser.addOptions({dataDir, language, userKey, printTo, printer, paper, codepage, noCut, noDrawer,
                       noStatus, version, help});
    options.helpText = usageText(parser);
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first();
        return options;
    }
    options.showVersion = parser.isSet(version);
    options.showHelp = parser.isSet(help);
    options.dataDir = parser.isSet(dataDir) ? parser.value(dataDir) : environment.dataDir;
    options.language = parser.isSet(language) ? parser.value(language) : environment.language;
    options.userKey = parser.isSet(userKey) ? parser.value(userKey) : environment.userKey;
    options.printTo = parser.value(printTo);
    options.printer = parser.value(printer);
    if (parser.isSet(paper) && !readChoice(parser.value(paper), {58, 80}, options.paper))
        options.error = QStringLiteral("--paper takes 58 or 80, not: ") + parser.value(paper);
    else if (parser.isSet(codepage) && !readChoice(parser.value(codepage), {1252, 858}, options.codepage))
        options.error = QStringLiteral("--codepage takes 1252 or 858, not: ") + parser.value(codepage);
    else if (parser.isSet(dataDir) && options.dataDir.isEmpty())
        options.error = QStringLiteral("--data-dir needs a folder");
    options.cut = !parser.isSet(noCut);
    options.drawer = !parser.isSet(noDrawer);
    options.status = !parser.isSet(noStatus);
    return options;
}

StartEnvironment environment() {
    return {qEnvironmentVariable("VENDEL_LANGUAGE"), qEnvironmentVariable("VENDEL_USER_KEY"),
            qEnvironmentVariable("VENDEL_DATA_DIR")};
}

QString dataFolder(const StartOptions& options, const QString& userDataFolder) {
    const QString folder = options.dataDir.isEmpty() ? userDataFolder : options.dataDir;
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

QString prepareDataFolder(const QString& folder) {
    if (folder.isEmpty()) return QStringLiteral("no folder given");
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) return QStringLiteral("it is not a folder");
    if (!info.exists() && !QDir().mkpath(folder)) return QStringLiteral("it cannot be created");
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vendel-XXXXXX")));
    if (!probe.open()) return QStringLiteral("no file can be written in it");
    return {};
}

QStringList helpSources(const QString& programFolder) {
    const QDir program(programFolder);
    return {QDir::cleanPath(program.filePath(QStringLiteral("../share/vendel"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../help")))};
}

QStringList provideHelpDocuments(const QString& folder, const QStringList& sources) {
    QStringList copied;
    const QDir target(folder);
    for (const QString& name : {QStringLiteral("VL Ayuda.pdf"), QStringLiteral("VL Help.pdf")}) {
        const QString destination = target.filePath(name);
        if (QFileInfo::exists(destination)) continue;
        for (const QString& source : sources) {
            const QString original = QDir(source).filePath(name);
            if (!QFileInfo(original).isFile()) continue;
            // Copied under a passing name and renamed, so a half-copied document never carries the name.
            const QString partial = destination + QStringLiteral(".part");
            QFile::remove(partial);
            if (QFile::copy(original, partial) && QFile::rename(partial, destination)) {
                QFile(destination)
                    .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
                copied << name;
            } else {
                QFile::remove(partial);
            }
            break;
        }
    }
    return copied;
}

} // namespace CommandLine

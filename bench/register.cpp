// The day register of a very busy day: loading it at start and the durable save after every
// operation, each beside its reference on the same bytes (cat; cp + sync).

#include "core/base/Language.h"
#include "core/base/TextFile.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const QDate kDay(2026, 12, 5);
const Language kSpanish;

QStringList busyDay(int count) {
    static const char* const items[] = {"PAN BLANCO",        "LECHE ENTERA 1 L",   "AZÚCAR ESTÁNDAR 1 KG",
                                        "QUESO AÑEJO 500 G", "CAFÉ SOLUBLE 200 G", "LÁMPARA DE ESCRITORIO"};
    QStringList lines;
    lines.reserve(count);
    int minute = 0;
    while (lines.size() < count) {
        double total = 0;
        for (int i = 0; i < 3 && lines.size() < count; ++i) {
            const double price = 10.5 + (lines.size() % 97) * 13.25;
            total += 2 * price;
            lines << QStringLiteral("2 x %1 de $%2 = $%3")
                         .arg(QString::fromUtf8(items[lines.size() % 6]))
                         .arg(price, 0, 'f', 2)
                         .arg(2 * price, 0, 'f', 2);
        }
        const QString time = QStringLiteral("%1:%2")
                                 .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
                                 .arg(minute % 60, 2, 10, QLatin1Char('0'));
        ++minute;
        if (lines.size() % 50 == 0)
            lines << RegisterLines::cashWithdrawal(time, QStringLiteral("$"), 500, QStringLiteral("banco"),
                                                   kSpanish);
        else
            lines << RegisterLines::saleTotal(time, QStringLiteral("$"), total);
    }
    lines.resize(count);
    return lines;
}

struct Shop {
    QTemporaryDir dir;
    QStringList lines = busyDay(20000);
    QString file;
    Shop() {
        DayRegister::save(dir.path(), kDay, kSpanish, lines);
        file = DayRegister::filePath(dir.path(), kDay, kSpanish);
    }
    static Shop& get() {
        static Shop shop;
        return shop;
    }
};

std::string quoted(const QString& path) {
    std::string out(1, '\'');
    out += path.toStdString();
    out += '\'';
    return out;
}

void registerLoad(benchmark::State& state) {
    Shop& shop = Shop::get();
    for (auto _ : state) {
        auto lines = DayRegister::load(shop.dir.path(), kDay, kSpanish);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(shop.file).size());
}
BENCHMARK(registerLoad)->Unit(benchmark::kMillisecond);

void referenceCat(benchmark::State& state) {
    Shop& shop = Shop::get();
    const std::string command = "cat " + quoted(shop.file) + " > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(referenceCat)->Unit(benchmark::kMillisecond);

void registerDurableSave(benchmark::State& state) {
    Shop& shop = Shop::get();
    for (auto _ : state)
        benchmark::DoNotOptimize(DayRegister::save(shop.dir.path(), kDay, kSpanish, shop.lines));
}
BENCHMARK(registerDurableSave)->Unit(benchmark::kMillisecond);

void referenceCopyAndSync(benchmark::State& state) {
    Shop& shop = Shop::get();
    const QString copy = QDir(shop.dir.path()).filePath(QStringLiteral("copy.txt"));
    const std::string command = "cp " + quoted(shop.file) + " " + quoted(copy) + " && sync " + quoted(copy);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(referenceCopyAndSync)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The guard against slipping: runs the benchmark programs whose figures carry a reference measured
// in the same run, divides each figure by its reference, and compares the ratio with the one recorded
// in the baseline file. A ratio more than 25 % above its baseline fails the check.
//
//     vendel_bench_check check BASELINE PROGRAM_FOLDER   prints the table; exit status 1 when one slipped
//     vendel_bench_check write BASELINE PROGRAM_FOLDER   records the ratios of this run as the baseline
//
// Each program runs its figures and references in one process, five times each (three for the slow
// ones), interleaved in random order, so that a machine busy with other work slows both alike; the
// median counts.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

// A figure and the reference it is divided by, both names as the program reports them.
struct Pair {
    const char* program;
    const char* figure;
    const char* reference;
};

// The guarded figures: the search, the item list, the register and printing.
const std::vector<Pair> kPairs = {
    {"bench_items", "BM_LoadList", "BM_LoadList_ReferenceCat/real_time"},
    {"bench_items", "BM_Filter/1", "BM_Filter_ReferenceGrep/1/real_time"},
    {"bench_items", "BM_Filter/3", "BM_Filter_ReferenceGrep/3/real_time"},
    {"bench_items", "BM_Filter/8", "BM_Filter_ReferenceGrep/8/real_time"},
    {"bench_items_view", "BM_KeystrokeToShownList/1", "BM_KeystrokeToShownList_ReferenceGrep/1/real_time"},
    {"bench_items_view", "BM_KeystrokeToShownList/3", "BM_KeystrokeToShownList_ReferenceGrep/3/real_time"},
    {"bench_items_view", "BM_KeystrokeToShownList/8", "BM_KeystrokeToShownList_ReferenceGrep/8/real_time"},
    {"bench_search_keystroke", "BM_KeystrokeInTheCounter/0",
     "BM_KeystrokeInTheCounter_ReferenceGrep/0/real_time"},
    {"bench_search_keystroke", "BM_KeystrokeInTheCounter/1",
     "BM_KeystrokeInTheCounter_ReferenceGrep/1/real_time"},
    {"bench_search_keystroke", "BM_KeystrokeInTheCounter/2",
     "BM_KeystrokeInTheCounter_ReferenceGrep/2/real_time"},
    {"bench_register", "registerLoad", "referenceCat"},
    {"bench_register", "registerDurableSave", "referenceCopyAndSync"},
    {"bench_register_day", "BM_SaleClosedUpToTheListRepainted/20000",
     "BM_SaleClosedUpToTheListRepainted/100"},
    {"bench_register_day", "BM_SaleClosedInTheCounter/20000", "BM_SaleClosedInTheCounter/100"},
    // The check after a booking reads only what changed: against summing the whole day, not against a
    // check on 100 lines, whose fraction of a microsecond is mostly noise.
    {"bench_register_day", "BM_CheckCanCut/20000", "BM_CashTotalOfTheWholeDay/20000"},
    {"bench_printing", "BM_EncodeEscPos", "BM_BuildTicket"},
    {"bench_printing", "BM_PdfFolderPrinter", "BM_BuildTicket"},
    {"bench_printing", "BM_CloseSaleWithTicket/iterations:200", "BM_CloseSalePrintingOff/iterations:200"},
};

constexpr double kSlip = 1.25; // a ratio more than this many times its baseline fails

// Runs of each figure: five, but three for the register's and printing's programs, whose runs take
// long (a whole sale set up each time, a shell started for each reference).
int repetitionsOf(const QString& program) {
    static const QStringList kSlow{QStringLiteral("bench_register"), QStringLiteral("bench_register_day"),
                                   QStringLiteral("bench_printing")};
    return kSlow.contains(program) ? 3 : 5;
}

QString key(const Pair& pair) {
    return QStringLiteral("%1 %2").arg(QLatin1String(pair.program), QLatin1String(pair.figure));
}

double nanoseconds(const QJsonObject& run) {
    const QString unit = run.value(QStringLiteral("time_unit")).toString();
    const double scale = unit == QLatin1String("s")    ? 1e9
                         : unit == QLatin1String("ms") ? 1e6
                         : unit == QLatin1String("us") ? 1e3
                                                       : 1.0;
    return run.value(QStringLiteral("real_time")).toDouble() * scale;
}

// The median wall-clock time of every benchmark of one program run, by name; nothing when it failed.
std::optional<QMap<QString, double>> runProgram(const QString& folder, const QString& program,
                                                const QStringList& names) {
    QTemporaryDir scratch;
    const QString out = scratch.filePath(QStringLiteral("out.json"));
    // The names hold letters, digits, "_", "/" and ":" only: nothing a pattern reads otherwise.
    QStringList whole;
    for (const QString& name : names)
        whole << QStringLiteral("^%1$").arg(name);
    const QStringList arguments{QStringLiteral("--benchmark_filter=") + whole.join(u'|'),
                                QStringLiteral("--benchmark_repetitions=%1").arg(repetitionsOf(program)),
                                QStringLiteral("--benchmark_enable_random_interleaving=true"),
                                QStringLiteral("--benchmark_report_aggregates_only=true"),
                                QStringLiteral("--benchmark_out_format=json"),
                                QStringLiteral("--benchmark_out=") + out};
    std::fprintf(stderr, "running %s\n", qPrintable(program));
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QDir(folder).filePath(program), arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QMap<QString, double> medians;
    // A counter's spread over runs that all counted zero is written as NaN, which JSON does not know.
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QRegularExpression(QStringLiteral(R"(:\s*-?(NaN|nan|inf|Infinity)\b)")),
                 QStringLiteral(": null"));
    const QJsonArray runs =
        QJsonDocument::fromJson(text.toUtf8()).object().value(QStringLiteral("benchmarks")).toArray();
    for (const QJsonValue& value : runs) {
        const QJsonObject run = value.toObject();
        if (run.value(QStringLiteral("aggregate_name")).toString() == QLatin1String("median"))
            medians.insert(run.value(QStringLiteral("run_name")).toString(), nanoseconds(run));
    }
    return medians;
}

QString milliseconds(double ns) {
    return QString::number(ns / 1e6, 'f', ns < 1e7 ? 3 : 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool write = args.size() == 4 && args[1] == QLatin1String("write");
    if (args.size() != 4 || (!write && args[1] != QLatin1String("check"))) {
        std::fprintf(stderr, "usage: vendel_bench_check check|write BASELINE PROGRAM_FOLDER\n");
        return 2;
    }
    const QString baselinePath = args[2];
    const QString folder = args[3];

    QJsonObject baseline;
    if (!write) {
        QFile file(baselinePath);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "no baseline at %s: make bench-baseline writes one\n",
                         qPrintable(baselinePath));
            return 2;
        }
        baseline =
            QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("ratios")).toObject();
    }

    // Every program once, with all its figures and references.
    QMap<QString, QStringList> namesOf;
    for (const Pair& pair : kPairs)
        namesOf[QLatin1String(pair.program)] << QLatin1String(pair.figure) << QLatin1String(pair.reference);
    QMap<QString, QMap<QString, double>> times;
    bool failed = false;
    for (auto it = namesOf.cbegin(); it != namesOf.cend(); ++it) {
        const auto medians = runProgram(folder, it.key(), it.value());
        if (!medians) {
            std::fprintf(stderr, "%s did not run to its end\n", qPrintable(it.key()));
            failed = true;
            continue;
        }
        times.insert(it.key(), *medians);
    }

    QJsonObject ratios;
    std::printf("| Figure | ms | Reference | ms | Ratio | Baseline | Change | "
                "|\n|---|---|---|---|---|---|---|---|\n");
    for (const Pair& pair : kPairs) {
        const QMap<QString, double> run = times.value(QLatin1String(pair.program));
        const double figure = run.value(QLatin1String(pair.figure), -1);
        const double reference = run.value(QLatin1String(pair.reference), -1);
        if (figure <= 0 || reference <= 0) {
            std::printf("| %s | | %s | | | | | not measured |\n", pair.figure, pair.reference);
            failed = true;
            continue;
        }
        const double ratio = figure / reference;
        ratios.insert(key(pair), ratio);
        QString verdict;
        QString was;
        QString change;
        if (!write) {
            const QJsonValue recorded = baseline.value(key(pair));
            if (!recorded.isDouble()) {
                verdict = QStringLiteral("no baseline");
                failed = true;
            } else {
                was = QString::number(recorded.toDouble(), 'g', 4);
                change = QStringLiteral("%1%2 %")
                             .arg(ratio >= recorded.toDouble() ? QStringLiteral("+") : QString())
                             .arg(100.0 * (ratio / recorded.toDouble() - 1.0), 0, 'f', 0);
                const bool slipped = ratio > kSlip * recorded.toDouble();
                verdict = slipped ? QStringLiteral("SLIPPED") : QStringLiteral("ok");
                failed = failed || slipped;
            }
        }
        std::printf("| %s | %s | %s | %s | %s | %s | %s | %s |\n", pair.figure,
                    qPrintable(milliseconds(figure)), pair.reference, qPrintable(milliseconds(reference)),
                    qPrintable(QString::number(ratio, 'g', 4)), qPrintable(was), qPrintable(change),
                    qPrintable(verdict));
    }

    if (write) {
        QJsonObject document;
        document.insert(
            QStringLiteral("about"),
            QStringLiteral("Each figure divided by its reference measured in the same run (medians of "
                           "five). make bench-check fails when a ratio is more than 25 % above "
                           "this one; make bench-baseline writes this file."));
        document.insert(QStringLiteral("ratios"), ratios);
        QFile file(baselinePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(QJsonDocument(document).toJson()) < 0) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(baselinePath));
            return 2;
        }
        std::fprintf(stderr, "baseline written to %s\n", qPrintable(baselinePath));
        return failed ? 1 : 0;
    }
    return failed ? 1 : 0;
}

#include "CupsJob.h"

#include "ui/printing/JobDeadline.h"

#include <QList>
#include <QProcess>
#include <QRegularExpression>

namespace CupsJob {

namespace {

constexpr int kPollMs = 20;

QProcessEnvironment environmentFor(const QString& server) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The programs' answers are read, so they must speak the same words everywhere.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    if (!server.isEmpty()) env.insert(QStringLiteral("CUPS_SERVER"), server);
    return env;
}

struct Run {
    bool ok = false;
    QByteArray out;
};

// Runs one program with `input` on its standard input; ok when it ended by itself with status 0.
Run run(const QString& program, const QStringList& arguments, const QByteArray& input, const QString& server,
        const QDeadlineTimer& deadline) {
    QProcess process;
    process.setProcessEnvironment(environmentFor(server));
    process.setStandardErrorFile(QProcess::nullDevice());
    bool finished = false;
    QObject::connect(&process, &QProcess::finished, [&] { finished = true; });
    QObject::connect(&process, &QProcess::errorOccurred, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) finished = true;
    });
    process.start(program, arguments);
    const bool started =
        JobDeadline::waitUntil([&] { return finished || process.state() == QProcess::Running; }, deadline);
    if (started && process.state() == QProcess::Running) {
        if (!input.isEmpty()) process.write(input);
        process.closeWriteChannel();
    }
    if (!JobDeadline::waitUntil([&] { return finished; }, deadline)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    Run result;
    result.ok = process.error() != QProcess::FailedToStart && process.exitStatus() == QProcess::NormalExit &&
                process.exitCode() == 0;
    result.out = process.readAllStandardOutput();
    return result;
}

void cancel(const QString& job, const QString& server) {
    QProcess process;
    process.setProgram(QStringLiteral("cancel"));
    process.setArguments({job});
    process.setProcessEnvironment(environmentFor(server));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

QList<QByteArray> linesOf(const QByteArray& output) {
    return output.split('\n');
}

bool namesJob(const QByteArray& line, const QString& job) {
    const QByteArray id = job.toUtf8();
    return line.startsWith(id) &&
           (line.size() == id.size() || line.at(id.size()) == ' ' || line.at(id.size()) == '\t');
}

} // namespace

QString jobIdIn(const QByteArray& lpOutput) {
    static const QRegularExpression id(QStringLiteral("request id is (\\S+-\\d+)"));
    return id.match(QString::fromUtf8(lpOutput)).captured(1);
}

bool listsJob(const QByteArray& lpstatOutput, const QString& job) {
    for (const QByteArray& line : linesOf(lpstatOutput))
        if (namesJob(line, job)) return true;
    return false;
}

bool endedUnprinted(const QByteArray& lpstatLongOutput, const QString& job) {
    bool inJob = false;
    for (const QByteArray& line : linesOf(lpstatLongOutput)) {
        // A job's own line, then its details indented below it.
        if (!line.startsWith('\t') && !line.startsWith(' ')) {
            inJob = namesJob(line, job);
            continue;
        }
        if (inJob && (line.contains("canceled") || line.contains("aborted"))) return true;
    }
    return false;
}

bool print(const QString& queue, const QByteArray& data, const Options& options,
           const QDeadlineTimer& deadline) {
    QStringList arguments;
    if (!queue.isEmpty()) arguments << QStringLiteral("-d") << queue;
    if (options.raw) arguments << QStringLiteral("-o") << QStringLiteral("raw");
    if (!options.title.isEmpty()) arguments << QStringLiteral("-t") << options.title;
    const Run submitted = run(QStringLiteral("lp"), arguments, data, options.server, deadline);
    const QString job = jobIdIn(submitted.out);
    if (!submitted.ok || job.isEmpty()) return false;
    const QString destination = job.left(job.lastIndexOf(u'-'));
    const QStringList waiting = {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o"),
                                 destination};
    for (;;) {
        const Run pending = run(QStringLiteral("lpstat"), waiting, {}, options.server, deadline);
        if (!pending.ok || deadline.hasExpired()) {
            cancel(job, options.server);
            return false;
        }
        if (!listsJob(pending.out, job)) break;
        const QDeadlineTimer pause(kPollMs);
        JobDeadline::waitUntil([&] { return pause.hasExpired() || deadline.hasExpired(); }, deadline);
    }
    const Run finished = run(QStringLiteral("lpstat"),
                             {QStringLiteral("-l"), QStringLiteral("-W"), QStringLiteral("completed"),
                              QStringLiteral("-o"), destination},
                             {}, options.server, deadline);
    return finished.ok && !endedUnprinted(finished.out, job);
}

} // namespace CupsJob

#pragma once

// A CUPS of the test's own: a private cupsd with its configuration, spool, state, socket and logs in a
// temporary folder, listening on a free loopback port. No system service or file is touched; the CUPS
// programs reach it through CUPS_SERVER in their own environment. Stopped with the object. Header
// only, for the tests and the benchmarks.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

class PrivateCups {
public:
    PrivateCups() = default;
    ~PrivateCups() { stop(); }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Starts the daemon and waits until it answers; false, with the reason in why(), when it cannot.
    bool start() {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
        if (cupsd.isEmpty()) return fail("cupsd is not installed (Debian package cups)");
        for (const char* program : {"lp", "lpstat", "lpadmin", "cupsdisable", "cupsreject"})
            if (tool(QString::fromLatin1(program)).isEmpty())
                return fail(QStringLiteral("%1 is not installed (Debian package cups-client)").arg(program));
        if (!m_dir.isValid()) return fail("no temporary folder");
        // The daemon runs its backends as the lp user, who must reach the spool.
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                QFile::ExeOther);
        for (const char* sub : {"etc", "spool/tmp", "cache", "run", "log"})
            QDir(m_dir.path()).mkpath(QString::fromLatin1(sub));
        if (m_port == 0) {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost)) return fail("no free loopback port");
            m_port = probe.serverPort();
        }
        const QString root = m_dir.path();
        write("etc/cups-files.conf",
              QStringLiteral(
                  "ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                  "StateDir %1/run\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                  "PageLog %1/log/page_log\nFileDevice No\n")
                  .arg(root));
        write("etc/cupsd.conf",
              QStringLiteral("Listen 127.0.0.1:%1\nListen %2/run/cups.sock\nBrowsing Off\nWebInterface No\n"
                             "LogLevel info\nPreserveJobHistory Yes\nJobRetryInterval 1\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                  .arg(m_port)
                  .arg(root));
        m_daemon.setProgram(cupsd);
        m_daemon.setArguments({"-f", "-c", root + "/etc/cupsd.conf", "-s", root + "/etc/cups-files.conf"});
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        m_daemon.start();
        if (!m_daemon.waitForStarted(5000)) return fail("cupsd did not start");
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (m_daemon.state() != QProcess::Running)
                return fail("cupsd stopped: " + QString::fromLocal8Bit(m_daemon.readAll()) + errorLog());
            QByteArray answer;
            if (run("lpstat", {"-r"}, &answer) && answer.startsWith("scheduler is running")) return true;
            QThread::msleep(20);
        }
        stop();
        return fail("cupsd does not answer: " + errorLog());
    }

    // Stops the daemon (in the middle of a job too); start() brings it back on the same spool and port.
    void stop() {
        if (m_daemon.state() == QProcess::NotRunning) return;
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(2000);
        }
    }

    QString why() const { return m_why; }
    // What CUPS_SERVER names for this daemon.
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

    // Runs a CUPS program (lpadmin, cupsdisable, cupsreject, lpstat...) on this daemon; true on status 0.
    bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("CUPS_SERVER", server());
        env.insert("LC_ALL", "C");
        env.remove("PRINTER");
        env.remove("LPDEST");
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(tool(program), arguments);
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        m_lastOutput = process.readAll();
        if (output) *output = m_lastOutput;
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    // A raw queue (no driver, no filter) whose device is a socket on a loopback port.
    bool addRawQueue(const QString& name, quint16 port) const {
        return run("lpadmin",
                   {"-p", name, "-E", "-v", QStringLiteral("socket://127.0.0.1:%1/?snmp=false").arg(port)});
    }

    // What the last program run said.
    QString lastOutput() const { return QString::fromLocal8Bit(m_lastOutput); }

    QString errorLog() const {
        QFile log(m_dir.filePath("log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(2000)) : QString();
    }

private:
    static QString tool(const QString& program) {
        const QString onPath = QStandardPaths::findExecutable(program);
        return onPath.isEmpty() ? QStandardPaths::findExecutable(program, {"/usr/sbin", "/usr/bin"}) : onPath;
    }
    bool fail(const QString& why) {
        m_why = why;
        return false;
    }
    void write(const QString& name, const QString& text) const {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
    }

    QTemporaryDir m_dir;
    quint16 m_port = 0;
    QProcess m_daemon;
    QString m_why;
    mutable QByteArray m_lastOutput;
};

#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace CommandLine {

StartOptions parse(const QStringList& arguments, const QString& envLanguage, const QString& envUserKey) {
    StartOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vendel, the cash register of a small shop."));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("The shop's folder with its price list and registers."),
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
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and stop."));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")},
                                  QStringLiteral("Show this help and stop."));
    parser.addOptions({dataDir, language, userKey, printTo, version, help});
    options.helpText = parser.helpText();
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
    options.dataDir = parser.value(dataDir);
    options.language = parser.isSet(language) ? parser.value(language) : envLanguage;
    options.userKey = parser.isSet(userKey) ? parser.value(userKey) : envUserKey;
    options.printTo = parser.value(printTo);
    return options;
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

QString defaultDataFolder(const QString& programFolder, const QString& userDataFolder) {
    if (!programFolder.isEmpty()) {
        QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral(".vendel-XXXXXX")));
        if (probe.open()) return programFolder;
    }
    return userDataFolder;
}

} // namespace CommandLine

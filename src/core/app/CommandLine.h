#pragma once

#include "app/Language.h"

#include <QString>
#include <QStringList>

// What the program is started with: the command line, then the environment.
struct StartOptions {
    QString dataDir;  // empty: the default folder
    QString language; // the installation's language code ("EN" or anything else for Spanish)
    QString userKey;  // the user access key; empty when none is set
    QString printTo;  // a folder that receives print jobs instead of the printer
    bool showVersion = false;
    bool showHelp = false;
    QString error; // a command line that could not be understood
    QString helpText;
};

namespace CommandLine {

// Reads the arguments (the first is the program). VENDEL_LANGUAGE and VENDEL_USER_KEY from the
// environment apply when the options do not say otherwise.
StartOptions parse(const QStringList& arguments, const QString& envLanguage, const QString& envUserKey);

// Makes sure the data folder can hold the shop's files: creates it when missing and checks that a file
// can be written in it. Returns an empty text on success, else why it cannot be used.
QString prepareDataFolder(const QString& folder);

// The folder used when none is given: the program's own folder when it is writable, else the
// per-user data folder.
QString defaultDataFolder(const QString& programFolder, const QString& userDataFolder);

} // namespace CommandLine

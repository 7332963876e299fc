#pragma once

#include <QString>
#include <QStringList>

// The environment variables that stand in for options not given on the command line.
struct StartEnvironment {
    QString language; // VENDEL_LANGUAGE
    QString userKey;  // VENDEL_USER_KEY
    QString dataDir;  // VENDEL_DATA_DIR
};

// What the program is started with: the command line, then the environment. The printer options
// override the printer settings kept in the shop folder for this run only.
struct StartOptions {
    QString dataDir;  // --data-dir, else VENDEL_DATA_DIR; empty: the per-user data folder
    QString language; // the installation's language code ("EN" or anything else for Spanish)
    QString userKey;  // the user access key; empty when none is set
    QString printTo;  // a folder that receives print jobs instead of the printer
    QString printer;  // a system printer's name, or escpos:DEVICE / escpos:tcp://HOST:PORT / escpos:cups:NAME
    int paper = 0;    // receipt paper width in millimetres: 58 or 80; 0 when not given
    int codepage = 0; // the receipt printer's code table: 1252 or 858; 0 when not given
    bool cut = true;  // false with --no-cut: no cut after a receipt
    bool drawer = true; // false with --no-drawer: the cash drawer never opens
    bool status = true; // false with --no-status: a receipt printer is not asked whether it printed
    bool showVersion = false;
    bool showHelp = false;
    QString error; // a command line that could not be understood
    QString helpText;
};

namespace CommandLine {

// Reads the arguments (the first is the program). Needs no application object, so --help and
// --version work before any window or display exists.
StartOptions parse(const QStringList& arguments, const StartEnvironment& environment);

// The environment variables of this process.
StartEnvironment environment();

// The shop's folder: the one given (option or environment), else the per-user data folder.
// Never the program's own folder.
QString dataFolder(const StartOptions& options, const QString& userDataFolder);

// Makes sure the data folder can hold the shop's files: creates it when missing and checks that a file
// can be written in it. Returns an empty text on success, else why it cannot be used.
QString prepareDataFolder(const QString& folder);

// The folders that may hold the help documents, nearest first: the installed share/vendel beside
// the program's bin folder, then a build tree's help folder.
QStringList helpSources(const QString& programFolder);

// Copies each help document the shop's folder lacks from the first source folder that has it.
// Returns the names copied.
QStringList provideHelpDocuments(const QString& folder, const QStringList& sources);

} // namespace CommandLine

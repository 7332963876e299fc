#pragma once

#include "core/base/CommandLine.h"
#include "core/base/Language.h"
#include "core/base/Ports.h"
#include "core/printing/PrinterSettings.h"
#include "ui/printing/CurrentPrinter.h"
#include "ui/printing/JobDeadline.h"

#include <QString>

class QWidget;
class PrinterDialog;

// The shop's printer for the whole run: the settings kept in the shop folder's vendel.ini with the
// command line's printer options over them, behind the one printer the counter is given. The printer
// dialog changes the saved settings, and the next job already goes to the new printer.
class PrinterSetup {
public:
    struct Options {
        int deadlineMs = JobDeadline::kDefaultMs; // of every print job and of the list of queues
        QString cupsServer;                       // empty: the system's CUPS
    };

    PrinterSetup(const QString& dataDir, const Language& language, const StartOptions& commandLine,
                 const Clock& clock, Options options);
    PrinterSetup(const QString& dataDir, const Language& language, const StartOptions& commandLine,
                 const Clock& clock)
        : PrinterSetup(dataDir, language, commandLine, clock, Options{}) {}

    // The printer to give the counter.
    Printer& printer() { return m_current; }
    // The settings as saved (defaults where the file says nothing) and the ones in use in this run.
    PrinterSettings saved() const;
    const PrinterSettings& inUse() const { return m_inUse; }
    QString settingsPath() const;

    // Opens the printer dialog over `parent`; it deletes itself when closed.
    PrinterDialog* openDialog(QWidget* parent, const QString& shopName);

private:
    bool save(const PrinterSettings& settings);
    void use(const PrinterSettings& settings);

    QString m_dataDir;
    Language m_language;
    StartOptions m_commandLine;
    const Clock& m_clock;
    Options m_options;
    PrinterSettings m_inUse;
    CurrentPrinter m_current;
};

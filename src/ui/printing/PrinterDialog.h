#pragma once

#include "core/base/Language.h"
#include "core/printing/PrinterSettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class PrinterQueues;

// "Impresora…": where the shop prints. A system printer picked from the CUPS queues (the list arrives
// from a worker thread; a hung print server shows that it does not answer), a receipt printer on a
// device, a network port or a raw CUPS queue with its paper, code page, cut, drawer and status check,
// or a folder of PDF files. "Imprimir prueba" prints the test page on the printer as it stands in the
// dialog and shows how it went. Every control has its mnemonic; Enter keeps the choice, Escape drops it.
class PrinterDialog : public QDialog {
    Q_OBJECT

public:
    struct Hooks {
        // Prints the test page on the printer the settings name; false when it failed.
        std::function<bool(const PrinterSettings&)> printTest;
        // Keeps the settings and starts using them; false when they could not be saved.
        std::function<bool(const PrinterSettings&)> save;
    };

    PrinterDialog(const PrinterSettings& settings, const Language& language, Hooks hooks, bool overridden,
                  int queueDeadlineMs, QWidget* parent = nullptr);

    // The choice as the controls show it.
    PrinterSettings settings() const;
    // OK keeps the choice first and stays open when it cannot; nothing closes the dialog while the
    // test page prints.
    void done(int result) override;

private:
    void printTestPage();
    void showQueues(const QStringList& names, const QString& defaultName);
    void showKind();

    Language m_language;
    Hooks m_hooks;
    bool m_printing = false;
    PrinterQueues* m_queues = nullptr;
    QRadioButton* m_system = nullptr;
    QComboBox* m_queue = nullptr;
    QLabel* m_queueState = nullptr;
    QRadioButton* m_receipt = nullptr;
    QComboBox* m_link = nullptr;
    QLineEdit* m_address = nullptr;
    QComboBox* m_paper = nullptr;
    QComboBox* m_codepage = nullptr;
    QCheckBox* m_cut = nullptr;
    QCheckBox* m_drawer = nullptr;
    QCheckBox* m_status = nullptr;
    QRadioButton* m_folderKind = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_test = nullptr;
    QLabel* m_result = nullptr;
};

#include "PrinterDialog.h"

#include "ui/printing/PrinterQueues.h"
#include "ui/widgets/Captions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A form indented under its radio button.
QFormLayout* indentedForm(QVBoxLayout* column) {
    auto* form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 6);
    column->addLayout(form);
    return form;
}

const char* const kAddressExamples[] = {"/dev/usb/lp0", "192.168.1.50:9100", "TM-T20"};

} // namespace

PrinterDialog::PrinterDialog(const PrinterSettings& settings, const Language& language, Hooks hooks,
                             bool overridden, int queueDeadlineMs, QWidget* parent)
    : QDialog(parent), m_language(language), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmPrinter"));
    setWindowTitle(language(Captions::PrinterTitle));
    auto* column = new QVBoxLayout(this);

    m_system = named(new QRadioButton(language(Captions::PrinterSystem)), "optSystem");
    column->addWidget(m_system);
    QFormLayout* systemForm = indentedForm(column);
    m_queue = named(new QComboBox, "cboQueue");
    m_queue->addItem(language(Captions::PrinterSystemDefault), QString());
    if (!settings.systemName.isEmpty()) m_queue->addItem(settings.systemName, settings.systemName);
    m_queue->setCurrentIndex(settings.systemName.isEmpty() ? 0 : 1);
    systemForm->addRow(language(Captions::PrinterQueue), m_queue);
    m_queueState = named(new QLabel(language(Captions::PrinterLooking)), "lblQueueState");
    systemForm->addRow(QString(), m_queueState);

    m_receipt = named(new QRadioButton(language(Captions::PrinterReceipt)), "optReceipt");
    column->addWidget(m_receipt);
    QFormLayout* receiptForm = indentedForm(column);
    m_link = named(new QComboBox, "cboLink");
    m_link->addItems({language(Captions::PrinterLinkDevice), language(Captions::PrinterLinkTcp),
                      language(Captions::PrinterLinkCups)});
    m_link->setCurrentIndex(int(settings.link));
    receiptForm->addRow(language(Captions::PrinterLink), m_link);
    m_address = named(new QLineEdit(settings.address), "txtAddress");
    receiptForm->addRow(language(Captions::PrinterAddress), m_address);
    m_paper = named(new QComboBox, "cboPaper");
    m_paper->addItem(language(Captions::PrinterPaper80), 80);
    m_paper->addItem(language(Captions::PrinterPaper58), 58);
    m_paper->setCurrentIndex(settings.paper == 58 ? 1 : 0);
    receiptForm->addRow(language(Captions::PrinterPaper), m_paper);
    m_codepage = named(new QComboBox, "cboCodepage");
    m_codepage->addItem(language(Captions::PrinterCodepage1252), 1252);
    m_codepage->addItem(language(Captions::PrinterCodepage858), 858);
    m_codepage->setCurrentIndex(settings.codepage == 858 ? 1 : 0);
    receiptForm->addRow(language(Captions::PrinterCodepage), m_codepage);
    m_cut = named(new QCheckBox(language(Captions::PrinterCut)), "chkCut");
    m_cut->setChecked(settings.cut);
    receiptForm->addRow(m_cut);
    m_drawer = named(new QCheckBox(language(Captions::PrinterDrawer)), "chkDrawer");
    m_drawer->setChecked(settings.drawer);
    receiptForm->addRow(m_drawer);
    m_status = named(new QCheckBox(language(Captions::PrinterStatus)), "chkStatus");
    m_status->setChecked(settings.status);
    receiptForm->addRow(m_status);

    m_folderKind = named(new QRadioButton(language(Captions::PrinterFolder)), "optFolder");
    column->addWidget(m_folderKind);
    QFormLayout* folderForm = indentedForm(column);
    m_folder = named(new QLineEdit(settings.folder), "txtFolder");
    folderForm->addRow(language(Captions::PrinterFolderPath), m_folder);

    if (overridden) {
        auto* note = named(new QLabel(language(Captions::PrinterOverridden)), "lblOverridden");
        note->setWordWrap(true);
        column->addWidget(note);
    }
    auto* testRow = new QHBoxLayout;
    m_test = named(new QPushButton(language(Captions::PrinterTest)), "cmdTest");
    m_test->setAutoDefault(false);
    m_result = named(new QLabel, "lblTestResult");
    testRow->addWidget(m_test);
    testRow->addWidget(m_result, 1);
    column->addLayout(testRow);
    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "buttons");
    column->addWidget(buttons);

    (settings.kind == PrinterSettings::Kind::Receipt  ? m_receipt
     : settings.kind == PrinterSettings::Kind::Folder ? m_folderKind
                                                      : m_system)
        ->setChecked(true);
    for (QRadioButton* kind : {m_system, m_receipt, m_folderKind})
        connect(kind, &QRadioButton::toggled, this, &PrinterDialog::showKind);
    connect(m_link, &QComboBox::currentIndexChanged, this, &PrinterDialog::showKind);
    connect(m_test, &QPushButton::clicked, this, &PrinterDialog::printTestPage);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showKind();

    m_queues = new PrinterQueues(this);
    connect(m_queues, &PrinterQueues::listed, this, &PrinterDialog::showQueues);
    connect(m_queues, &PrinterQueues::unanswered, this,
            [this] { m_queueState->setText(m_language(Captions::PrinterNoAnswer)); });
    m_queues->ask(queueDeadlineMs);
}

PrinterSettings PrinterDialog::settings() const {
    PrinterSettings s;
    s.kind = m_receipt->isChecked()      ? PrinterSettings::Kind::Receipt
             : m_folderKind->isChecked() ? PrinterSettings::Kind::Folder
                                         : PrinterSettings::Kind::System;
    s.systemName = m_queue->currentData().toString();
    s.link = PrinterSettings::Link(m_link->currentIndex());
    s.address = m_address->text().trimmed();
    s.paper = m_paper->currentData().toInt();
    s.codepage = m_codepage->currentData().toInt();
    s.cut = m_cut->isChecked();
    s.drawer = m_drawer->isChecked();
    s.status = m_status->isChecked();
    s.folder = m_folder->text().trimmed();
    return s;
}

void PrinterDialog::showKind() {
    const bool receipt = m_receipt->isChecked();
    m_queue->setEnabled(m_system->isChecked());
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_link, m_address, m_paper, m_codepage, m_cut, m_drawer})
        w->setEnabled(receipt);
    // CUPS reports a raw queue's jobs itself; only a device or a network port is asked.
    m_status->setEnabled(receipt && m_link->currentIndex() != int(PrinterSettings::Link::CupsQueue));
    m_address->setPlaceholderText(
        QString::fromLatin1(kAddressExamples[qBound(0, m_link->currentIndex(), 2)]));
    m_folder->setEnabled(m_folderKind->isChecked());
}

void PrinterDialog::showQueues(const QStringList& names, const QString& defaultName) {
    const QString chosen = m_queue->currentData().toString();
    m_queue->clear();
    m_queue->addItem(m_language(Captions::PrinterSystemDefault), QString());
    for (const QString& name : names)
        m_queue->addItem(name == defaultName ? name + m_language(Captions::PrinterDefaultMark) : name, name);
    // A printer chosen before that is not there now stays chosen.
    if (!chosen.isEmpty() && !names.contains(chosen)) m_queue->addItem(chosen, chosen);
    m_queue->setCurrentIndex(qMax(0, m_queue->findData(chosen)));
    m_queueState->setText(names.isEmpty() ? m_language(Captions::PrinterNone) : QString());
}

void PrinterDialog::printTestPage() {
    if (m_printing || !m_hooks.printTest) return;
    m_printing = true;
    m_test->setEnabled(false);
    m_result->setText(m_language(Captions::PrinterTesting));
    const bool printed = m_hooks.printTest(settings());
    m_result->setText(m_language(printed ? Captions::PrinterTestPrinted : Captions::PrinterTestFailed));
    m_test->setEnabled(true);
    m_test->setFocus(Qt::OtherFocusReason);
    m_printing = false;
}

void PrinterDialog::done(int result) {
    if (m_printing) return;
    if (result == QDialog::Accepted && m_hooks.save && !m_hooks.save(settings())) {
        m_result->setText(m_language(Captions::PrinterNotSaved));
        return;
    }
    QDialog::done(result);
}

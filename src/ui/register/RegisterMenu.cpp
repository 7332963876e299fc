#include "RegisterMenu.h"

#include "core/counter/Counter.h"
#include "core/printing/ReportPrinter.h"
#include "core/register/CardPayments.h"
#include "core/register/CashCount.h"
#include "core/register/RegisterCut.h"
#include "ui/register/CashCountDialog.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

RegisterMenu::RegisterMenu(Counter& counter, QWidget* parent)
    : QMenu(counter.text(Captions::MenuReg), parent), m_counter(counter),
      m_window(parent ? parent->window() : nullptr) {
    Counter* c = &m_counter;
    const auto entry = [c](QMenu* menu, const char* name, const Text& caption,
                           const QKeySequence& keys = {}) {
        return addMenuEntry(menu, name, c->text(caption), keys);
    };
    setObjectName(QStringLiteral("mnuReg"));
    connect(entry(this, "mnuAdd", Captions::MenuAdd, Qt::Key_F5), &QAction::triggered, c, &Counter::eInMoney);
    connect(entry(this, "mnuQuit", Captions::MenuQuit, Qt::Key_F6), &QAction::triggered, c,
            &Counter::eOutMoney);
    connect(entry(this, "mnuCashCount", Captions::MenuCashCount, Qt::Key_F7), &QAction::triggered, this,
            &RegisterMenu::countCash);
    addSeparator();
    RegisterCut* cut = &c->cut();
    connect(entry(this, "mnuCut", Captions::MenuCut), &QAction::triggered, cut, &RegisterCut::mnuCut_Click);
    connect(entry(this, "mnuCount", Captions::MenuCount), &QAction::triggered, cut,
            &RegisterCut::eCountSales);
    QMenu* group2 = addMenu(c->text(Captions::MenuGroup2));
    group2->setObjectName(QStringLiteral("mnuGroup2"));
    CardPayments* cards = &c->cards();
    connect(entry(group2, "mnuSumCard", Captions::MenuSumCard), &QAction::triggered, this,
            [cards] { cards->eSumCard(); });
    connect(entry(group2, "mnuNumbCard", Captions::MenuNumbCard), &QAction::triggered, this,
            [cards] { cards->eNumbCard(); });
    group2->addSeparator();
    connect(entry(group2, "mnuCard", Captions::MenuCard, Qt::CTRL | Qt::Key_F5), &QAction::triggered, c,
            &Counter::eCreditCard);
    addSeparator();
    ReportPrinter* reports = &c->reports();
    connect(entry(this, "mnuXReport", Captions::MenuXReport), &QAction::triggered, this,
            [reports] { reports->printXReport(); });
    QMenu* cutZ = addMenu(c->text(Captions::MenuCutZ));
    cutZ->setObjectName(QStringLiteral("mnuCutZ"));
    m_mnuCutZ = cutZ->menuAction();
    connect(entry(cutZ, "mnuPrintSimple", Captions::MenuPrintSimple), &QAction::triggered, this,
            [reports] { reports->ePrintHistory(); });
    connect(entry(cutZ, "mnuPrintCut", Captions::MenuPrintCut), &QAction::triggered, c,
            &Counter::mnuPrintCut_Click);
    addSeparator();
    connect(entry(this, "mnuReports", Captions::MenuReports, Qt::CTRL | Qt::Key_I), &QAction::triggered, this,
            &RegisterMenu::reportsAsked);
    connect(cut, &RegisterCut::menusChanged, this, &RegisterMenu::render);
    connect(c, &Counter::loaded, this, &RegisterMenu::render);
}

void RegisterMenu::countCash() {
    const std::optional<CashCount> count = m_counter.startCashCount();
    if (!count) return;
    auto* dialog = new CashCountDialog(*count, m_counter.language(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { m_counter.eCountCash(dialog->count()); });
    dialog->open();
}

void RegisterMenu::render() {
    m_mnuCutZ->setEnabled(m_counter.cut().cutMenuEnabled());
}

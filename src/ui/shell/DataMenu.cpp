#include "DataMenu.h"

#include "core/counter/Counter.h"
#include "core/help/HelpTips.h"
#include "core/printing/ReportPrinter.h"
#include "core/printing/TicketPrinter.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/MenuEntry.h"

#include <array>

DataMenu::DataMenu(Counter& counter, QWidget* parent) : QMenu(counter.text(Captions::MenuExtra), parent) {
    Counter* c = &counter;
    setObjectName(QStringLiteral("mnuExtra"));
    HelpTips* help = &c->help();
    connect(addMenuEntry(this, "mnuButton1", c->text(Captions::MenuButton1), Qt::Key_F1), &QAction::triggered,
            this, [help] { help->lblHelp_Click(); });
    connect(addMenuEntry(this, "mnuButton2", c->text(Captions::MenuButton2), Qt::Key_F2), &QAction::triggered,
            c, &Counter::eTip);
    connect(addMenuEntry(this, "mnuButton3", c->text(Captions::MenuButton3), Qt::Key_F3), &QAction::triggered,
            c, &Counter::lblCalc_Click);
    addSeparator();
    ReportPrinter* reports = &c->reports();
    connect(addMenuEntry(this, "mnuPrintInfo", c->text(Captions::MenuPrintInfo)), &QAction::triggered, this,
            [reports] { reports->mnuPrintInfo_Click(); });
    connect(addMenuEntry(this, "mnuDrawer", c->text(Captions::MenuDrawer)), &QAction::triggered,
            &c->tickets(), &TicketPrinter::mnuDrawer_Click);
    connect(addMenuEntry(this, "mnuPrinter", c->text(Captions::MenuPrinter)), &QAction::triggered, this,
            &DataMenu::printerAsked);
    addSeparator();
    connect(addMenuEntry(this, "mnuHangCash", c->text(Captions::MenuHangCash)), &QAction::triggered, c,
            &Counter::mnuHangCash_Click);
    connect(addMenuEntry(this, "mnuBigCash", c->text(Captions::MenuBigCash)), &QAction::triggered, this,
            [c] { c->settings().askTopNote(c->currency().symbol()); });
    QMenu* currency = addMenu(c->text(Captions::MenuCurrency));
    currency->setObjectName(QStringLiteral("mnuCurrency"));
    const std::array<QString, 3> symbols = {QStringLiteral("&$"), QStringLiteral("&€"), QStringLiteral("&£")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = currency->addAction(symbols[std::size_t(i)]);
        a->setObjectName(QStringLiteral("mMoneda%1").arg(i));
        connect(a, &QAction::triggered, c, [c, i] { c->mMoneda_Click(i); });
    }
}

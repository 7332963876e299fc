// The counter's commands on the day register: saving it, the change of day, cash movements, card
// entries, the count of the drawer and the cut.
#include "Counter.h"
#include "core/items/ItemActions.h"
#include "core/items/ListEditor.h"
#include "core/note/NoteTabs.h"
#include "core/note/Notes.h"
#include "core/printing/Documents.h"
#include "core/printing/ReportPrinter.h"
#include "core/printing/TicketPrinter.h"
#include "core/register/CardPayments.h"
#include "core/register/CashCount.h"
#include "core/register/CashMovements.h"
#include "core/register/RegisterBook.h"
#include "core/register/RegisterCut.h"
#include "core/register/RegisterLines.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"
#include "core/shop/ShopInfo.h"

#include <utility>

bool Counter::eSaveNote() {
    if (!m_book->eSaveNote()) return false;
    // Stock moves only for sales that are on disk: a sale whose save failed lowers it at the next
    // save that succeeds.
    for (const QStringList& sale : std::exchange(m_stockOwed, {}))
        m_itemActions->eMoveProduct(sale);
    return true;
}

void Counter::eCheckDay() {
    if (m_book->changeOfDay()) eFinalDay();
}

void Counter::tmrNight_Timer() {
    if (m_book->nightTick()) eFinalDay();
}

void Counter::eFinalDay() {
    m_book->turnDay();
    m_notes->selectLast(m_notes->current());
    eCheckTabs();
    eCheckCanCut();
}

void Counter::eCheckSum() {
    m_tabs->setCaption(0, m_cut->recordCaption());
}

void Counter::eCheckCanCut() {
    eCheckSum();
    m_cut->checkCanCut(m_editor->visible());
}

void Counter::eInMoney() {
    bookMovement(MovementKind::Entry);
}

void Counter::eOutMoney() {
    bookMovement(MovementKind::Withdrawal);
}

void Counter::bookMovement(MovementKind kind) {
    eCheckDay();
    if (!m_movements->mayBook(editingRegister())) return;
    if (const auto line = m_movements->book(kind, nowTime())) settleBooking(*line);
}

void Counter::eCreditCard() {
    eCheckDay();
    if (!m_movements->mayBook(editingRegister())) return;
    if (const auto entry = m_cards->eCreditCard(nowTime())) settleBooking(entry->line, entry->booked);
}

std::optional<CashCount> Counter::startCashCount() {
    eCheckDay();
    if (!m_movements->mayBook(editingRegister())) return std::nullopt;
    return CashCount(m_currency->symbol(), m_cut->cashTotal());
}

void Counter::eCountCash(const CashCount& count) {
    eCheckDay();
    if (!m_movements->mayBook(editingRegister())) return;
    // Against the cash of the moment it is booked: what the count began with, unless the day turned.
    CashCount booked = count;
    booked.setExpected(m_cut->cashTotal());
    const QString time = nowTime();
    m_notes->appendLine(
        0, RegisterLines::cashCount(time, booked.symbol(), booked.counted(), booked.expected(), m_language));
    settleOperation(0);
    eSaveNote();
    m_reports->printCountNotice(booked, time);
}

void Counter::settleBooking(const QString& line, bool booked) {
    if (booked) {
        settleOperation(0);
        eSaveNote();
    }
    ePrintQuiz(
        Documents::movementNotice(m_shop->remark, int(m_settings->values().ticketNumber), line, m_language));
}

void Counter::ePrintQuiz(const QString& iTicket) {
    if (m_tickets->noticeWanted(m_ticketAsked)) m_reports->ePrintNotif(iTicket);
}

void Counter::mnuPrintCut_Click() {
    const std::optional<QString> split = m_cut->splitOff();
    if (!split) return;
    m_reports->ePrintHistory();
    m_reports->printZReport(*split);
    m_book->eOpenReg();
    settleOperation(m_notes->current());
}

#include "RegisterCut.h"

#include "core/base/Boxes.h"
#include "core/base/Numbers.h"
#include "core/note/NoteLines.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"
#include "core/register/DayRegister.h"
#include "core/register/RegisterLines.h"
#include "core/register/RegisterTexts.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"

#include <QFile>
#include <QFileInfo>

RegisterCut::RegisterCut(const QString& dataDir, const Language& language, Clock& clock, Notes& notes,
                         Currency& currency, SettingsStore& settings, Boxes& boxes)
    : m_dataDir(dataDir), m_language(language), m_clock(clock), m_notes(notes), m_currency(currency),
      m_settings(settings), m_boxes(boxes) {}

QString RegisterCut::recordCaption() const {
    const double total = cashTotal();
    const double limit = m_settings.values().cashLimit.value_or(0.0);
    QString caption = m_language(NoteTexts::RecordTab);
    if (limit > 0 && total >= limit) caption += u'*';
    return caption;
}

void RegisterCut::checkCanCut(bool editorVisible) {
    const bool enabled =
        !m_notes.at(0).lines.isEmpty() && m_notes.saleStart() > 0 && !editorVisible && m_notes.current() == 0;
    if (enabled == m_cutEnabled) return;
    m_cutEnabled = enabled;
    Q_EMIT menusChanged();
}

void RegisterCut::mnuCut_Click() {
    if (m_notes.at(0).used) return;
    const double total = cashTotal();
    m_boxes.say(m_language(RegisterTexts::TotalSum) + QStringLiteral(" [") + m_currency.symbol() +
                    Numbers::amountText(total) + u']',
                Dialogs::Icon::Information);
}

void RegisterCut::eCountSales() {
    const int count = RegisterLines::saleCount(m_notes.at(0).lines, m_language);
    if (count == 0)
        m_boxes.say(m_language(RegisterTexts::NoSales), Dialogs::Icon::Information);
    else
        m_boxes.say(m_language(RegisterTexts::SaleCount) + QStringLiteral(" [") + QString::number(count) +
                        u']',
                    Dialogs::Icon::Information);
}

std::optional<QString> RegisterCut::splitOff() {
    if (!m_boxes.ask(m_language(RegisterTexts::CutQuestion))) return std::nullopt;
    const QDate today = m_clock.now().date();
    const QString day = DayRegister::filePath(m_dataDir, today, m_language);
    int n = 1;
    // A name taken by a folder, or by anything else, is skipped like a taken file.
    while (QFileInfo::exists(DayRegister::splitPath(m_dataDir, today, m_language, n)))
        ++n;
    // The file must hold every line in memory before it is moved aside: a register whose last save
    // failed would otherwise lose its newest lines at the reload.
    const bool saved = DayRegister::save(m_dataDir, today, m_language, m_notes.at(0).lines);
    const QString split = DayRegister::splitPath(m_dataDir, today, m_language, n);
    if (saved && QFile::rename(day, split)) return QFileInfo(split).fileName();
    m_boxes.say(m_language(RegisterTexts::CutFailed), Dialogs::Icon::Warning);
    return std::nullopt;
}

double RegisterCut::cashTotal() const {
    const QStringList& lines = m_notes.at(0).lines;
    const QString& symbol = m_currency.symbol();
    if (symbol != m_summedSymbol || !NoteLines::startsWithLines(lines, m_summed)) {
        m_summed.clear();
        m_summedTotal = 0.0;
        m_summedSymbol = symbol;
    }
    // Added line by line in the order of the day, as a sum over the whole register adds them.
    m_summedTotal = RegisterLines::cashTotal(lines.mid(m_summed.size()), symbol, m_language, m_summedTotal);
    m_summed = lines;
    return m_summedTotal;
}

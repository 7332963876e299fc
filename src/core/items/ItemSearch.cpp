#include "ItemSearch.h"

#include "core/base/Boxes.h"
#include "core/base/Numbers.h"
#include "core/base/Ports.h"
#include "core/items/ItemLine.h"
#include "core/items/ItemList.h"
#include "core/items/ItemTexts.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"

ItemSearch::ItemSearch(const Language& language, ItemList& items, Currency& currency, SettingsStore& settings,
                       Boxes& boxes, Shell& shell)
    : m_language(language), m_items(items), m_currency(currency), m_settings(settings), m_boxes(boxes),
      m_shell(shell) {}

void ItemSearch::setLookupMode(bool on) {
    if (m_lookupMode == on) return;
    m_lookupMode = on;
    Q_EMIT lookupModeChanged(on);
}

bool ItemSearch::holdsItem(int row) const {
    return row >= 0 && row < m_items.shownCount() && m_items.shownLine(row).contains(m_currency.symbol());
}

void ItemSearch::lblFinder_Click() {
    m_finderVisible = true;
    Q_EMIT finderChanged();
    Q_EMIT finderFocusWanted();
}

void ItemSearch::txtFinder_Change(const QString& query) {
    m_finderText = query;
    Q_EMIT finderChanged();
    const ItemList::Filtered result =
        m_items.filter(query, m_language(ItemTexts::NoMatches), m_language(ItemTexts::NoItems));
    m_selected = -1;
    Q_EMIT itemsChanged();
    if (result == ItemList::Filtered::EmptyList) return;
    if (query.isEmpty()) Q_EMIT itemCleared();
    if (result == ItemList::Filtered::Hits) selectItem(0);
    // The fields never keep an item the list no longer shows.
    if (result != ItemList::Filtered::Hits || !holdsItem(0)) Q_EMIT itemCleared();
}

void ItemSearch::txtFinder_Enter() {
    const bool hit = m_items.shownCount() >= 1 && m_items.shownLine(0) != m_language(ItemTexts::NoMatches);
    if (hit && !m_lookupMode) {
        if (!holdsItem(0)) {
            Q_EMIT syntaxWanted(); // a line without the currency: nothing to add
            return;
        }
        Q_EMIT addWanted();
        txtFinder_Change(QString());
        return;
    }
    if (m_lookupMode) {
        if (hit) {
            showLookup(m_items.shownLine(0));
        } else {
            m_boxes.say(m_language(ItemTexts::LookupNoMatches), Dialogs::Icon::None);
        }
        Q_EMIT finderFocusWanted();
    }
}

bool ItemSearch::scanBarcode(const QString& code) {
    const QString& symbol = m_currency.symbol();
    const int found = m_items.findBarcode(code, symbol);
    const bool seeStock = m_settings.values().seeStock;
    const QString shown = found < 0 ? QString() : ItemList::shownForm(m_items.lines()[found], seeStock);
    const auto description = ItemLine::description(shown, symbol, seeStock);
    if (found < 0 || !description) {
        m_shell.beep();
        return false;
    }
    if (m_lookupMode) {
        showLookup(shown);
        return false;
    }
    Q_EMIT itemPicked(*description, Numbers::amountText(ItemLine::price(shown, symbol)));
    return true;
}

void ItemSearch::showLookup(const QString& shownLine) {
    const qsizetype bracket = shownLine.indexOf(QLatin1String("] "));
    m_boxes.say(m_language(ItemTexts::LookupItem) + QStringLiteral("\r\n[") +
                    (bracket < 0 ? shownLine : shownLine.mid(bracket + 2)) + u']',
                Dialogs::Icon::None);
}

void ItemSearch::txtFinder_FocusOut() {
    if (m_finderText.isEmpty() && m_finderVisible) {
        m_finderVisible = false;
        Q_EMIT finderChanged();
    }
}

void ItemSearch::selectItem(int row) {
    m_selected = (row >= 0 && row < m_items.shownCount()) ? row : -1;
    Q_EMIT selectionChanged();
    ePutInfo();
}

void ItemSearch::ePutInfo() {
    if (m_selected < 0) return;
    const QString line = m_items.shownLine(m_selected);
    const QString& symbol = m_currency.symbol();
    const auto description = ItemLine::description(line, symbol, m_settings.values().seeStock);
    if (!description) return;
    Q_EMIT itemPicked(*description, Numbers::amountText(ItemLine::price(line, symbol)));
}

void ItemSearch::clear() {
    if (!m_finderText.isEmpty()) {
        m_finderText.clear();
        m_items.filter(QString(), m_language(ItemTexts::NoMatches), m_language(ItemTexts::NoItems));
        m_selected = m_items.shownCount() > 0 ? 0 : -1;
        Q_EMIT itemsChanged();
    }
    m_finderVisible = false;
    Q_EMIT finderChanged();
}

#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>

class Boxes;
class Currency;
class ItemList;
class SettingsStore;
class Shell;

// The search over the item list and the shown list's chosen line: the finder field, its narrowing of
// the list, Enter in it (add the first hit, or show it in look-up mode) and an item put in the fields.
class ItemSearch : public QObject {
    Q_OBJECT

public:
    ItemSearch(const Language& language, ItemList& items, Currency& currency, SettingsStore& settings,
               Boxes& boxes, Shell& shell);

    int selected() const { return m_selected; }
    bool finderVisible() const { return m_finderVisible; }
    const QString& finderText() const { return m_finderText; }
    bool lookupMode() const { return m_lookupMode; }
    void setLookupMode(bool on);
    // The shown line holds an item (it carries the currency symbol).
    bool holdsItem(int row) const;

    void lblFinder_Click();
    void txtFinder_Change(const QString& query);
    void txtFinder_Enter();
    void txtFinder_FocusOut();
    void selectItem(int row);
    void ePutInfo();
    // The whole list was read or replaced: no line is chosen and the shown list follows.
    void listChanged() {
        m_selected = -1;
        Q_EMIT itemsChanged();
    }
    // A barcode read by a scanner, searched for exactly (ItemList::findBarcode). Its one item goes into
    // the entry fields and true is returned: the caller adds it to the note. In look-up mode the item
    // is only shown, as Enter in the search field shows it. With no such item a beep, and nothing
    // changes. The shown list and its chosen line stay as they are.
    bool scanBarcode(const QString& code);
    // The search emptied and the whole list shown again.
    void clear();

Q_SIGNALS:
    void finderChanged();
    void itemsChanged();
    void selectionChanged();
    void finderFocusWanted();
    void lookupModeChanged(bool on);
    void itemPicked(const QString& description, const QString& price);
    void itemCleared();
    void addWanted();
    void syntaxWanted(); // the first hit is no item line

private:
    // The look-up box of a shown line: "Artículo:" and the line without its stock.
    void showLookup(const QString& shownLine);

    Language m_language;
    ItemList& m_items;
    Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    Shell& m_shell;
    int m_selected = -1;
    bool m_finderVisible = false;
    QString m_finderText;
    bool m_lookupMode = false;
};

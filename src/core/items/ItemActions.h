#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class Boxes;
class Currency;
class ItemList;
class SettingsStore;

// The item list's file and the procedures on the whole list: reading (and offering to create) it,
// saving it, the stock of a closed sale, the inventory value and the price change.
class ItemActions : public QObject {
    Q_OBJECT

public:
    ItemActions(const QString& dataDir, const QString& userKey, const Language& language, ItemList& items,
                Currency& currency, SettingsStore& settings, Boxes& boxes);

    // Reads the list file; without one, offers to create it.
    void eOpenList(bool offerCreate = true);
    void eCreate();
    void eSaveList();
    // The unload saves a list that was read (not the placeholder of an empty list).
    void saveIfRead();
    // The stock of the sale's items goes down, and the list is saved.
    void eMoveProduct(const QStringList& sale);
    void mnuCountAll_Click();
    void mnuPriceChg_Click(int index);
    // The box that explains how an item line is written.
    void showSyntaxMessage();

Q_SIGNALS:
    void listRead();     // the list was read (or found missing)
    void listReplaced(); // every price may have changed
    void linesChanged(const std::vector<int>& fullIndexes);

private:
    QString path() const;

    QString m_dataDir;
    QString m_userKey;
    Language m_language;
    ItemList& m_items;
    Currency& m_currency;
    SettingsStore& m_settings;
    Boxes& m_boxes;
    bool m_fileKept = false; // the list file is there but could not be read
};

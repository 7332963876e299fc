#pragma once

#include <QAbstractListModel>

#include <vector>

class ItemList;

// The shown item list, read straight from the item list: no copy of the lines is kept here, so a list
// of any length costs only the rows a view paints (ItemListView, which never measures every row).
class ItemListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ItemListModel(const ItemList& items, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The shown list changed as a whole (a search, a new list, a price change).
    void refresh();
    // These lines of the full list were rewritten in place (a stock movement); the rows that show them
    // are repainted, the others stay as they are.
    void linesChanged(const std::vector<int>& fullIndexes);
    // The stock was shown or hidden: every row reads differently, the rows stay.
    void shownFormsChanged();

private:
    const ItemList& m_items;
};

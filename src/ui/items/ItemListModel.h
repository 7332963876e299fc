#pragma once

#include <QAbstractListModel>

class ItemList;

// The shown item list, read straight from the item list: no copy of the lines is kept here.
class ItemListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ItemListModel(const ItemList& items, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The shown list changed.
    void refresh();

private:
    const ItemList& m_items;
};

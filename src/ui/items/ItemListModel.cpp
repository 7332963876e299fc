#include "ItemListModel.h"

#include "items/ItemList.h"

ItemListModel::ItemListModel(const ItemList& items, QObject* parent)
    : QAbstractListModel(parent), m_items(items) {}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_items.shownCount();
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return m_items.shownLine(index.row());
}

void ItemListModel::refresh() {
    beginResetModel();
    endResetModel();
}

#include "ItemListModel.h"

#include "core/items/ItemList.h"
#include "ui/widgets/ShownText.h"

ItemListModel::ItemListModel(const ItemList& items, QObject* parent)
    : QAbstractListModel(parent), m_items(items) {}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_items.shownCount();
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    // The view elides the row to its width; it is given no more than it can show.
    return ShownText::capped(m_items.shownLine(index.row()));
}

void ItemListModel::refresh() {
    beginResetModel();
    endResetModel();
}

void ItemListModel::linesChanged(const std::vector<int>& fullIndexes) {
    for (const int line : fullIndexes) {
        const int row = m_items.shownRowOf(line);
        if (row >= 0) Q_EMIT dataChanged(index(row), index(row), {Qt::DisplayRole});
    }
}

void ItemListModel::shownFormsChanged() {
    const int rows = rowCount();
    if (rows > 0) Q_EMIT dataChanged(index(0), index(rows - 1), {Qt::DisplayRole});
}

#include "NoteListModel.h"

#include "app/Counter.h"

NoteListModel::NoteListModel(const Counter& counter, int note, QObject* parent)
    : QAbstractListModel(parent), m_counter(counter), m_note(note) {}

int NoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_counter.noteLines(m_note).size());
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const QStringList& lines = m_counter.noteLines(m_note);
    if (index.row() >= lines.size()) return {};
    return lines[index.row()];
}

void NoteListModel::refresh() {
    beginResetModel();
    endResetModel();
}

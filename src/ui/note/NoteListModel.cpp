#include "NoteListModel.h"

#include "core/counter/Counter.h"
#include "core/note/NoteLines.h"
#include "core/note/Notes.h"
#include "ui/widgets/ShownText.h"

NoteListModel::NoteListModel(const Counter& counter, int note, QObject* parent)
    : QAbstractListModel(parent), m_counter(counter), m_note(note), m_shown(counter.notes().at(note).lines) {}

int NoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_shown.size()) return {};
    // The view elides the row to its width; it is given no more than it can show.
    return ShownText::capped(m_shown[index.row()]);
}

void NoteListModel::refresh() {
    const QStringList& now = m_counter.notes().at(m_note).lines;
    const qsizetype before = m_shown.size();
    if (NoteLines::startsWithLines(now, m_shown)) {
        if (now.size() == before) return;
        beginInsertRows(QModelIndex(), int(before), int(now.size()) - 1);
        m_shown = now;
        endInsertRows();
        return;
    }
    beginResetModel();
    m_shown = now;
    endResetModel();
}

#include "NoteListModel.h"

#include "app/Counter.h"
#include "app/ShownText.h"

NoteListModel::NoteListModel(const Counter& counter, int note, QObject* parent)
    : QAbstractListModel(parent), m_counter(counter), m_note(note), m_shown(counter.noteLines(note)) {}

int NoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant NoteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_shown.size()) return {};
    // The view elides the row to its width; it is given no more than it can show.
    return ShownText::capped(m_shown[index.row()]);
}

namespace {
// The first `count` lines of both lists are the very same strings: a line rewritten in place gets a
// storage of its own while the shown copy still holds the old one.
bool samePrefix(const QStringList& shown, const QStringList& now, qsizetype count) {
    for (qsizetype i = 0; i < count; ++i)
        if (shown[i].constData() != now[i].constData() || shown[i].size() != now[i].size()) return false;
    return true;
}
} // namespace

void NoteListModel::refresh() {
    const QStringList& now = m_counter.noteLines(m_note);
    const qsizetype before = m_shown.size();
    if (now.size() >= before && samePrefix(m_shown, now, before)) {
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

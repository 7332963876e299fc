#pragma once

#include <QAbstractListModel>

class Counter;

// The lines of one note, read straight from the counter.
class NoteListModel : public QAbstractListModel {
    Q_OBJECT

public:
    NoteListModel(const Counter& counter, int note, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The note's lines changed.
    void refresh();

private:
    const Counter& m_counter;
    int m_note;
};

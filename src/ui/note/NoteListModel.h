#pragma once

#include <QAbstractListModel>
#include <QStringList>

class Counter;

// The lines of one note as the list shows them. The record note is the whole day's register, so lines
// added at its end are announced as inserted rows; only lines replaced or removed reset the model.
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
    // The lines as last shown: a shared copy, so that telling an append from a replacement compares
    // the lines' storage, never their text.
    QStringList m_shown;
};

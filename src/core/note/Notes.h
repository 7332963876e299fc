#pragma once

#include "core/note/Note.h"

#include <QObject>

// The five notes (index 0 is the record note, which is also the day register in memory), the one in
// front, and where the sale being written in the record note starts.
class Notes : public QObject {
    Q_OBJECT

public:
    static constexpr int kNotes = 5;

    // A note's state. Its lines change only through the methods below, which announce it.
    Note& operator[](int n) { return m_notes[std::size_t(n)]; }
    const Note& at(int n) const { return m_notes[std::size_t(n)]; }
    Note& front() { return (*this)[m_current]; }
    const Note& front() const { return at(m_current); }
    const QStringList& record() const { return m_notes[0].lines; }

    int current() const { return m_current; }
    // Note n comes to the front.
    void setCurrent(int n);
    // The last line of the record note; the next sale starts after it.
    int saleStart() const { return m_saleStart; }
    void startSaleAfterLast() { m_saleStart = int(m_notes[0].lines.size()) - 1; }
    void startSaleAfter(int line) { m_saleStart = line; }

    void appendLine(int n, const QString& line);
    // The record note's lines replaced whole (the day read, turned or edited); no line chosen.
    void setRecord(QStringList lines);
    // One line of note n goes; no line chosen.
    void removeLine(int n, int row);
    void selectLast(int n);
    // A line of note n chosen (none when out of range).
    void select(int n, int row);
    // Back to an empty sale with the given entry fields; the lines stay.
    void reset(int n, const std::array<QString, 4>& fields);
    // The lines of the sale being written in note n.
    QStringList saleLines(int n) const;
    // The sale of note n closed with its total line; a sale of another note moves into the record.
    void closeSale(int n, const QString& totalLine);
    // The lines of note n go; the note is free again.
    void release(int n);

Q_SIGNALS:
    void changed(int n);          // the lines of note n
    void selectionChanged(int n); // the chosen line of note n
    void currentChanged(int n);   // note n came to the front

private:
    std::array<Note, kNotes> m_notes;
    int m_current = 0;
    int m_saleStart = -1;
};

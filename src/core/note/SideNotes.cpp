#include "SideNotes.h"

#include "core/base/Boxes.h"
#include "core/base/TextFile.h"
#include "core/note/NoteLines.h"
#include "core/note/NoteTexts.h"
#include "core/note/Notes.h"

#include <QDir>
#include <QScopedValueRollback>

namespace {

const QString kHeader = QStringLiteral("[NOTA %1]");

// The note a header names (1..4 for "[NOTA 2]".."[NOTA 5]"), or -1.
int headerNote(const QString& line) {
    for (int n = 1; n < Notes::kNotes; ++n)
        if (line == kHeader.arg(n + 1)) return n;
    return -1;
}

} // namespace

SideNotes::SideNotes(const QString& dataDir, const Language& language, Notes& notes, Boxes& boxes)
    : m_dataDir(dataDir), m_language(language), m_notes(notes), m_boxes(boxes) {
    connect(&m_notes, &Notes::changed, this, [this](int n) {
        if (n > 0 && !m_restoring) save();
    });
}

QString SideNotes::path() const {
    return QDir(m_dataDir).filePath(QString::fromLatin1(kFileName));
}

QStringList SideNotes::toLines(const QList<QStringList>& notes) {
    QStringList lines;
    for (int i = 0; i < notes.size(); ++i) {
        if (notes[i].isEmpty()) continue;
        lines << kHeader.arg(i + 2) << notes[i];
    }
    return lines;
}

QList<QStringList> SideNotes::fromLines(const QStringList& lines) {
    QList<QStringList> notes(Notes::kNotes - 1);
    int current = -1;
    for (const QString& line : lines) {
        if (const int n = headerNote(line); n > 0)
            current = n - 1;
        else if (current >= 0)
            notes[current] << line;
    }
    return notes;
}

bool SideNotes::restore(const QString& symbol) {
    const TextFile::ReadResult file = TextFile::read(path());
    m_fileKept = file.unreadable();
    if (!file.ok()) return false;
    const QScopedValueRollback<bool> restoring(m_restoring, true);
    const QList<QStringList> saved = fromLines(file.lines);
    bool any = false;
    for (int n = 1; n < Notes::kNotes; ++n) {
        const QStringList& lines = saved[n - 1];
        Note& x = m_notes[n];
        if (lines.isEmpty() || x.used) continue;
        for (const QString& line : lines)
            m_notes.appendLine(n, line);
        x.total = NoteLines::replayTotal(x.lines, 0, symbol, m_language);
        x.used = true;
        x.step = SaleStep::LinesInNote;
        m_notes.selectLast(n);
        any = true;
    }
    return any;
}

void SideNotes::save() {
    if (m_fileKept) return;
    QList<QStringList> notes;
    for (int n = 1; n < Notes::kNotes; ++n)
        notes << m_notes.at(n).lines;
    const QStringList lines = toLines(notes);
    const bool saved =
        lines.isEmpty() ? TextFile::removeIfExists(path()) : TextFile::saveLines(path(), lines);
    if (!saved && !m_failing) m_boxes.say(m_language(NoteTexts::SideNotesSaveFailed), Dialogs::Icon::Warning);
    m_failing = !saved;
}

#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Boxes;
class Notes;

// The side notes (#2 to #5) outlive the program: every change of one is saved at once, atomically,
// into "VL Notas.txt" of the shop's folder, and the next start puts them back as they were. The file
// goes when every side note is empty. Its lines are each note's lines after a header "[NOTA n]"
// (n = 2..5), Windows-1252 with CR LF like every data file.
class SideNotes : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kFileName = "VL Notas.txt";

    SideNotes(const QString& dataDir, const Language& language, Notes& notes, Boxes& boxes);

    // The side notes of the file, back in their notes with their totals read from their lines. Notes
    // already in use keep what they hold. True when any note came back.
    bool restore(const QString& symbol);
    // The file as the side notes are now; a failed save is said once until a save succeeds again.
    void save();

    // The file's lines for these notes, and back (pure).
    static QStringList toLines(const QList<QStringList>& notes);
    static QList<QStringList> fromLines(const QStringList& lines);

private:
    QString path() const;

    QString m_dataDir;
    Language m_language;
    Notes& m_notes;
    Boxes& m_boxes;
    bool m_restoring = false;
    bool m_failing = false;
    bool m_fileKept = false; // the file is there but could not be read: never overwritten this run
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The folded form in which the search compares texts: every letter in lower case, then "á", "é", "í",
// "ó", "ú" as "a", "e", "i", "o", "u" (capitals fold through their lower case). Nothing else is
// folded: "ñ", "ü", "à" stay as they are.
namespace Folding {

QString fold(QStringView text);

// Appends the folded text as UTF-8. A word occurs in a folded line exactly when its UTF-8 bytes occur
// in the line's UTF-8 bytes, which lets the search scan plain bytes.
void appendUtf8(QStringView text, QByteArray& out);
// The same written at out, which has room for three bytes per UTF-16 unit of the text (the most a
// unit takes); returns the end of what was written.
char* writeUtf8(QStringView text, char* out);

// The same folding one UTF-16 unit for one, so that a position in a folded text is the same position
// in the text: letters beyond the first plane (surrogates) are compared as written.
char16_t foldWide(char16_t u); // foldUnit beyond ASCII
inline char16_t foldUnit(char16_t u) {
    if (u < 0x80) return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
    return foldWide(u);
}

// Where the word, already folded unit for unit, first occurs in the text folded the same way at or
// after `from`; -1 when it does not. No folded copy of the text is made.
qsizetype indexOfFolded(QStringView text, QStringView foldedWord, qsizetype from);

} // namespace Folding

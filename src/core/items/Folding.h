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

} // namespace Folding

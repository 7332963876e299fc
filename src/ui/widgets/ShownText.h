#pragma once

#include <QChar>
#include <QString>

// What a label, a list row, a tooltip or a caption is given of a text that came from the shop's files:
// at most kChars characters, ended by "…" when some were left off. The text itself stays whole in
// memory and on disk; a line of any length then costs the same to measure and draw.
namespace ShownText {

inline constexpr qsizetype kChars = 256;

inline QString capped(const QString& text, qsizetype count = kChars) {
    if (text.size() <= count) return text;
    return text.left(count) + QChar(0x2026);
}

// A tooltip of such a text: capped, and shown as the plain text it is ("<img src=...>" in the shop's
// information is never read as markup that would load a file).
inline QString tooltip(const QString& text) {
    return QStringLiteral("<p style=\"white-space:pre\">") + capped(text).toHtmlEscaped() +
           QStringLiteral("</p>");
}

} // namespace ShownText

#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page of every data file (Windows-1252). Each of the 256 byte values decodes to
// one character and encodes back to the same byte; the five bytes Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) travel as the control characters of the same value. A character the code page
// cannot hold is written as "?".
namespace Cp1252 {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// True when every character of the text has a byte in the code page.
bool canEncode(const QString& text);
bool canEncode(QChar c);

} // namespace Cp1252

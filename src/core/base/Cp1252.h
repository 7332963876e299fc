#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The single-byte code page of every data file (Windows-1252). Each of the 256 byte values decodes to
// one character and encodes back to the same byte; the five bytes Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) travel as the control characters of the same value. A character the code page
// cannot hold is written as "?".
namespace Cp1252 {

QString decode(QByteArrayView bytes);
// The n bytes decoded into dst, which has room for n characters; returns the end of what was
// written. The bytes may lie in dst's own memory, from byte n of it on: each byte is read before
// its place is written.
char16_t* decodeTo(const char* bytes, qsizetype n, char16_t* dst);
QByteArray encode(const QString& text);
// The text encoded into dst, which has room for text.size() bytes; returns the end of what was written.
char* encodeTo(QStringView text, char* dst);

// True when every character of the text has a byte in the code page.
bool canEncode(const QString& text);
bool canEncode(QChar c);

// True when the bytes are valid UTF-8 (no overlong forms, no surrogates) and hold at least one
// character beyond ASCII, a byte order mark included: text that a Linux editor wrote. Windows-1252
// text with accents is practically never valid UTF-8.
bool isUtf8Text(QByteArrayView bytes);

} // namespace Cp1252

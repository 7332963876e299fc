#pragma once

#include <QString>

// A text the program shows, writes or prints, in its two languages.
struct Text {
    const char* es;
    const char* en;
};

// The language of the installation, fixed for the whole run. "EN" (exactly) selects English;
// any other code, the empty one included, selects Spanish.
class Language {
public:
    Language() = default;
    explicit Language(const QString& code) : m_code(code) {}

    const QString& code() const { return m_code; }
    bool isEnglish() const { return m_code == QLatin1String("EN"); }

    // The text of the pair in this language, taken at the moment it is used.
    QString operator()(const Text& text) const { return QString::fromUtf8(isEnglish() ? text.en : text.es); }

private:
    QString m_code;
};

#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Numbers {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Adds one to a string of decimal digits, carrying to the left; may grow by one digit.
void incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return;
        }
    }
    digits.insert(digits.begin(), '1');
}

std::string group(const std::string& integerDigits) {
    std::string out;
    const auto n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += integerDigits[i];
    }
    return out;
}

// With commas, every "," is passed over as if it had been removed from the text.
double readLeading(QStringView text, bool commas) {
    const auto isSkipped = [commas](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || (commas && c == u',');
    };
    std::string clean;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && isSkipped(text[i]))
            ++i;
    };
    skip();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        clean += char(text[i].unicode());
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isSkipped(c)) continue;
        if (isDigit(c)) {
            clean += char(c.unicode());
            anyDigit = true;
        } else if (c == u'.' && !point) {
            clean += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        std::string exponent = "e";
        ++i;
        skip();
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            exponent += char(text[i].unicode());
            ++i;
        }
        bool expDigit = false;
        for (; i < n; ++i) {
            if (isSkipped(text[i])) continue;
            if (!isDigit(text[i])) break;
            // An exponent with more digits than any double needs only risks overflow of strtod's input.
            if (exponent.size() < 12) exponent += char(text[i].unicode());
            expDigit = true;
        }
        if (expDigit) clean += exponent;
    }
    // from_chars reads "." as the decimal point whatever the system's locale.
    double value = 0.0;
    const char* begin = clean.c_str();
    if (*begin == '+') ++begin;
    const auto [end, error] = std::from_chars(begin, clean.c_str() + clean.size(), value);
    (void)end;
    if (error != std::errc()) return 0.0;
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

double leading(QStringView text) {
    return readLeading(text, false);
}

double amount(QStringView text) {
    return readLeading(text, true);
}

QString format(double value, Picture picture) {
    if (!std::isfinite(value)) value = 0.0;
    char buffer[64] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific, 14);
    // buffer: [-]d.dddddddddddddde[+-]xx
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative) ++p;
    std::string digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    int exponent = 0;
    const char* e = p + 1;
    if (*e == '+') ++e;
    std::from_chars(e, buffer + sizeof buffer, exponent);
    const int integerCount = exponent + 1;

    std::string integerPart;
    std::string fraction;
    const int total = int(digits.size());
    if (integerCount <= 0) {
        integerPart = "0";
        fraction = std::string(std::size_t(-integerCount), '0') + digits;
    } else if (integerCount >= total) {
        integerPart = digits + std::string(std::size_t(integerCount - total), '0');
    } else {
        integerPart = digits.substr(0, std::size_t(integerCount));
        fraction = digits.substr(std::size_t(integerCount));
    }
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');
    const bool roundUp = fraction[2] >= '5';
    std::string kept = integerPart + fraction.substr(0, 2);
    if (roundUp) incrementDigits(kept);
    std::string whole = kept.substr(0, kept.size() - 2);
    const std::string cents = kept.substr(kept.size() - 2);
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    std::string out;
    if (picture == Picture::Plain) {
        out = whole;
    } else {
        const std::size_t minDigits = picture == Picture::Grouped ? 4 : 7;
        if (whole.size() < minDigits) whole.insert(0, minDigits - whole.size(), '0');
        out = group(whole);
    }
    out += '.';
    out += cents;
    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    if (negative && !zero) out.insert(out.begin(), '-');
    return QString::fromLatin1(out.c_str());
}

Picture pictureFor(double value) {
    return std::isfinite(value) && value >= 1000.0 ? Picture::Grouped : Picture::Plain;
}

QString amountText(double value) {
    return format(value, pictureFor(value));
}

QString plain(double value) {
    if (!std::isfinite(value) || value == 0.0) return QStringLiteral("0");
    char buffer[64] = {};
    std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::general, 15);
    return QString::fromLatin1(buffer).toUpper();
}

QString floorText(double value) {
    return plain(std::floor(value));
}

} // namespace Numbers

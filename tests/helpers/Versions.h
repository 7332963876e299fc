#pragma once

#include <QString>
#include <QStringList>

// The complete versions of the files that the saver writes one after another: version n of a file is
// known from its first line alone, so a file on disk can be told to be one whole version or torn.
namespace Versions {

inline QStringList lines(const QString& kind, int n) {
    QStringList out;
    const int count = 1 + (n * 37) % 300;
    out.reserve(count);
    out.append(QStringLiteral("[%1] %2 VERSIÓN $1.00").arg(n).arg(kind));
    for (int k = 1; k < count; ++k)
        out.append(QStringLiteral("[%1] ARTÍCULO %2 de la versión %3 $%4.50")
                       .arg(k)
                       .arg(kind)
                       .arg(n)
                       .arg(k * n % 997));
    return out;
}

// The version whose first line the text starts with; -1 when it has none.
inline int versionOf(const QStringList& text) {
    if (text.isEmpty() || !text.first().startsWith(u'[')) return -1;
    bool ok = false;
    const int n = text.first().mid(1, text.first().indexOf(u']') - 1).toInt(&ok);
    return ok ? n : -1;
}

} // namespace Versions

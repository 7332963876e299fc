#include "TempShop.h"

#include "core/base/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempShop::TempShop() {
    m_dir.setAutoRemove(true);
}

QString TempShop::file(const QString& name) const {
    return QDir(m_dir.path()).filePath(name);
}

void TempShop::write(const QString& name, const QStringList& lines) const {
    QByteArray out;
    for (const QString& line : lines)
        out += Cp1252::encode(line) + "\r\n";
    writeBytes(name, out);
}

void TempShop::writeBytes(const QString& name, const QByteArray& content) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(content);
}

QByteArray TempShop::bytes(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList TempShop::lines(const QString& name) const {
    QString text = Cp1252::decode(bytes(name));
    if (text.endsWith(QLatin1String("\r\n"))) text.chop(2);
    return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

bool TempShop::exists(const QString& name) const {
    return QFileInfo::exists(file(name));
}

#pragma once

#include "core/base/Cp1252.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A shop folder of its own for one test, removed afterwards.
class TempShop {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // Writes lines as the shop's files are written: Windows-1252, CR LF after every line.
    void write(const QString& name, const QStringList& lines) const {
        QByteArray out;
        for (const QString& line : lines)
            out += Cp1252::encode(line) + "\r\n";
        writeBytes(name, out);
    }
    void writeBytes(const QString& name, const QByteArray& content) const {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(content);
    }
    QByteArray bytes(const QString& name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Decoded, split at CR LF.
    QStringList lines(const QString& name) const {
        QString text = Cp1252::decode(bytes(name));
        if (text.endsWith(QLatin1String("\r\n"))) text.chop(2);
        return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
    }
    bool exists(const QString& name) const { return QFileInfo::exists(file(name)); }

private:
    QTemporaryDir m_dir;
};

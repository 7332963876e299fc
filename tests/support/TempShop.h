#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A shop folder of its own for one test, removed afterwards.
class TempShop {
public:
    TempShop();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const;

    // Writes lines as the shop's files are written: Windows-1252, CR LF after every line.
    void write(const QString& name, const QStringList& lines) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray bytes(const QString& name) const;
    QStringList lines(const QString& name) const; // decoded, split at CR LF
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

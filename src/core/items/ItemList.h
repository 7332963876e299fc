#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The shop's price list: the full list of item lines as the file holds them, and the shown list
// (the lines the cashier sees, in their shown form, or one placeholder line).
class ItemList {
public:
    // The full list, in file order.
    const QStringList& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    void setLines(const QStringList& lines);

    // Whether shown lines keep their stock ("[10] ") in front.
    bool seeStock() const { return m_seeStock; }
    void setSeeStock(bool on) { m_seeStock = on; }

    // The shown form of a line: the whole line with the stock shown; otherwise the text between the
    // first "] " and the next one, or the whole line when it has no "] ".
    static QString shownForm(const QString& line, bool seeStock);

    // The shown list.
    int shownCount() const;
    QString shownLine(int row) const;
    // The full-list index behind a shown row, or -1 for a placeholder line.
    int fullIndexOfShown(int row) const;
    // Shows every line of the full list.
    void showAll();
    // Shows a single placeholder line ("No hay elementos.").
    void showPlaceholder(const QString& text);

    // Reads the file; false when it cannot be read (the lists are then empty).
    bool load(const QString& path);
    // Writes the full list; an empty list deletes the file instead.
    bool save(const QString& path, QString* error = nullptr) const;

private:
    QStringList m_lines;
    bool m_seeStock = false;
    std::vector<int> m_shown;
    QString m_placeholder;
};

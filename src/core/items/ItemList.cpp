#include "ItemList.h"

#include "app/TextFile.h"

void ItemList::setLines(const QStringList& lines) {
    m_lines = lines;
    showAll();
}

QString ItemList::shownForm(const QString& line, bool seeStock) {
    if (seeStock) return line;
    const qsizetype first = line.indexOf(QLatin1String("] "));
    if (first < 0) return line;
    const qsizetype start = first + 2;
    const qsizetype next = line.indexOf(QLatin1String("] "), start);
    return next < 0 ? line.mid(start) : line.mid(start, next - start);
}

int ItemList::shownCount() const {
    return m_placeholder.isEmpty() ? int(m_shown.size()) : 1;
}

QString ItemList::shownLine(int row) const {
    if (!m_placeholder.isEmpty()) return row == 0 ? m_placeholder : QString();
    if (row < 0 || row >= int(m_shown.size())) return {};
    return shownForm(m_lines[m_shown[std::size_t(row)]], m_seeStock);
}

int ItemList::fullIndexOfShown(int row) const {
    if (!m_placeholder.isEmpty() || row < 0 || row >= int(m_shown.size())) return -1;
    return m_shown[std::size_t(row)];
}

void ItemList::showAll() {
    m_placeholder.clear();
    m_shown.resize(std::size_t(m_lines.size()));
    for (int i = 0; i < int(m_shown.size()); ++i)
        m_shown[std::size_t(i)] = i;
}

void ItemList::showPlaceholder(const QString& text) {
    m_shown.clear();
    m_placeholder = text;
}

bool ItemList::load(const QString& path) {
    const auto read = TextFile::readLines(path);
    setLines(read.value_or(QStringList()));
    return read.has_value();
}

bool ItemList::save(const QString& path, QString* error) const {
    if (m_lines.isEmpty()) return TextFile::removeIfExists(path);
    return TextFile::saveLines(path, m_lines, error);
}

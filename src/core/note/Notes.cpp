#include "Notes.h"

void Notes::appendLine(int n, const QString& line) {
    (*this)[n].lines.append(line);
    Q_EMIT changed(n);
}

void Notes::setCurrent(int n) {
    m_current = n;
    Q_EMIT currentChanged(n);
}

void Notes::setRecord(QStringList lines) {
    Note& record = m_notes[0];
    record.lines = std::move(lines);
    record.selected = -1;
    Q_EMIT changed(0);
}

void Notes::removeLine(int n, int row) {
    Note& x = (*this)[n];
    x.lines.removeAt(row);
    x.selected = -1;
    Q_EMIT changed(n);
}

void Notes::selectLast(int n) {
    Note& x = (*this)[n];
    x.selected = int(x.lines.size()) - 1;
    Q_EMIT selectionChanged(n);
}

void Notes::select(int n, int row) {
    Note& x = (*this)[n];
    x.selected = (row >= 0 && row < int(x.lines.size())) ? row : -1;
    Q_EMIT selectionChanged(n);
}

void Notes::reset(int n, const std::array<QString, 4>& fields) {
    Note& x = (*this)[n];
    x.step = SaleStep::Nothing;
    x.fields = fields;
    x.cash = x.change = 0.0;
    x.total = 0.0;
    x.used = false;
    x.cashEnough = false;
}

QStringList Notes::saleLines(int n) const {
    const QStringList& lines = at(n).lines;
    return n == 0 ? lines.mid(m_saleStart + 1) : lines;
}

void Notes::closeSale(int n, const QString& totalLine) {
    Note& x = (*this)[n];
    x.lines.append(totalLine);
    if (n > 0) m_notes[0].lines.append(x.lines);
    Q_EMIT changed(0);
}

void Notes::release(int n) {
    Note& x = (*this)[n];
    x.lines.clear();
    x.selected = -1;
    Q_EMIT changed(n);
}

#include "ItemListView.h"

#include <QEvent>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVarLengthArray>

#include <algorithm>

ItemListView::ItemListView(QWidget* parent) : QListView(parent) {
    // Scrolled by pixels, so that the scroll bar's range is the rows' height and nothing else.
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    setFont(font);
}

int ItemListView::rowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ItemListView::rowHeight() const {
    if (m_rowHeight < 0) {
        // What a row of text asks of the style, as the standard item views measure it.
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = QStringLiteral("Mg");
        m_rowHeight =
            std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
    }
    return m_rowHeight;
}

QRect ItemListView::rowsRect(int first, int last) const {
    const int height = rowHeight();
    return {0, first * height - verticalOffset(), viewport()->width(), (last - first + 1) * height};
}

QRect ItemListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn()) return {};
    return rowsRect(index.row(), index.row());
}

QModelIndex ItemListView::indexAt(const QPoint& point) const {
    if (point.x() < 0 || point.x() >= viewport()->width() || point.y() < 0 || !model()) return {};
    const int row = (point.y() + verticalOffset()) / rowHeight();
    return row < rowCount() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

void ItemListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.parent() != rootIndex()) return;
    executeDelayedItemsLayout(); // the scroll bar's range follows the rows of now
    const int height = rowHeight();
    const int top = index.row() * height;
    const int page = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    int value = bar->value();
    switch (hint) {
    case PositionAtTop:
        value = top;
        break;
    case PositionAtBottom:
        value = top + height - page;
        break;
    case PositionAtCenter:
        value = top - (page - height) / 2;
        break;
    case EnsureVisible:
        if (top < value)
            value = top;
        else if (top + height > value + page)
            value = top + height - page;
        break;
    }
    bar->setValue(value);
}

void ItemListView::doItemsLayout() {
    // The rows need no layout of their own: only the scroll bar follows their number.
    QAbstractItemView::doItemsLayout();
}

void ItemListView::updateGeometries() {
    const int page = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(rowHeight());
    bar->setPageStep(page);
    bar->setRange(0, std::max(0, rowCount() * rowHeight() - page));
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void ItemListView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

int ItemListView::horizontalOffset() const {
    return 0;
}

int ItemListView::verticalOffset() const {
    return verticalScrollBar()->value();
}

QModelIndex ItemListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = rowCount();
    if (rows == 0) return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return model()->index(0, modelColumn(), rootIndex());
    const int page = std::max(1, viewport()->height() / rowHeight() - 1);
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), modelColumn(), rootIndex());
}

void ItemListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel()) return;
    const QRect shown = rect.normalized();
    const QModelIndex first = indexAt(QPoint(std::max(0, shown.left()), shown.top()));
    const QModelIndex last = indexAt(QPoint(std::max(0, shown.left()), shown.bottom()));
    if (!first.isValid() || !last.isValid()) return;
    selectionModel()->select(QItemSelection(first, last), command);
}

QRegion ItemListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection)
        if (range.isValid() && range.parent() == rootIndex())
            region += rowsRect(range.top(), range.bottom()).intersected(viewport()->rect());
    return region;
}

QSize ItemListView::viewportSizeHint() const {
    return {viewport()->width(), rowCount() * rowHeight()};
}

namespace {

constexpr char16_t kEllipsis = 0x2026;
constexpr char16_t kEuro = 0x20AC;

} // namespace

bool ItemListView::counted(const QString& text) const {
    if (m_charWidth < 0) {
        const bool fixed = QFontInfo(font()).fixedPitch() && fontMetrics().inFont(QChar(kEllipsis));
        m_charWidth = fixed ? QFontMetricsF(font()).horizontalAdvance(u'M') : 0;
        m_euroCounted = fontMetrics().inFont(QChar(kEuro));
        m_glyphs = QRawFont::fromFont(font());
    }
    if (m_charWidth == 0) return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x180 ? u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD : u != kEuro || !m_euroCounted)
            return false;
    }
    return true;
}

QString ItemListView::fittedText(const QString& text, int width, bool* glyphs) const {
    if (textElideMode() != Qt::ElideRight || !counted(text)) {
        if (glyphs) *glyphs = false;
        return fontMetrics().elidedText(text, textElideMode(), width);
    }
    // A line of a fixed-pitch font is as wide as its length says: it is cut short by counting, in
    // the 1/64 pixels that text is measured in. It shows whole when it is no wider than the row;
    // otherwise as many characters as leave the "…" room with some to spare, as measuring does.
    if (glyphs) *glyphs = true;
    const qint64 unit = qRound64(m_charWidth * 64);
    const qint64 room = qint64(width) * 64;
    if (text.size() * unit <= room) return text;
    const qsizetype withEllipsis = room > 0 ? qsizetype((room - 1) / unit) : 0;
    if (withEllipsis < 1) return {}; // not even the "…" fits
    return text.left(withEllipsis - 1) + QChar(kEllipsis);
}

bool ItemListView::drawCounted(QPainter& painter, const QString& text, QPointF origin) const {
    QVarLengthArray<quint32, 300> glyphs(text.size());
    int count = int(glyphs.size());
    if (!m_glyphs.glyphIndexesForChars(text.constData(), count, glyphs.data(), &count) ||
        count != text.size())
        return false;
    QVarLengthArray<QPointF, 300> positions(count);
    for (int i = 0; i < count; ++i) {
        if (glyphs[i] == 0) return false; // a character the font lacks: the text drawing finds another font
        positions[i] = {origin.x() + i * m_charWidth, origin.y()};
    }
    QGlyphRun run;
    run.setRawFont(m_glyphs);
    run.setRawData(glyphs.constData(), positions.constData(), count);
    painter.drawGlyphRun(QPointF(), run);
    return true;
}

void ItemListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_rowHeight = m_charWidth = -1;
    QListView::changeEvent(event);
}

void ItemListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int rows = rowCount();
    if (rows == 0) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QItemSelectionModel* selections = selectionModel();
    const int height = rowHeight();
    const int first = std::max(0, (event->rect().top() + verticalOffset()) / height);
    const int last = std::min(rows - 1, (event->rect().bottom() + verticalOffset()) / height);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = rowsRect(row, row);
        option.state = state;
        if (selections && selections->isSelected(index)) option.state |= QStyle::State_Selected;
        if (focus && index == current) option.state |= QStyle::State_HasFocus;
        paintRow(painter, option, index, margin);
    }
}

void ItemListView::paintRow(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                            int margin) const {
    // The style draws the chosen row's background and the focus frame; the text is one line drawn
    // at once, cut short at the row's width: no text layout of the whole row.
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, &painter, this);
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                               : QPalette::Inactive;
    painter.setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect box = option.rect.adjusted(margin, 0, -margin, 0);
    const QFontMetrics& metrics = option.fontMetrics;
    const int baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
    bool glyphs = false;
    const QString text = fittedText(index.data(Qt::DisplayRole).toString(), box.width(), &glyphs);
    const bool rightToLeft = option.direction == Qt::RightToLeft;
    if (glyphs) {
        // A counted line's glyphs are placed one after the other, with no shaping of the text.
        const qreal x = rightToLeft ? box.right() + 1 - text.size() * m_charWidth : box.left();
        if (drawCounted(painter, text, {x, qreal(baseline)})) return paintFocus(painter, option, group);
    }
    const int x = rightToLeft ? box.right() + 1 - metrics.horizontalAdvance(text) : box.left();
    painter.drawText(QPoint(x, baseline), text);
    paintFocus(painter, option, group);
}

void ItemListView::paintFocus(QPainter& painter, const QStyleOptionViewItem& option,
                              QPalette::ColorGroup group) const {
    if (!(option.state & QStyle::State_HasFocus)) return;
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(option);
    frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const bool selected = option.state & QStyle::State_Selected;
    frame.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

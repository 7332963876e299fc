#pragma once

#include <QListView>
#include <QRawFont>

// The shown item list lstItem(1): a list view whose rows all have one height, so that where a row
// stands is a multiplication. Nothing is laid out per row; a new search costs the rows on screen
// only, however many lines it shows. Every row is one line of text, cut short with "…" at the
// view's width (there is no sideways scrolling), and the view paints it itself.
class ItemListView : public QListView {
    Q_OBJECT

public:
    explicit ItemListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    // The height of every row.
    int rowHeight() const;
    // The text as a row whose text is this wide shows it: whole, or cut short with "…". glyphs tells
    // whether it is drawn glyph by glyph (a counted line, see counted()).
    QString fittedText(const QString& text, int width, bool* glyphs = nullptr) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    QSize viewportSizeHint() const override;

private:
    int rowCount() const;
    // The rows from first to last (both shown) as they stand in the viewport.
    QRect rowsRect(int first, int last) const;
    // One row, its text margin left and right of the given width.
    void paintRow(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                  int margin) const;
    // The focus frame of the current row, when the row has the focus.
    void paintFocus(QPainter& painter, const QStyleOptionViewItem& option, QPalette::ColorGroup group) const;
    // Whether the text is one line of printable Latin characters (or the euro sign) in a font of
    // fixed pitch: then it is as wide as its length says.
    bool counted(const QString& text) const;
    // Draws a counted text's glyphs at origin (its baseline's left end); false when the font lacks one.
    bool drawCounted(QPainter& painter, const QString& text, QPointF origin) const;

    // Measured on first use, again when the font or the style changes.
    mutable int m_rowHeight = -1;
    mutable qreal m_charWidth = -1; // 0: the font is not of fixed pitch
    mutable bool m_euroCounted = false;
    mutable QRawFont m_glyphs;
};

#include "ElidedLabel.h"

#include "ui/widgets/ShownText.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace {
// A caption up to this many characters keeps the room it needs; a longer text is elided within it.
constexpr int kMinimumChars = 16;
// No label asks for more than this many characters' room, whatever its text.
constexpr int kHintChars = 48;
} // namespace

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

void ElidedLabel::setText(const QString& text) {
    m_full = text;
    elide();
}

void ElidedLabel::elide() {
    const QString shown = ShownText::capped(m_full);
    const int room = contentsRect().width() - 2 * margin() - (indent() > 0 ? indent() : 0);
    // With a buddy the label draws "&" as the underline of the next letter, and measures so.
    const int flags = buddy() ? int(Qt::TextShowMnemonic) : 0;
    // Before the label is laid out its width means nothing; a text of several lines is shown as given.
    if (!isVisible() || wordWrap() || shown.contains(u'\n') ||
        fontMetrics().size(flags, shown).width() <= room) {
        if (QLabel::text() != shown) QLabel::setText(shown);
        return;
    }
    const QString elided = fontMetrics().elidedText(shown, Qt::ElideRight, std::max(room, 0), flags);
    if (QLabel::text() != elided) QLabel::setText(elided);
}

int ElidedLabel::widthOfChars(int count) const {
    const QMargins m = contentsMargins();
    return fontMetrics().averageCharWidth() * count + m.left() + m.right() + 2 * margin();
}

QSize ElidedLabel::sizeHint() const {
    QSize s = QLabel::sizeHint();
    s.setWidth(std::min(s.width(), widthOfChars(kHintChars)));
    return s;
}

QSize ElidedLabel::minimumSizeHint() const {
    QSize s = QLabel::minimumSizeHint();
    s.setWidth(std::min(s.width(), widthOfChars(kMinimumChars)));
    return s;
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) elide();
}

#include "ThemeStyle.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace {

const char* const kPressed = "pressed";
const char* const kFront = "front";

// A sheet of a label button: its look at rest and what changes while it is held.
QString pressable(const QString& rest, const QString& held) {
    return QStringLiteral("* { %1 } *[pressed=\"true\"] { %2 }").arg(rest, held);
}

void setFlag(QWidget* widget, const char* name, bool on) {
    if (widget->property(name).toBool() == on) return;
    widget->setProperty(name, on);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

QString ThemeStyle::css(Rgb colour) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

void ThemeStyle::setPressed(QWidget* widget, bool pressed) {
    setFlag(widget, kPressed, pressed);
}

void ThemeStyle::setFront(QWidget* widget, bool front) {
    setFlag(widget, kFront, front);
}

QString ThemeStyle::background() const {
    return QStringLiteral("#shpFond { background:%1; }").arg(css(m_palette[5]));
}

QString ThemeStyle::panel() const {
    return QStringLiteral("#frmeCoord { background:%1; border-radius:6px; }").arg(css(m_palette[2]));
}

QString ThemeStyle::entryFrame() const {
    return QStringLiteral("#frmeBoxs { background:%1; border-radius:4px; }").arg(css(m_palette[0]));
}

QString ThemeStyle::amountsFrame() const {
    return QStringLiteral("#frmeBottom { background:%1; }").arg(css(m_palette[2]));
}

QString ThemeStyle::amountBox(const QString& name) const {
    return QStringLiteral("#%1 { background:%2; } #%1[pressed=\"true\"] { background:%3; }")
        .arg(name, css(m_palette[0]), css(m_palette[1]));
}

QString ThemeStyle::brand() const {
    return QStringLiteral("color:%1;").arg(css(m_palette[0]));
}

QString ThemeStyle::sideButton() const {
    return pressable(QStringLiteral("background:%1; color:%2; font-weight:bold; border:1px solid %3;")
                         .arg(css(m_palette[2]), css(m_palette.buttonText()), css(m_palette[0])),
                     QStringLiteral("background:%1;").arg(css(m_palette[3])));
}

QString ThemeStyle::entryField() const {
    return QStringLiteral("background:white; color:black;");
}

QString ThemeStyle::title() const {
    return pressable(QStringLiteral("background:%1; color:white; font-weight:bold; padding:1px 4px;")
                         .arg(css(m_palette[4])),
                     QStringLiteral("background:%1;").arg(css(m_palette[1])));
}

QString ThemeStyle::amount() const {
    return pressable(QStringLiteral("background:%1; color:black;").arg(css(m_palette[0])),
                     QStringLiteral("background:%1;").arg(css(m_palette[1])));
}

QString ThemeStyle::addButton() const {
    return pressable(QStringLiteral("background:%1; color:%2; border-radius:4px;")
                         .arg(css(m_palette[2]), css(m_palette.buttonText())),
                     QStringLiteral("background:%1;").arg(css(m_palette[3])));
}

QString ThemeStyle::finderLabel() const {
    return QStringLiteral("color:white; font-weight:bold;");
}

QString ThemeStyle::tab() const {
    // The front tab is near-white; a tab being pressed takes colour 1, also the front one.
    return QStringLiteral("* { background:%1; color:black; border-top-left-radius:4px; "
                          "border-top-right-radius:4px; } "
                          "*[front=\"true\"] { background:%2; } *[pressed=\"true\"] { background:%3; }")
        .arg(css(m_palette[0]), css(Rgb{250, 250, 250}), css(m_palette[1]));
}

QString ThemeStyle::keypad() const {
    return QStringLiteral("#frmeNumbs { background:%1; border-radius:4px; }").arg(css(m_palette[4]));
}

QString ThemeStyle::keypadKey() const {
    return pressable(QStringLiteral("background:%1; color:white;").arg(css(m_palette[2])),
                     QStringLiteral("background:%1;").arg(css(m_palette[3])));
}

QString ThemeStyle::menuBar() const {
    return QStringLiteral("QMenuBar { background:%1; color:white; }"
                          "QMenuBar::item:selected { background:%2; }")
        .arg(css(m_palette[4]), css(m_palette[2]));
}

QString ThemeStyle::calcKey(int restColour) const {
    return pressable(QStringLiteral("background:%1; color:%2; border-radius:4px;")
                         .arg(css(m_palette[restColour]), css(m_palette.buttonText())),
                     QStringLiteral("background:%1;").arg(css(m_palette[3])));
}

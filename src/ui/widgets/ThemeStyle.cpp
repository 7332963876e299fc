#include "ThemeStyle.h"

#include <algorithm>

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

QString ThemeStyle::colours(ThemePalette::Role role) const {
    const Ink ink = m_palette.ink(role);
    return QStringLiteral("background:%1; color:%2;").arg(css(ink.back), css(ink.text));
}

QString ThemeStyle::tooltip() const {
    const Ink ink = m_palette.ink(ThemePalette::Tooltip);
    return QStringLiteral("QToolTip { background:%1; color:%2; border:1px solid %3; padding:2px; }")
        .arg(css(ink.back), css(ink.text), css(m_palette[4]));
}

QString ThemeStyle::background() const {
    return QStringLiteral("#shpFond { background:%1; } %2").arg(css(m_palette[5]), tooltip());
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
    return QStringLiteral("color:%1;").arg(css(m_palette.ink(ThemePalette::Brand).text));
}

QString ThemeStyle::sideButton() const {
    return pressable(colours(ThemePalette::SideButton) +
                         QStringLiteral(" font-weight:bold; border:1px solid %1;").arg(css(m_palette[0])),
                     colours(ThemePalette::SideButtonHeld));
}

QString ThemeStyle::entryField() const {
    return colours(ThemePalette::EntryField);
}

QString ThemeStyle::title() const {
    return pressable(colours(ThemePalette::Title) + QStringLiteral(" font-weight:bold; padding:1px 4px;"),
                     colours(ThemePalette::TitleHeld));
}

QString ThemeStyle::amount() const {
    return pressable(colours(ThemePalette::Amount), colours(ThemePalette::AmountHeld));
}

QString ThemeStyle::addButton() const {
    return pressable(colours(ThemePalette::AddButton) + QStringLiteral(" border-radius:4px;"),
                     colours(ThemePalette::AddButtonHeld));
}

QString ThemeStyle::finderLabel() const {
    return QStringLiteral("color:%1; font-weight:bold;")
        .arg(css(m_palette.ink(ThemePalette::FinderLabel).text));
}

QString ThemeStyle::tab() const {
    // The front tab is near-white, bold and framed in colour 4, so it stands out also on a light theme;
    // a tab being pressed takes colour 1, also the front one.
    return QStringLiteral(
               "* { %1 border-top-left-radius:4px; border-top-right-radius:4px; "
               "border:1px solid transparent; border-bottom:none; } "
               "*[front=\"true\"] { %2 font-weight:bold; border:2px solid %3; border-bottom:none; } "
               "*[pressed=\"true\"] { %4 }")
        .arg(colours(ThemePalette::Tab), colours(ThemePalette::TabFront), css(m_palette[4]),
             colours(ThemePalette::TabHeld));
}

QString ThemeStyle::keypad() const {
    return QStringLiteral("#frmeNumbs { background:%1; border-radius:4px; }").arg(css(m_palette[4]));
}

QString ThemeStyle::keypadKey() const {
    return pressable(colours(ThemePalette::KeypadKey), colours(ThemePalette::KeypadKeyHeld));
}

QString ThemeStyle::menuBar() const {
    const Ink bar = m_palette.ink(ThemePalette::MenuBar);
    const Ink selected = m_palette.ink(ThemePalette::MenuBarSelected);
    return QStringLiteral("QMenuBar { background:%1; color:%2; }"
                          "QMenuBar::item:selected { background:%3; color:%4; } %5")
        .arg(css(bar.back), css(bar.text), css(selected.back), css(selected.text), tooltip());
}

QString ThemeStyle::calcKey(int restColour) const {
    const auto rest = ThemePalette::Role(ThemePalette::KeyOn0 + std::clamp(restColour, 0, 4));
    return pressable(colours(rest) + QStringLiteral(" border-radius:4px;"), colours(ThemePalette::KeyOn3));
}

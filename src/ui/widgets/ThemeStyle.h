#pragma once

#include "core/shop/ThemePalette.h"

#include <QString>

class QWidget;

// Every style sheet of the main window, made from the theme's six colours. A widget that looks
// different while the mouse is held on it carries the property "pressed"; its sheet holds both looks,
// so a press or a release repaints that widget alone.
class ThemeStyle {
public:
    explicit ThemeStyle(const ThemePalette& palette) : m_palette(palette) {}

    const ThemePalette& palette() const { return m_palette; }

    // "rgb(r,g,b)", the colour as a style sheet writes it.
    static QString css(Rgb colour);
    // Switches the pressed look of one widget on or off.
    static void setPressed(QWidget* widget, bool pressed);
    // Marks the tab of the note in front.
    static void setFront(QWidget* widget, bool front);

    // The background and text colours of one role, as sheet declarations.
    QString colours(ThemePalette::Role role) const;
    QString tooltip() const;                      // QToolTip, readable on every theme
    QString background() const;                   // shpFond, behind the panel
    QString panel() const;                        // frmeCoord
    QString entryFrame() const;                   // frmeBoxs
    QString amountsFrame() const;                 // frmeBottom
    QString amountBox(const QString& name) const; // lblRe(i), a frame around one amount
    QString brand() const;                        // lblBrand
    QString sideButton() const;                   // lblCalc, lblMyTip, lblHelp
    QString entryField() const;                   // txtDato1..4
    QString title() const;                        // lblTitle(i)
    QString amount() const;                       // lblTotal1, txtTotal2, lblTotal3, lblMoney(i)
    QString addButton() const;                    // lblButton(0)
    QString finderLabel() const;                  // lblFinder
    QString tab() const;                          // lblTask(i)
    QString keypad() const;                       // frmeNumbs
    QString keypadKey() const;                    // lblNumber(i)
    QString menuBar() const;
    QString calcKey(int restColour) const; // the calculator's keys, at rest in the given colour

private:
    ThemePalette m_palette;
};

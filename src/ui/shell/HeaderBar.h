#pragma once

#include <QWidget>

class Counter;
class ElidedLabel;
class LabelButton;
class ThemeStyle;

// What sits above the panel: the shop's name lblBrand and the side buttons lblCalc, lblMyTip and
// lblHelp.
class HeaderBar : public QWidget {
    Q_OBJECT

public:
    HeaderBar(Counter& counter, QWidget* parent);

    void applyTheme(const ThemeStyle& style);

private:
    LabelButton* sideButton(const char* name, const QString& caption, const QString& tip);
    void renderShop();

    Counter& m_counter;
    ElidedLabel* m_lblBrand = nullptr; // the whole name; it shows as much of it as fits
    LabelButton* m_lblCalc = nullptr;
    LabelButton* m_lblMyTip = nullptr;
    LabelButton* m_lblHelp = nullptr;
};

#pragma once

#include <QWidget>

class Counter;
class LabelButton;
class QLabel;
class ThemeStyle;

// What sits above the panel: the shop's name lblBrand and the side buttons lblCalc, lblMyTip and
// lblHelp.
class HeaderBar : public QWidget {
    Q_OBJECT

public:
    HeaderBar(Counter& counter, QWidget* parent);

    void applyTheme(const ThemeStyle& style);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    LabelButton* sideButton(const char* name, const QString& caption, const QString& tip);
    void renderShop();
    void elideBrand();

    Counter& m_counter;
    QLabel* m_lblBrand = nullptr;
    QString m_brand; // the whole name; the label shows as much of it as fits
    LabelButton* m_lblCalc = nullptr;
    LabelButton* m_lblMyTip = nullptr;
    LabelButton* m_lblHelp = nullptr;
};

#pragma once

#include <QFrame>

#include <array>

class Counter;
class LabelButton;
class QLineEdit;
class ThemeStyle;

// The bottom frame frmeBottom: the note's total lblTotal1, the cash received txtTotal2 and the change
// lblTotal3, each in its box lblRe(i) with its currency label lblMoney(i + 1) and its title lblTitle(i).
class AmountsPanel : public QFrame {
    Q_OBJECT

public:
    AmountsPanel(Counter& counter, QWidget* parent);

    QLineEdit* cash() const { return m_txtTotal2; }
    void applyTheme(const ThemeStyle& style);
    void render();

Q_SIGNALS:
    // A click on the total while the amount menu may open.
    void menuRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectCounter();
    // The amount, its currency label and its box look pressed together.
    void pressedLook(LabelButton* amount, int box);

    Counter& m_counter;
    std::array<LabelButton*, 3> m_lblTitle{};
    std::array<QFrame*, 3> m_lblRe{};
    std::array<LabelButton*, 3> m_lblMoney{}; // lblMoney(1) to lblMoney(3)
    LabelButton* m_lblTotal1 = nullptr;
    QLineEdit* m_txtTotal2 = nullptr;
    LabelButton* m_lblTotal3 = nullptr;
};

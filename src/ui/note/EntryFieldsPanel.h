#pragma once

#include <QFrame>

#include <array>

class Counter;
class LabelButton;
class QLineEdit;
class ThemeStyle;

// The entry area frmeBoxs: the four fields of an item (quantity, description, discount, price) with
// their titles, the currency label and the add button.
class EntryFieldsPanel : public QFrame {
    Q_OBJECT

public:
    EntryFieldsPanel(Counter& counter, QWidget* parent);

    QLineEdit* field(int k) const { return m_txtDato[std::size_t(k)]; }
    void applyTheme(const ThemeStyle& style);
    void render();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int fieldIndex(const QObject* watched) const;
    void renderFields();
    void renderMoney();
    void renderPriceTitle();
    void connectCounter();

    Counter& m_counter;
    std::array<QLineEdit*, 4> m_txtDato{};
    std::array<LabelButton*, 4> m_lblTitle{}; // lblTitle(4) to lblTitle(7)
    LabelButton* m_lblMoney = nullptr;        // lblMoney(0)
    LabelButton* m_lblAdd = nullptr;          // lblButton(0)
};

#pragma once

#include "core/shop/ThemePalette.h"

#include <QFrame>

#include <array>

class LabelButton;

// The on-screen keypad for touch screens: digits, the decimal point, a correction key and a key
// that closes it. Its keys type into whatever field has the focus, which they never take.
class Keypad : public QFrame {
    Q_OBJECT

public:
    explicit Keypad(QWidget* parent = nullptr);
    void applyTheme(const ThemePalette& palette);
    // Opens with its top-left corner at the point (in the parent's coordinates).
    void showAt(const QPoint& topLeft);
    void setTexts(const QString& correctTip, const QString& closeTip);

    LabelButton* key(int index) const { return m_keys[std::size_t(index)]; }

private:
    void lblNumber_Click(int index);

    std::array<LabelButton*, 13> m_keys{};
};

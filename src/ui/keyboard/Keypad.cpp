#include "Keypad.h"

#include "ui/keyboard/KeyCodes.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

namespace {
constexpr int px(int twips) {
    return twips / 15;
}
} // namespace

Keypad::Keypad(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frmeNumbs"));
    setFixedSize(px(2040), px(3260));
    // Index, caption, column, row.
    struct Place {
        int index;
        const char* caption;
        int left;
        int top;
    };
    static const Place kPlaces[] = {{7, "7", 60, 60},    {8, "8", 700, 60},   {9, "9", 1350, 60},
                                    {4, "4", 60, 690},   {5, "5", 700, 690},  {6, "6", 1350, 690},
                                    {1, "1", 60, 1320},  {2, "2", 700, 1320}, {3, "3", 1350, 1320},
                                    {10, ".", 60, 1950}, {0, "0", 700, 1950}, {11, "<", 1350, 1950},
                                    {12, "x", 60, 2580}};
    QFont keyFont = font();
    keyFont.setPointSize(14);
    keyFont.setBold(true);
    for (const Place& p : kPlaces) {
        auto* key = new LabelButton(QString::fromLatin1(p.caption), this);
        key->setObjectName(QStringLiteral("lblNumber%1").arg(p.index));
        key->setAlignment(Qt::AlignCenter);
        key->setFont(keyFont);
        key->setGeometry(px(p.left), px(p.top), px(630), px(615));
        const int index = p.index;
        connect(key, &LabelButton::clicked, this, [this, index](Qt::MouseButton b) {
            if (b == Qt::LeftButton) lblNumber_Click(index);
        });
        connect(key, &LabelButton::pressed, this, [key] { ThemeStyle::setPressed(key, true); });
        connect(key, &LabelButton::released, this, [key] { ThemeStyle::setPressed(key, false); });
        m_keys[std::size_t(index)] = key;
    }
    hide();
    applyTheme(ThemePalette());
}

void Keypad::setTexts(const QString& correctTip, const QString& closeTip) {
    m_keys[11]->setToolTip(correctTip);
    m_keys[12]->setToolTip(closeTip);
}

void Keypad::applyTheme(const ThemePalette& palette) {
    const ThemeStyle style(palette);
    setStyleSheet(style.keypad());
    for (LabelButton* key : m_keys)
        key->setStyleSheet(style.keypadKey());
}

void Keypad::showAt(const QPoint& topLeft) {
    move(topLeft);
    raise();
    show();
}

void Keypad::lblNumber_Click(int index) {
    if (index <= 9)
        KeyCodes::ePressKey(Qt::Key(Qt::Key_0 + index));
    else if (index == 10)
        KeyCodes::ePressKey(Qt::Key_Period);
    else if (index == 11)
        KeyCodes::ePressKey(Qt::Key_Backspace);
    else
        hide();
}

#include "AmountsPanel.h"

#include "core/counter/Counter.h"
#include "core/note/Amounts.h"
#include "core/shop/Currency.h"
#include "ui/keyboard/FocusMove.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/CharacterValidator.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>

AmountsPanel::AmountsPanel(Counter& counter, QWidget* parent) : QFrame(parent), m_counter(counter) {
    const Counter& c = m_counter;
    setObjectName(QStringLiteral("frmeBottom"));
    auto* bottom = new QGridLayout(this);
    bottom->setContentsMargins(0, 0, 0, 0);
    bottom->setHorizontalSpacing(10);
    bottom->setVerticalSpacing(0);
    QFont amountFont = font();
    amountFont.setPointSize(22);
    amountFont.setBold(true);
    // Every amount up to 9,999,999.99 fits without clipping; the window keeps at least that room.
    const int amountWidth = QFontMetrics(amountFont).horizontalAdvance(QStringLiteral("9,999,999.99")) + 8;
    const std::array<Text, 3> titles = {Captions::TitleAmount, Captions::TitleCash, Captions::TitleChange};
    for (int i = 0; i < 3; ++i) {
        auto* title = new LabelButton(c.text(titles[std::size_t(i)]), this);
        title->setObjectName(QStringLiteral("lblTitle%1").arg(i));
        m_lblTitle[std::size_t(i)] = title;
        bottom->addWidget(title, 0, i);
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("lblRe%1").arg(i));
        m_lblRe[std::size_t(i)] = box;
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(8, 2, 8, 2);
        auto* money = new LabelButton(c.currency().symbol(), box);
        money->setObjectName(QStringLiteral("lblMoney%1").arg(i + 1));
        money->setFont(amountFont);
        m_lblMoney[std::size_t(i)] = money;
        row->addWidget(money);
        if (i == 1) {
            m_txtTotal2 = new QLineEdit(box);
            m_txtTotal2->setObjectName(QStringLiteral("txtTotal2"));
            m_txtTotal2->setToolTip(c.text(Captions::TipCash));
            m_txtTotal2->setFont(amountFont);
            m_txtTotal2->setAlignment(Qt::AlignRight);
            m_txtTotal2->setFrame(false);
            m_txtTotal2->setMinimumWidth(amountWidth + 8);
            m_txtTotal2->setValidator(new CharacterValidator(&CharacterValidator::amountCharacter, this));
            m_txtTotal2->installEventFilter(this);
            row->addWidget(m_txtTotal2, 1);
        } else {
            auto* amount = new LabelButton(QStringLiteral("0.00"), box);
            amount->setObjectName(i == 0 ? QStringLiteral("lblTotal1") : QStringLiteral("lblTotal3"));
            amount->setToolTip(c.text(i == 0 ? Captions::TipTotal : Captions::TipChange));
            amount->setFont(amountFont);
            amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            amount->setMinimumWidth(amountWidth);
            row->addWidget(amount, 1);
            (i == 0 ? m_lblTotal1 : m_lblTotal3) = amount;
        }
        bottom->addWidget(box, 1, i);
    }
    connectCounter();
}

void AmountsPanel::connectCounter() {
    Counter* c = &m_counter;
    Amounts* amounts = &c->amounts();
    connect(amounts, &Amounts::changed, this, &AmountsPanel::render);
    connect(c, &Counter::loaded, this, &AmountsPanel::render);
    connect(m_txtTotal2, &QLineEdit::textEdited, amounts, &Amounts::setCashText);
    connect(m_lblTotal1, &LabelButton::clicked, this, [this] {
        if (m_counter.amounts().menuVisible()) Q_EMIT menuRequested();
    });
    connect(m_lblTotal3, &LabelButton::clicked, c, &Counter::eFinal);
    connect(m_lblTitle[2], &LabelButton::clicked, c, &Counter::eFinal);
    pressedLook(m_lblTotal1, 0);
    pressedLook(m_lblTotal3, 2);
    LabelButton* changeTitle = m_lblTitle[2];
    connect(changeTitle, &LabelButton::pressed, this,
            [changeTitle] { ThemeStyle::setPressed(changeTitle, true); });
    connect(changeTitle, &LabelButton::released, this,
            [changeTitle] { ThemeStyle::setPressed(changeTitle, false); });
}

void AmountsPanel::pressedLook(LabelButton* amount, int box) {
    const auto look = [this, amount, box](bool pressed) {
        ThemeStyle::setPressed(m_lblMoney[std::size_t(box)], pressed);
        ThemeStyle::setPressed(amount, pressed);
        ThemeStyle::setPressed(m_lblRe[std::size_t(box)], pressed);
    };
    connect(amount, &LabelButton::pressed, this, [look] { look(true); });
    connect(amount, &LabelButton::released, this, [look] { look(false); });
}

void AmountsPanel::render() {
    const Amounts& amounts = m_counter.amounts();
    m_lblTotal1->setText(amounts.totalText());
    if (m_txtTotal2->text() != amounts.cashText()) m_txtTotal2->setText(amounts.cashText());
    m_lblTotal3->setText(amounts.changeText());
    // The total and the cash in the currency; the change's label also says when there is none.
    const QString& symbol = m_counter.currency().symbol();
    m_lblMoney[0]->setText(symbol);
    m_lblMoney[1]->setText(symbol);
    m_lblMoney[2]->setText(amounts.changeMoney());
}

void AmountsPanel::applyTheme(const ThemeStyle& style) {
    setStyleSheet(style.amountsFrame());
    for (LabelButton* title : m_lblTitle)
        title->setStyleSheet(style.title());
    const QString amount = style.amount();
    for (QWidget* w : {static_cast<QWidget*>(m_lblTotal1), static_cast<QWidget*>(m_txtTotal2),
                       static_cast<QWidget*>(m_lblTotal3)})
        w->setStyleSheet(amount);
    for (LabelButton* money : m_lblMoney)
        money->setStyleSheet(amount);
    for (QFrame* box : m_lblRe)
        box->setStyleSheet(style.amountBox(box->objectName()));
}

bool AmountsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_txtTotal2 || !isFocusMove(event)) return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        m_counter.amounts().cashFocusIn();
        m_txtTotal2->selectAll();
        QTimer::singleShot(0, m_txtTotal2, [this] {
            if (m_txtTotal2->hasFocus()) m_txtTotal2->selectAll();
        });
    } else {
        m_counter.amounts().cashFocusOut();
    }
    return QFrame::eventFilter(watched, event);
}

#include "HeaderBar.h"

#include "core/counter/Counter.h"
#include "core/help/HelpTips.h"
#include "core/shop/AppTexts.h"
#include "core/shop/ShopInfo.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ShownText.h"
#include "ui/widgets/ThemeStyle.h"

#include <QHBoxLayout>

HeaderBar::HeaderBar(Counter& counter, QWidget* parent) : QWidget(parent), m_counter(counter) {
    const Counter& c = m_counter;
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    m_lblBrand = new ElidedLabel(c.text(AppTexts::MyBusiness), this);
    m_lblBrand->setObjectName(QStringLiteral("lblBrand"));
    m_lblBrand->setToolTip(c.text(Captions::TipBrand));
    QFont brandFont = m_lblBrand->font();
    brandFont.setPointSize(16);
    brandFont.setBold(true);
    m_lblBrand->setFont(brandFont);
    // A long name never widens the window: the label takes the room left and elides the rest.
    m_lblBrand->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_lblBrand->setMinimumWidth(40);
    row->addWidget(m_lblBrand, 1);
    m_lblCalc = sideButton("lblCalc", QStringLiteral("CALCUL."), c.text(Captions::TipCalc));
    m_lblMyTip = sideButton("lblMyTip", c.text(Captions::MyTipCaption), c.text(Captions::TipMyTip));
    m_lblHelp = sideButton("lblHelp", QStringLiteral("MANUAL"), c.text(Captions::TipHelp));

    Counter* model = &m_counter;
    connect(m_lblHelp, &LabelButton::clicked, this, [model] { model->help().lblHelp_Click(); });
    connect(m_lblMyTip, &LabelButton::clicked, model, &Counter::eTip);
    connect(m_lblCalc, &LabelButton::clicked, model, &Counter::lblCalc_Click);
    connect(model, &Counter::shopChanged, this, &HeaderBar::renderShop);
}

LabelButton* HeaderBar::sideButton(const char* name, const QString& caption, const QString& tip) {
    auto* b = new LabelButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAlignment(Qt::AlignCenter);
    b->setFixedSize(100, 30);
    layout()->addWidget(b);
    connect(b, &LabelButton::pressed, this, [b] { ThemeStyle::setPressed(b, true); });
    connect(b, &LabelButton::released, this, [b] { ThemeStyle::setPressed(b, false); });
    return b;
}

void HeaderBar::renderShop() {
    m_lblBrand->setText(m_counter.shop().brand);
    const QString tip = m_counter.shop().brandTooltip;
    m_lblBrand->setToolTip(tip.isEmpty() ? m_counter.text(Captions::TipBrand) : ShownText::tooltip(tip));
}

void HeaderBar::applyTheme(const ThemeStyle& style) {
    m_lblBrand->setStyleSheet(style.brand());
    for (LabelButton* b : {m_lblCalc, m_lblMyTip, m_lblHelp})
        b->setStyleSheet(style.sideButton());
}

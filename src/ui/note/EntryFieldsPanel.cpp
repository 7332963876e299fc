#include "EntryFieldsPanel.h"

#include "core/base/Cp1252.h"
#include "core/counter/Counter.h"
#include "core/items/ItemSearch.h"
#include "core/note/Amounts.h"
#include "core/note/EntryFields.h"
#include "core/note/NoteTexts.h"
#include "core/shop/Currency.h"
#include "ui/keyboard/FocusMove.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/CharacterValidator.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QTimer>

EntryFieldsPanel::EntryFieldsPanel(Counter& counter, QWidget* parent) : QFrame(parent), m_counter(counter) {
    const Counter& c = m_counter;
    setObjectName(QStringLiteral("frmeBoxs"));
    auto* boxes = new QGridLayout(this);
    boxes->setContentsMargins(6, 4, 6, 6);
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(2);
    const std::array<Text, 4> titles = {Captions::TitleQuantity, Captions::TitleDescription,
                                        Captions::TitleDiscount, NoteTexts::PriceTitle};
    const std::array<Text, 4> tips = {Captions::TipQuantity, Captions::TipDescription, Captions::TipDiscount,
                                      Captions::TipPrice};
    const std::array<int, 4> columns = {0, 1, 2, 4};
    QFont fieldFont = font();
    fieldFont.setPointSize(12);
    for (int k = 0; k < 4; ++k) {
        auto* title = new LabelButton(c.text(titles[std::size_t(k)]), this);
        title->setObjectName(QStringLiteral("lblTitle%1").arg(k + 4));
        m_lblTitle[std::size_t(k)] = title;
        boxes->addWidget(title, 0, columns[std::size_t(k)]);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txtDato%1").arg(k + 1));
        title->setBuddy(edit); // shows the "&" of a title as the underlined letter of its shortcut
        edit->setToolTip(c.text(tips[std::size_t(k)]));
        edit->setFont(fieldFont);
        edit->installEventFilter(this);
        m_txtDato[std::size_t(k)] = edit;
        boxes->addWidget(edit, 1, columns[std::size_t(k)]);
    }
    m_txtDato[EntryFields::Description]->setPlaceholderText(c.fields().noneText());
    m_txtDato[EntryFields::Quantity]->setValidator(
        new CharacterValidator(&CharacterValidator::amountCharacter, this));
    m_txtDato[EntryFields::Price]->setValidator(
        new CharacterValidator(&CharacterValidator::amountCharacter, this));
    m_txtDato[EntryFields::Discount]->setValidator(
        new CharacterValidator(&CharacterValidator::discountCharacter, this));
    m_txtDato[EntryFields::Description]->setValidator(
        new CharacterValidator([](QChar ch) { return Cp1252::canEncode(ch); }, this));
    m_txtDato[EntryFields::Quantity]->setMaximumWidth(90);
    m_txtDato[EntryFields::Discount]->setMaximumWidth(90);
    m_txtDato[EntryFields::Price]->setMaximumWidth(140);
    boxes->setColumnStretch(1, 1);

    m_lblMoney = new LabelButton(c.currency().symbol(), this);
    m_lblMoney->setObjectName(QStringLiteral("lblMoney0"));
    m_lblMoney->setToolTip(c.text(Captions::TipMoney));
    m_lblMoney->setFont(fieldFont);
    boxes->addWidget(m_lblMoney, 1, 3);
    m_lblAdd = new LabelButton(QStringLiteral("+"), this);
    m_lblAdd->setObjectName(QStringLiteral("lblButton0"));
    m_lblAdd->setToolTip(c.text(Captions::TipAdd));
    m_lblAdd->setAlignment(Qt::AlignCenter);
    m_lblAdd->setFixedSize(44, 32);
    QFont addFont = fieldFont;
    addFont.setBold(true);
    addFont.setPointSize(16);
    m_lblAdd->setFont(addFont);
    boxes->addWidget(m_lblAdd, 1, 5);
    connectCounter();
}

void EntryFieldsPanel::connectCounter() {
    Counter* c = &m_counter;
    EntryFields* fields = &c->fields();
    ItemSearch* search = &c->search();
    connect(fields, &EntryFields::changed, this, &EntryFieldsPanel::renderFields);
    connect(fields, &EntryFields::priceTitleChanged, this, &EntryFieldsPanel::renderPriceTitle);
    connect(&c->amounts(), &Amounts::changed, this, &EntryFieldsPanel::renderMoney); // the currency's symbol
    connect(c, &Counter::loaded, this, &EntryFieldsPanel::render);
    for (int k = 0; k < 4; ++k)
        connect(m_txtDato[std::size_t(k)], &QLineEdit::textEdited, fields,
                [fields, k](const QString& t) { fields->set(k, t); });

    // The add button doubles as the switch of the look-up mode: the right button switches it, the
    // left one turns it off and adds the item. It keeps the pressed look while the mode is on.
    connect(search, &ItemSearch::lookupModeChanged, this,
            [this](bool on) { ThemeStyle::setPressed(m_lblAdd, on); });
    connect(m_lblAdd, &LabelButton::pressed, this, [this, search](Qt::MouseButton b) {
        if (b == Qt::LeftButton) search->setLookupMode(false);
        if (b == Qt::RightButton) search->setLookupMode(!search->lookupMode());
        ThemeStyle::setPressed(m_lblAdd, true);
    });
    connect(m_lblAdd, &LabelButton::released, this,
            [this, search] { ThemeStyle::setPressed(m_lblAdd, search->lookupMode()); });
    connect(m_lblAdd, &LabelButton::clicked, c, [c](Qt::MouseButton b) {
        if (b == Qt::LeftButton) c->ePreFactura();
    });
}

void EntryFieldsPanel::render() {
    renderFields();
    renderMoney();
}

void EntryFieldsPanel::renderMoney() {
    m_lblMoney->setText(m_counter.currency().symbol());
}

void EntryFieldsPanel::renderFields() {
    for (int k = 0; k < 4; ++k) {
        QLineEdit* edit = m_txtDato[std::size_t(k)];
        const QString value = m_counter.fields().field(k);
        if (edit->text() != value) edit->setText(value);
    }
}

void EntryFieldsPanel::renderPriceTitle() {
    m_lblTitle[3]->setText(m_counter.fields().priceTitle());
}

void EntryFieldsPanel::applyTheme(const ThemeStyle& style) {
    setStyleSheet(style.entryFrame());
    for (QLineEdit* edit : m_txtDato)
        edit->setStyleSheet(style.entryField());
    for (LabelButton* title : m_lblTitle)
        title->setStyleSheet(style.title());
    m_lblMoney->setStyleSheet(style.amount());
    m_lblAdd->setStyleSheet(style.addButton());
}

int EntryFieldsPanel::fieldIndex(const QObject* watched) const {
    for (int k = 0; k < 4; ++k)
        if (watched == m_txtDato[std::size_t(k)]) return k;
    return -1;
}

bool EntryFieldsPanel::eventFilter(QObject* watched, QEvent* event) {
    const int k = fieldIndex(watched);
    if (k < 0 || !isFocusMove(event)) return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        m_counter.fields().focusIn(k);
        if (k != EntryFields::Discount) {
            QLineEdit* edit = m_txtDato[std::size_t(k)];
            edit->selectAll();
            QTimer::singleShot(0, edit, [edit] {
                if (edit->hasFocus()) edit->selectAll();
            });
        }
    } else {
        m_counter.fields().focusOut(k);
    }
    return QFrame::eventFilter(watched, event);
}

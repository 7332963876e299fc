#include "CashCountDialog.h"

#include "core/base/Numbers.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/CharacterValidator.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Pieces of one banknote or coin: digits only, up to what a drawer could ever hold; the counted cash
// typed whole up to "9,999,999.99".
constexpr int kPiecesDigits = 5;
constexpr int kTypedCharacters = 12;

bool digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// An amount right-aligned in a place wide enough for most, so the dialog keeps still as it grows.
QLabel* amountLabel(const QString& name, const QString& widest) {
    auto* label = named(new QLabel, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    return label;
}

} // namespace

CashCountDialog::CashCountDialog(const CashCount& count, const Language& language, QWidget* parent)
    : QDialog(parent), m_language(language), m_count(count) {
    setObjectName(QStringLiteral("frmCashCount"));
    setWindowTitle(language(Captions::CountTitle));
    auto* column = new QVBoxLayout(this);

    const QFontMetrics metrics(font());
    auto* top = new QHBoxLayout;
    m_typed = named(new QLineEdit, QStringLiteral("txtCounted"));
    m_typed->setValidator(new CharacterValidator(CharacterValidator::amountCharacter, m_typed));
    m_typed->setAlignment(Qt::AlignRight);
    m_typed->setMaxLength(kTypedCharacters);
    m_typed->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("000,000.000")));
    m_typed->installEventFilter(this);
    auto* typedLabel = new QLabel(language(Captions::CountTyped));
    typedLabel->setBuddy(m_typed);
    top->addWidget(typedLabel);
    top->addWidget(new QLabel(m_count.symbol()));
    top->addWidget(m_typed);
    top->addStretch();
    column->addLayout(top);

    // The rows in two columns, the highest banknotes on the left; Tab and Down go down the left column,
    // then the right one.
    auto* box =
        named(new QGroupBox(language(Captions::CountByDenomination)), QStringLiteral("grpDenominations"));
    auto* grid = new QGridLayout(box);
    const qsizetype rows = m_count.rows().size();
    const qsizetype half = (rows + 1) / 2;
    for (qsizetype i = 0; i < rows; ++i) {
        const int gridRow = int(i % half);
        const int at = int(i / half) * 5; // column 4 stands blank between the halves
        const QString n = QString::number(i);
        auto* value =
            named(new QLabel(CashCount::denominationText(m_count.symbol(), m_count.rows()[i].cents)),
                  QStringLiteral("lblDenomination") + n);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* pieces = named(new QLineEdit, QStringLiteral("txtPieces") + n);
        pieces->setValidator(new CharacterValidator(digit, pieces));
        pieces->setMaxLength(kPiecesDigits);
        pieces->setAlignment(Qt::AlignRight);
        pieces->setFixedWidth(metrics.horizontalAdvance(QString(kPiecesDigits + 2, u'0')));
        pieces->installEventFilter(this);
        value->setBuddy(pieces);
        auto* rowValue = amountLabel(QStringLiteral("lblRowValue") + n, QStringLiteral("$00,000.00"));
        grid->addWidget(value, gridRow, at);
        grid->addWidget(new QLabel(QStringLiteral("×")), gridRow, at + 1);
        grid->addWidget(pieces, gridRow, at + 2);
        grid->addWidget(rowValue, gridRow, at + 3);
        m_pieces.append(pieces);
        m_values.append(rowValue);
        connect(pieces, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { piecesChanged(int(i), text); });
    }
    grid->setColumnMinimumWidth(4, metrics.horizontalAdvance(QStringLiteral("MMM")));
    column->addWidget(box);

    // Expected, counted and the difference under its word, one column of amounts on the right.
    const QString kWidest = QStringLiteral("$000,000.00");
    auto* bottom = new QGridLayout;
    bottom->setColumnStretch(0, 1);
    auto* expected = amountLabel(QStringLiteral("lblExpected"), kWidest);
    expected->setText(m_count.symbol() + Numbers::amountText(m_count.expected()));
    m_total = amountLabel(QStringLiteral("lblCounted"), kWidest);
    m_balance = named(new QLabel, QStringLiteral("lblBalance"));
    m_difference = amountLabel(QStringLiteral("lblDifference"), kWidest);
    QFont strong = font();
    strong.setBold(true);
    m_balance->setFont(strong);
    m_difference->setFont(strong);
    bottom->addWidget(new QLabel(language(Captions::CountExpected)), 0, 1);
    bottom->addWidget(expected, 0, 2);
    bottom->addWidget(new QLabel(language(Captions::CountTotal)), 1, 1);
    bottom->addWidget(m_total, 1, 2);
    bottom->addWidget(m_balance, 2, 1);
    bottom->addWidget(m_difference, 2, 2);
    column->addLayout(bottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdBook"));
    ok->setText(language(Captions::CountBook));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    connect(m_typed, &QLineEdit::textChanged, this, &CashCountDialog::typedChanged);
    m_typed->setFocus();
    render();
}

void CashCountDialog::typedChanged(const QString& text) {
    if (m_count.byDenomination()) return; // the field shows the rows' total
    m_count.setTyped(Numbers::amount(text));
    render();
}

void CashCountDialog::piecesChanged(int row, const QString& text) {
    const bool before = m_count.byDenomination();
    m_count.setPieces(row, text.toInt());
    const bool now = m_count.byDenomination();
    if (before && !now) m_count.setTyped(0.0); // every row emptied: the typed field starts afresh
    if (before != now) {
        const QSignalBlocker quiet(m_typed);
        m_typed->clear();
        m_typed->setReadOnly(now);
    }
    render();
}

void CashCountDialog::render() {
    const QString& symbol = m_count.symbol();
    const auto money = [&symbol](double amount) { return symbol + Numbers::amountText(amount); };
    for (qsizetype i = 0; i < m_count.rows().size(); ++i) {
        const CashCount::Row& row = m_count.rows()[i];
        m_values[i]->setText(row.pieces > 0 ? money(double(row.valueCents()) / 100.0) : QString());
    }
    if (m_count.byDenomination()) {
        const QSignalBlocker quiet(m_typed);
        m_typed->setText(Numbers::amountText(m_count.counted()));
    }
    m_total->setText(money(m_count.counted()));
    m_balance->setText(m_language(CashCount::balanceWord(m_count.balance())));
    m_difference->setText(money(qAbs(m_count.difference())));
}

bool CashCountDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int at = watched == m_typed ? -1 : int(m_pieces.indexOf(qobject_cast<QLineEdit*>(watched)));
            const int to = at + (key == Qt::Key_Down ? 1 : -1);
            if (to == -1) m_typed->setFocus(Qt::TabFocusReason);
            if (to >= 0 && to < m_pieces.size()) m_pieces[to]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

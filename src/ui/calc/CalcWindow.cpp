#include "CalcWindow.h"

#include "core/calc/CalcTexts.h"
#include "core/calc/Calculator.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

namespace {

// Positions and sizes given in twips, at 15 twips per pixel.
constexpr int tw(int twips) {
    return twips / 15;
}

constexpr int kClosedWidth = tw(3495);
constexpr int kOpenWidth = tw(6855);
constexpr int kGrowStep = tw(240);
constexpr int kMoveStep = tw(120);
constexpr int kDisplayRoom = tw(3135);
constexpr int kDisplayPoints = 34;

// The layout of the rest of the window, in pixels.
constexpr int kMargin = 8;
constexpr int kPantTop = 6;
constexpr int kPantHeight = 94;
constexpr int kPantInset = 5;
constexpr int kButtonsTop = 104;
constexpr int kKeyWidth = 51;
constexpr int kKeyHeight = 34;
constexpr int kColumnStep = 56;
constexpr int kRowStep = 38;
constexpr int kKeyRows = 7;
constexpr int kCentralHeight = kButtonsTop + 2 + kKeyRows * kRowStep + 4;
constexpr int kMemoryLeft = tw(960);
constexpr int kMemoryTop = tw(2160);

// Colours that are not the theme's.
constexpr Rgb kDisplayBack{250, 250, 250};
constexpr Rgb kDisplayText{0, 0, 0};
constexpr Rgb kExpressionText{90, 90, 90};

constexpr auto css = &ThemeStyle::css;

QFont sans(int points, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

// Lowers the label's font from the given size until its text fits the width (not below 1 point).
void fitFont(QLabel* label, int points, int width) {
    QFont f = label->font();
    f.setPointSize(points);
    label->setFont(f);
    while (points > 1 && label->sizeHint().width() > width) {
        f.setPointSize(--points);
        label->setFont(f);
    }
}

// The grid of keys: which key sits where, in rows and columns of the key frame.
struct KeyPlace {
    char kind; // 'N' digit, 'O' operator, 'F' function, 'M' memory
    int index;
    int row;
    int column;
    int rows = 1;
};

// A key's place in its array.
template <class Key> constexpr int at(Key key) {
    return static_cast<int>(key);
}
using Function = Calculator::Function;
using Memory = Calculator::Memory;
using Operator = Calculator::Operator;

constexpr KeyPlace kKeyPlaces[] = {
    {'F', at(Function::Clear), 0, 0},
    {'N', Calculator::kOpenGroup, 0, 1},
    {'N', Calculator::kCloseGroup, 0, 2},
    {'O', at(Operator::Divide), 0, 3},
    {'M', at(Memory::Panel), 1, 0}, // the memory panel opens beside it
    {'N', 7, 2, 0},
    {'N', 8, 2, 1},
    {'N', 9, 2, 2},
    {'O', at(Operator::Multiply), 2, 3},
    {'N', 4, 3, 0},
    {'N', 5, 3, 1},
    {'N', 6, 3, 2},
    {'O', at(Operator::Minus), 3, 3},
    {'N', 1, 4, 0},
    {'N', 2, 4, 1},
    {'N', 3, 4, 2},
    {'O', at(Operator::Plus), 4, 3},
    {'N', 0, 5, 0},
    {'N', Calculator::kPoint, 5, 1},
    {'F', at(Function::Percent), 5, 2},
    {'F', at(Function::Equals), 5, 3, 2},
    {'F', at(Function::Left), 6, 0},
    {'F', at(Function::Right), 6, 1},
    {'F', at(Function::Correct), 6, 2},
};

const QChar kBackArrow = u'\u2190';

} // namespace

CalcWindow::CalcWindow(const Language& language, const ThemePalette& palette, QWidget* parent)
    : QMainWindow(parent), m_theme(palette) {
    setObjectName(QStringLiteral("frmCalc"));
    m_calc = new Calculator(language, this);
    setWindowTitle(m_calc->language()(CalcTexts::Title));
    setFocusPolicy(Qt::StrongFocus);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("shpBack"));
    setCentralWidget(central);
    buildDisplay(central);
    buildKeys(central);

    m_lstHist = new QListWidget(central);
    m_lstHist->setObjectName(QStringLiteral("lstHist"));
    m_lstHist->hide();
    m_txtHist = new QPlainTextEdit(central);
    m_txtHist->setObjectName(QStringLiteral("txtHist"));
    m_txtHist->setReadOnly(true);
    m_txtHist->setFocusPolicy(Qt::NoFocus); // the keys keep going to the calculator
    m_txtHist->setFont(sans(10));
    m_txtHist->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtHist->setGeometry(kClosedWidth, kPantTop, kOpenWidth - kClosedWidth - kMargin,
                           kCentralHeight - 2 * kPantTop);
    m_txtHist->hide();

    m_tmrList = new QTimer(this);
    m_tmrList->setObjectName(QStringLiteral("tmrList"));
    m_tmrList->setInterval(10);
    connect(m_tmrList, &QTimer::timeout, this, &CalcWindow::tmrList_Timer);

    buildMenus();
    setCaptions();
    connectModel();
    applyTheme(m_theme);

    setFixedSize(kClosedWidth, menuBar()->sizeHint().height() + kCentralHeight);
    lblPant_Change();
    lblLong_Change();
    lblM_Change();
    m_lblM[at(Memory::Use)]->setToolTip(m_calc->language()(CalcTexts::TipUseMemory));
    showMemoryPanel();
}

CalcWindow::~CalcWindow() = default;

LabelButton* CalcWindow::addKey(QWidget* parent, const QString& caption, const QString& objectName,
                                int restColour) {
    auto* key = new LabelButton(caption, parent);
    key->setObjectName(objectName);
    key->setAlignment(Qt::AlignCenter);
    key->setFont(sans(13, true));
    key->setFocusPolicy(Qt::NoFocus);
    m_looks.push_back({key, restColour});
    // While the mouse button is held the key shows a darker shade, and its colour again on release.
    connect(key, &LabelButton::pressed, this, [key] { ThemeStyle::setPressed(key, true); });
    connect(key, &LabelButton::released, this, [key] { ThemeStyle::setPressed(key, false); });
    return key;
}

void CalcWindow::buildDisplay(QWidget* central) {
    m_frmePant = new QFrame(central);
    m_frmePant->setObjectName(QStringLiteral("frmePant"));
    m_frmePant->setGeometry(kMargin, kPantTop, kClosedWidth - 2 * kMargin + 2, kPantHeight);

    m_lblLong = new QLabel(m_frmePant);
    m_lblLong->setObjectName(QStringLiteral("lblLong"));
    m_lblLong->setTextFormat(Qt::RichText);
    m_lblLong->setFont(sans(11));
    m_lblLong->setGeometry(kPantInset, 4, m_frmePant->width() - 2 * kPantInset - 30, 22);

    m_lblPant = new QLabel(m_frmePant);
    m_lblPant->setObjectName(QStringLiteral("lblPant"));
    m_lblPant->setTextFormat(Qt::PlainText);
    m_lblPant->setFont(sans(kDisplayPoints));

    // The second correct key sits beside the expression line.
    m_lblF[at(Function::CorrectToo)] =
        addKey(m_frmePant, QString(kBackArrow), QStringLiteral("lblF%1").arg(at(Function::CorrectToo)), 2);
    m_lblF[at(Function::CorrectToo)]->setFont(sans(11, true));
    m_lblF[at(Function::CorrectToo)]->setGeometry(m_frmePant->width() - kPantInset - 26, 4, 26, 22);
}

void CalcWindow::buildKeys(QWidget* central) {
    m_frmeButtons = new QFrame(central);
    m_frmeButtons->setObjectName(QStringLiteral("frmeButtons"));
    m_frmeButtons->setGeometry(0, kButtonsTop, kClosedWidth, kCentralHeight - kButtonsTop);

    for (const KeyPlace& place : kKeyPlaces) {
        LabelButton* key = nullptr;
        const int i = place.index;
        switch (place.kind) {
        case 'N':
            // Digit keys rest on the theme colour, like the memory panel and the correct keys.
            key = m_lblN[std::size_t(i)] =
                addKey(m_frmeButtons, Calculator::digitCaption(i), QStringLiteral("lblN%1").arg(i), 2);
            break;
        case 'O':
            key = m_lblO[std::size_t(i)] = addKey(m_frmeButtons, Calculator::operatorCaption(Operator(i)),
                                                  QStringLiteral("lblO%1").arg(i), 4);
            break;
        case 'F': {
            static const QString captions[Calculator::kFunctionKeys] = {
                QStringLiteral("="), QString(kBackArrow), QString(kBackArrow), QStringLiteral("%"),
                QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("AC")};
            const int rest = i == at(Function::Correct) ? 2 : 4;
            key = m_lblF[std::size_t(i)] =
                addKey(m_frmeButtons, captions[i], QStringLiteral("lblF%1").arg(i), rest);
            break;
        }
        default:
            key = m_lblM[std::size_t(i)] =
                addKey(m_frmeButtons, QStringLiteral("M"), QStringLiteral("lblM%1").arg(i), 4);
            break;
        }
        key->setGeometry(kMargin + place.column * kColumnStep, 2 + place.row * kRowStep, kKeyWidth,
                         kKeyHeight + (place.rows - 1) * kRowStep);
    }

    // The memory panel floats over the keys at its fixed place.
    m_frmeMemory = new QFrame(central);
    m_frmeMemory->setObjectName(QStringLiteral("frmeMemory"));
    m_frmeMemory->setGeometry(kMemoryLeft, kMemoryTop, kClosedWidth - kMargin + 2 - kMemoryLeft, kKeyHeight);
    const int inner = kKeyHeight - 6;
    m_lblM[at(Memory::Add)] =
        addKey(m_frmeMemory, QStringLiteral("+"), QStringLiteral("lblM%1").arg(at(Memory::Add)), 4);
    m_lblM[at(Memory::Add)]->setGeometry(3, 3, 32, inner);
    m_lblM[at(Memory::Subtract)] =
        addKey(m_frmeMemory, QStringLiteral("-"), QStringLiteral("lblM%1").arg(at(Memory::Subtract)), 4);
    m_lblM[at(Memory::Subtract)]->setGeometry(38, 3, 32, inner);
    m_lblM[at(Memory::Use)] =
        addKey(m_frmeMemory, QStringLiteral("0"), QStringLiteral("lblM%1").arg(at(Memory::Use)), 4);
    m_lblM[at(Memory::Use)]->setGeometry(73, 3, m_frmeMemory->width() - 76, inner);
    m_frmeMemory->raise();
}

void CalcWindow::buildMenus() {
    const Language& lang = m_calc->language();
    auto action = [this](QMenu* menu, const char* name, const QKeySequence& keys = {}) {
        auto* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        return a;
    };
    m_pop1 = menuBar()->addMenu(lang(CalcTexts::Options));
    m_pop1->setObjectName(QStringLiteral("Pop1"));
    m_mCopy = action(m_pop1, "mCopy", QKeySequence(Qt::CTRL | Qt::Key_C));
    m_mPaste = action(m_pop1, "mPaste", QKeySequence(Qt::CTRL | Qt::Key_V));
    m_pop1->addSeparator();
    m_mList = action(m_pop1, "mList", QKeySequence(Qt::CTRL | Qt::Key_H));
    m_mErase = action(m_pop1, "mErase");
    m_mErase->setEnabled(false);

    m_pop2 = menuBar()->addMenu(lang(CalcTexts::Functions));
    m_pop2->setObjectName(QStringLiteral("Pop2"));
    m_mRaiz = action(m_pop2, "mRaiz", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_mNeg = action(m_pop2, "mNeg", QKeySequence(Qt::CTRL | Qt::Key_I));
    m_pop2->addSeparator();
    m_mDel = action(m_pop2, "mDel");

    connect(m_mCopy, &QAction::triggered, this, &CalcWindow::mCopy_Click);
    connect(m_mPaste, &QAction::triggered, this, &CalcWindow::mPaste_Click);
    connect(m_mList, &QAction::triggered, this, &CalcWindow::mList_Click);
    connect(m_mErase, &QAction::triggered, m_calc, &Calculator::mErase_Click);
    connect(m_mRaiz, &QAction::triggered, m_calc, &Calculator::mRaiz_Click);
    connect(m_mNeg, &QAction::triggered, m_calc, &Calculator::mNeg_Click);
    connect(m_mDel, &QAction::triggered, m_calc, &Calculator::mDel_Click);
}

void CalcWindow::setCaptions() {
    const Language& lang = m_calc->language();
    m_mCopy->setText(lang(CalcTexts::Copy));
    m_mPaste->setText(lang(CalcTexts::Paste));
    m_mList->setText(lang(CalcTexts::ShowHistory));
    m_mErase->setText(lang(CalcTexts::DeleteHistory));
    m_mRaiz->setText(lang(CalcTexts::SquareRoot));
    m_mNeg->setText(lang(CalcTexts::Reverse));
    m_mDel->setText(lang(CalcTexts::DeleteAll));

    m_lblM[at(Memory::Panel)]->setToolTip(lang(CalcTexts::TipSeeMemory));
    m_lblM[at(Memory::Add)]->setToolTip(lang(CalcTexts::TipAddMemory));
    m_lblM[at(Memory::Subtract)]->setToolTip(lang(CalcTexts::TipSubtractMemory));
    m_lblF[at(Function::Equals)]->setToolTip(lang(CalcTexts::TipEqual));
    m_lblF[at(Function::Correct)]->setToolTip(lang(CalcTexts::TipCorrect));
    m_lblF[at(Function::CorrectToo)]->setToolTip(lang(CalcTexts::TipCorrect));
    m_lblF[at(Function::Percent)]->setToolTip(lang(CalcTexts::TipPercent));
    m_lblF[at(Function::Left)]->setToolTip(lang(CalcTexts::TipLeft));
    m_lblF[at(Function::Right)]->setToolTip(lang(CalcTexts::TipRight));
    m_lblF[at(Function::Clear)]->setToolTip(lang(CalcTexts::TipClear));
    m_lblO[0]->setToolTip(lang(CalcTexts::TipDivide));
    m_lblO[1]->setToolTip(lang(CalcTexts::TipMultiply));
    m_lblO[2]->setToolTip(lang(CalcTexts::TipSubtract));
    m_lblO[3]->setToolTip(lang(CalcTexts::TipAdd));
    m_lblN[Calculator::kPoint]->setToolTip(lang(CalcTexts::TipDecimal));
}

void CalcWindow::connectModel() {
    Calculator* c = m_calc;
    auto onClick = [this](LabelButton* key, auto handler) {
        connect(key, &LabelButton::clicked, this, [handler](Qt::MouseButton b) {
            if (b == Qt::LeftButton) handler();
        });
    };
    for (int i = 0; i < Calculator::kDigitKeys; ++i)
        onClick(m_lblN[std::size_t(i)], [c, i] { c->lblN_Click(i); });
    for (int i = 0; i < Calculator::kOperatorKeys; ++i)
        onClick(m_lblO[std::size_t(i)], [c, i] { c->lblO_Click(Operator(i)); });
    for (int i = 0; i < Calculator::kFunctionKeys; ++i)
        onClick(m_lblF[std::size_t(i)], [c, i] { c->lblF_Click(Function(i)); });
    for (int i = 0; i < Calculator::kMemoryKeys; ++i)
        onClick(m_lblM[std::size_t(i)], [c, i] { c->lblM_Click(Memory(i)); });

    connect(c, &Calculator::expressionChanged, this, &CalcWindow::lblLong_Change);
    connect(c, &Calculator::displayChanged, this, &CalcWindow::lblPant_Change);
    connect(c, &Calculator::memoryChanged, this, &CalcWindow::lblM_Change);
    connect(c, &Calculator::memoryPanelChanged, this, &CalcWindow::showMemoryPanel);
    connect(c, &Calculator::historyChanged, this, &CalcWindow::eList2Text);
}

void CalcWindow::applyTheme(const ThemePalette& palette) {
    m_theme = palette;
    const ThemeStyle style(m_theme);
    for (const KeyLook& look : m_looks)
        look.key->setStyleSheet(style.calcKey(look.restColour));
    centralWidget()->setStyleSheet(QStringLiteral("#shpBack { background:%1; } ").arg(css(m_theme[5])) +
                                   style.tooltip());
    m_frmePant->setStyleSheet(
        QStringLiteral("#frmePant { background:%1; border:1px solid %2; border-radius:6px; }"
                       "#lblPant { color:%3; } #lblLong { color:%4; }")
            .arg(css(kDisplayBack), css(m_theme[4]), css(kDisplayText), css(kExpressionText)));
    m_frmeMemory->setStyleSheet(QStringLiteral("#frmeMemory { background:%1; border:1px solid %2; "
                                               "border-radius:5px; }")
                                    .arg(css(m_theme[2]), css(m_theme[0])));
    m_txtHist->setStyleSheet(QStringLiteral("background:%1; color:%2; border:1px solid %3;")
                                 .arg(css(kDisplayBack), css(kDisplayText), css(m_theme[4])));
}

// ---- What follows a change of the model ----

void CalcWindow::lblLong_Change() {
    m_lblLong->setText(expressionHtml());
    m_lblLong->setToolTip(m_calc->expressionTip());
    setFocus();
}

// The expression line with its current character underlined. A line too long for the label shows the
// part around the current character, with "…" where text is cut off.
QString CalcWindow::expressionHtml() const {
    QString plain = m_calc->expressionText();
    const qsizetype current = m_calc->expression().indexOf(u'&');
    for (QChar& ch : plain)
        if (ch.category() == QChar::Other_Control || ch.category() == QChar::Separator_Line ||
            ch.category() == QChar::Separator_Paragraph)
            ch = u' ';

    qsizetype start = 0;
    qsizetype end = plain.size();
    const QFontMetrics metrics(m_lblLong->font());
    const int room = m_lblLong->width() - 4;
    if (!plain.isEmpty() && metrics.horizontalAdvance(plain) > room) {
        const QChar ellipsis = u'\u2026';
        const int budget = room - 2 * metrics.horizontalAdvance(ellipsis);
        const qsizetype anchor = current >= 0 && current < plain.size() ? current : plain.size() - 1;
        start = anchor;
        end = anchor + 1;
        int used = metrics.horizontalAdvance(plain[anchor]);
        while (start > 0 && used + metrics.horizontalAdvance(plain[start - 1]) <= budget)
            used += metrics.horizontalAdvance(plain[--start]);
        while (end < plain.size() && used + metrics.horizontalAdvance(plain[end]) <= budget)
            used += metrics.horizontalAdvance(plain[end++]);
    }

    auto escaped = [&plain](qsizetype from, qsizetype to) {
        return to > from ? plain.mid(from, to - from).toHtmlEscaped() : QString();
    };
    QString html = QStringLiteral("<span style=\"white-space:pre\">");
    if (start > 0) html += u'\u2026';
    if (current >= start && current < end) {
        html += escaped(start, current) + QStringLiteral("<u>") + escaped(current, current + 1) +
                QStringLiteral("</u>") + escaped(current + 1, end);
    } else {
        html += escaped(start, end);
    }
    if (end < plain.size()) html += u'\u2026';
    return html + QStringLiteral("</span>");
}

void CalcWindow::lblPant_Change() {
    const bool error = m_calc->showingError();
    for (QAction* a : {m_mCopy, m_mPaste, m_mRaiz, m_mNeg})
        a->setEnabled(!error);
    m_lblPant->setText(m_calc->display());
    fitFont(m_lblPant, kDisplayPoints, kDisplayRoom);
    m_lblPant->adjustSize();
    const int top = int(m_frmePant->height() / 1.5 - m_lblPant->height() / 1.5);
    m_lblPant->move(m_frmePant->width() - kPantInset - m_lblPant->width(), top);
}

void CalcWindow::lblM_Change() {
    const QString& memory = m_calc->memory();
    const bool empty = memory == QLatin1String("0");
    m_lblM[at(Memory::Panel)]->setText(empty ? QStringLiteral("M") : QStringLiteral("M*"));
    LabelButton* use = m_lblM[at(Memory::Use)];
    use->setText(memory);
    fitFont(use, 11, use->width() - 6);
    use->setToolTip(empty ? QString::fromUtf8(CalcTexts::TipUseMemorySpanish)
                          : QString::fromUtf8(CalcTexts::TipUseValueOpen) + memory +
                                QString::fromUtf8(CalcTexts::TipUseValueClose));
}

void CalcWindow::showMemoryPanel() {
    m_frmeMemory->setVisible(m_calc->memoryShown());
}

void CalcWindow::eList2Text() {
    const QStringList& entries = m_calc->history();
    m_lstHist->clear();
    m_lstHist->addItems(entries);
    QString text = m_calc->eList2Text();
    m_txtHist->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_txtHist->moveCursor(QTextCursor::End);
    m_txtHist->ensureCursorVisible();
    m_mErase->setEnabled(!entries.isEmpty());
}

// ---- Menus, keyboard and the history panel ----

void CalcWindow::mCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_calc->mCopy_Click());
}

void CalcWindow::mPaste_Click() {
    m_calc->mPaste_Click(QGuiApplication::clipboard()->text());
}

void CalcWindow::mList_Click() {
    m_historyShown = !m_historyShown;
    m_mList->setText(m_calc->language()(m_historyShown ? CalcTexts::HideHistory : CalcTexts::ShowHistory));
    // The window system may report a move late, so the slide keeps its own left edge.
    if (!m_tmrList->isActive()) m_slideLeft = x();
    m_tmrList->start();
}

// The left edge that keeps a window of this width (and its frame) on its screen.
int CalcWindow::onScreenLeft(int left, int width) const {
    const QScreen* shown = screen();
    if (!shown) return left;
    const QRect area = shown->availableGeometry();
    const int frame = frameGeometry().width() - geometry().width();
    return std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - width - frame));
}

// Opening, the window grows to the right of the keys while its left edge moves left; closing, the
// reverse, and the history text hides once the window is back to its own width. It never leaves its
// screen: at an edge, it grows the other way.
void CalcWindow::tmrList_Timer() {
    if (m_historyShown) {
        m_txtHist->show();
        const int width = std::min(this->width() + kGrowStep, kOpenWidth);
        m_slideLeft = onScreenLeft(m_slideLeft - kMoveStep, width);
        setFixedSize(width, height());
        move(m_slideLeft, y());
        if (width >= kOpenWidth) m_tmrList->stop();
    } else {
        const int width = std::max(this->width() - kGrowStep, kClosedWidth);
        m_slideLeft = onScreenLeft(m_slideLeft + kMoveStep, width);
        setFixedSize(width, height());
        move(m_slideLeft, y());
        if (width <= kClosedWidth) {
            m_txtHist->hide();
            m_tmrList->stop();
        }
    }
}

void CalcWindow::keyPressEvent(QKeyEvent* event) {
    bool used = m_calc->txtAction_KeyDown(event->key());
    if (!used) {
        const QString typed = event->text();
        for (const QChar c : typed)
            used = m_calc->txtAction_KeyPress(c) || used;
    }
    if (used)
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

#include "Calculator.h"

#include "core/calc/CalcEvaluator.h"
#include "core/calc/CalcTexts.h"

#include <algorithm>
#include <cmath>

Calculator::Calculator(const Language& language, QObject* parent)
    : QObject(parent), m_language(language), m_display(QStringLiteral("0")), m_memory(QStringLiteral("0")) {}

QString Calculator::digitCaption(int index) {
    static const QChar captions[kDigitKeys] = {u'0', u'1', u'2', u'3', u'4', u'5', u'6',
                                               u'7', u'8', u'9', u'.', u'(', u')'};
    return index >= 0 && index < kDigitKeys ? QString(captions[index]) : QString();
}

QString Calculator::operatorCaption(Operator key) {
    static const QChar captions[kOperatorKeys] = {CalcEvaluator::kDivide, CalcEvaluator::kTimes,
                                                  CalcEvaluator::kMinus, CalcEvaluator::kPlus};
    return QString(captions[std::size_t(key)]);
}

QString Calculator::expressionText() const {
    QString text = m_expression;
    return text.remove(CalcEvaluator::kMark);
}

QString Calculator::expressionTip() const {
    const QString text = expressionText();
    return text.isEmpty() ? QString() : u' ' + text + u' ';
}

void Calculator::setExpression(QString text) {
    text.remove(u',');
    if (text == m_expression) return;
    m_expression = text;
    Q_EMIT expressionChanged();
}

bool Calculator::showingError() const {
    return m_display == CalcEvaluator::errorText();
}

void Calculator::setDisplay(const QString& text) {
    if (text == m_display) return;
    m_display = text;
    Q_EMIT displayChanged();
}

void Calculator::showError() {
    setDisplay(CalcEvaluator::errorText());
}

void Calculator::setMemory(const QString& text) {
    if (text == m_memory) return;
    m_memory = text;
    Q_EMIT memoryChanged();
}

QString Calculator::eList2Text() const {
    QString text;
    for (qsizetype i = 0; i < m_history.size(); ++i) {
        if (i > 0) text += QStringLiteral("\r\n");
        text += u' ' + m_history[i];
    }
    return text;
}

// ---- Editing the expression ----

void Calculator::insert(const QString& text) {
    if (text.isEmpty()) return;
    QString plain = expressionText();
    // An expression without a mark gets it in front; an empty one takes the text as it is.
    const qsizetype mark = std::max<qsizetype>(markIndex(), 0);
    const qsizetype at = plain.isEmpty() ? 0 : std::min(mark + 1, plain.size());
    plain.insert(at, text);
    plain.insert(at + text.size() - 1, CalcEvaluator::kMark);
    setExpression(plain);
}

void Calculator::startEntry(bool replaceZero) {
    if (m_showingResult) setExpression(QString());
    if (replaceZero && expressionText() == QLatin1String("0")) setExpression(QString());
}

void Calculator::deleteCurrent() {
    QString plain = expressionText();
    if (plain.isEmpty()) return;
    const qsizetype mark = std::max<qsizetype>(markIndex(), 0);
    if (mark >= plain.size()) {
        // No current character: the last one becomes current.
        setExpression(CalcEvaluator::markBeforeLast(plain));
        return;
    }
    plain.remove(mark, 1);
    // With the mark at the very start it goes together with the first character.
    if (mark > 0) plain.insert(mark - 1, CalcEvaluator::kMark);
    setExpression(plain);
}

void Calculator::moveMark(int step) {
    QString plain = expressionText();
    if (plain.isEmpty()) return;
    const qsizetype mark = markIndex();
    if (mark < 0) {
        setExpression(CalcEvaluator::kMark + plain);
        return;
    }
    const qsizetype to = mark + step;
    if (to < 0 || to > plain.size() - 1) return;
    plain.insert(to, CalcEvaluator::kMark);
    setExpression(plain);
}

void Calculator::eHome() {
    if (showingError() || expressionText().isEmpty()) return;
    setExpression(CalcEvaluator::kMark + expressionText());
}

void Calculator::eEnd() {
    if (showingError() || expressionText().isEmpty()) return;
    setExpression(CalcEvaluator::markBeforeLast(expressionText()));
}

// ---- Keys ----

void Calculator::lblN_Click(int index) {
    if (showingError() || index < 0 || index >= kDigitKeys) return;
    startEntry(index != kPoint);
    insert(digitCaption(index));
    m_showingResult = false;
}

void Calculator::lblO_Click(Operator key) {
    if (showingError()) return;
    // After "=" an operator continues from the result.
    insert(operatorCaption(key));
    m_showingResult = false;
}

void Calculator::lblF_Click(Function key) {
    if (showingError() && key != Function::Clear) return;
    switch (key) {
    case Function::Equals: {
        const QString typed = expressionText();
        if (typed.isEmpty()) return;
        eResult();
        eAddHist(typed + m_language(CalcTexts::EqualsEntry) + m_display);
        m_showingResult = true;
        break;
    }
    case Function::Correct:
    case Function::CorrectToo:
        deleteCurrent();
        break;
    case Function::Percent:
        percent();
        break;
    case Function::Left:
        moveMark(-1);
        break;
    case Function::Right:
        moveMark(1);
        break;
    case Function::Clear:
        eClean();
        break;
    }
}

void Calculator::percent() {
    const QString typed = expressionText();
    if (typed.isEmpty()) return;
    // Only a×b: two numbers and one multiplication sign.
    const qsizetype times = typed.indexOf(CalcEvaluator::kTimes);
    if (times < 0 || !CalcEvaluator::isSingleNumber(QStringView(typed).left(times)) ||
        !CalcEvaluator::isSingleNumber(QStringView(typed).mid(times + 1))) {
        showError();
        return;
    }
    const double product = CalcEvaluator::readNumber(QStringView(typed).left(times)) *
                           CalcEvaluator::readNumber(QStringView(typed).mid(times + 1));
    const double value = product / 100.0;
    if (!std::isfinite(value)) {
        showError();
        return;
    }
    eShowResult(CalcEvaluator::numberText(value));
}

void Calculator::lblM_Click(Memory key) {
    if (showingError()) return;
    switch (key) {
    case Memory::Panel:
        m_memoryShown = !m_memoryShown;
        Q_EMIT memoryPanelChanged();
        break;
    case Memory::Add:
    case Memory::Subtract: {
        const double shown = displayNumber();
        const double memory = CalcEvaluator::readNumber(m_memory);
        const double value = key == Memory::Add ? memory + shown : memory - shown;
        // A memory beyond the double range cannot be kept; it is an arithmetic failure like any other.
        if (!std::isfinite(value)) {
            showError();
            return;
        }
        setMemory(CalcEvaluator::numberText(value));
        break;
    }
    case Memory::Use:
        startEntry(true);
        insert(m_memory);
        m_showingResult = false;
        break;
    }
}

void Calculator::eClean() {
    setDisplay(QStringLiteral("0"));
    setExpression(QString());
    m_badSequence = false;
    m_showingResult = false;
}

double Calculator::displayNumber() const {
    QString text = m_display;
    return CalcEvaluator::readNumber(text.remove(u','));
}

// ---- Evaluation ----

void Calculator::eResult() {
    const QString repaired = CalcEvaluator::eCheckChrs(m_expression);
    if (CalcEvaluator::hasForbiddenPair(repaired)) m_badSequence = true;
    setExpression(CalcEvaluator::markBeforeLast(repaired));
    if (!CalcEvaluator::parenthesesBalanced(repaired) || m_badSequence) {
        showError();
        return;
    }
    const CalcOutcome outcome = CalcEvaluator::evaluate(m_expression);
    switch (outcome.kind) {
    case CalcOutcome::Kind::Value:
        eShowResult(outcome.value);
        break;
    case CalcOutcome::Kind::Error:
        showError();
        break;
    case CalcOutcome::Kind::Indefinite:
        showError();
        setExpression(m_expression + m_language(CalcTexts::Indefinite));
        break;
    case CalcOutcome::Kind::Indeterminate:
        showError();
        setExpression(m_expression + m_language(CalcTexts::Indeterminate));
        break;
    }
}

void Calculator::eShowResult(const QString& numberText) {
    setDisplay(CalcEvaluator::displayText(numberText));
    // The next operator continues from the result; this is done also for "error".
    setExpression(CalcEvaluator::markBeforeLast(m_display));
}

void Calculator::eAddHist(const QString& entry) {
    m_history.append(entry);
    Q_EMIT historyChanged();
}

// ---- Menus ----

void Calculator::mPaste_Click(const QString& clipboardText) {
    if (showingError()) return;
    QString text = clipboardText;
    // The mark is the calculator's own; "*" and "/" are the keyboard's signs for "×" and "÷".
    text.remove(CalcEvaluator::kMark);
    text.remove(u',');
    text.replace(u'*', CalcEvaluator::kTimes);
    text.replace(u'/', CalcEvaluator::kDivide);
    if (text.isEmpty()) return;
    startEntry(true);
    insert(text);
    m_showingResult = false;
}

void Calculator::mRaiz_Click() {
    if (showingError()) return;
    const QString typed = expressionText();
    if (typed.isEmpty()) return;
    const double value = CalcEvaluator::readNumber(typed);
    if (!CalcEvaluator::isSingleNumber(typed) || !std::isfinite(value) || value < 0.0) {
        showError();
        return;
    }
    eShowResult(CalcEvaluator::numberText(std::sqrt(value)));
    eAddHist(m_language(CalcTexts::RootOpen) + typed + m_language(CalcTexts::RootClose) + m_display);
}

void Calculator::mNeg_Click() {
    if (showingError()) return;
    const double value = displayNumber();
    if (!std::isfinite(value)) {
        showError();
        return;
    }
    const QString before = m_display;
    eShowResult(CalcEvaluator::numberText(-value));
    eAddHist(before + m_language(CalcTexts::SignEntry) + m_display);
}

void Calculator::mDel_Click() {
    eClean();
    setMemory(QStringLiteral("0"));
}

void Calculator::mErase_Click() {
    if (m_history.isEmpty()) return;
    m_history.clear();
    Q_EMIT historyChanged();
}

// ---- Keyboard ----

bool Calculator::txtAction_KeyDown(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        lblF_Click(Function::Equals);
        return true;
    case Qt::Key_Backspace:
        lblF_Click(Function::Correct);
        return true;
    case Qt::Key_Left:
        lblF_Click(Function::Left);
        return true;
    case Qt::Key_Right:
        lblF_Click(Function::Right);
        return true;
    case Qt::Key_Delete:
        eClean();
        return true;
    case Qt::Key_Home:
        eHome();
        return true;
    case Qt::Key_End:
        eEnd();
        return true;
    default:
        return false;
    }
}

bool Calculator::txtAction_KeyPress(QChar c) {
    if (c >= u'0' && c <= u'9') {
        lblN_Click(c.unicode() - u'0');
        return true;
    }
    switch (c.unicode()) {
    case u'.':
    case u',':
        lblN_Click(kPoint);
        return true;
    case u'(':
        lblN_Click(kOpenGroup);
        return true;
    case u')':
        lblN_Click(kCloseGroup);
        return true;
    case u'/':
        lblO_Click(Operator::Divide);
        return true;
    case u'*':
        lblO_Click(Operator::Multiply);
        return true;
    case u'-':
        lblO_Click(Operator::Minus);
        return true;
    case u'+':
        lblO_Click(Operator::Plus);
        return true;
    case u'=':
        lblF_Click(Function::Equals);
        return true;
    case u'%':
        lblF_Click(Function::Percent);
        return true;
    case u'M':
    case u'm':
        lblM_Click(Memory::Panel);
        return true;
    case u'>':
    case u'k':
    case u'K':
        lblM_Click(Memory::Add);
        return true;
    case u'<':
    case u'j':
    case u'J':
        lblM_Click(Memory::Subtract);
        return true;
    case u'R':
    case u'r':
        lblM_Click(Memory::Use);
        return true;
    default:
        return false;
    }
}

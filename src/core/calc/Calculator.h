#pragma once

#include "core/base/Language.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The calculator window's state and every key of it. The expression is typed as text with a cursor mark
// "&": the current character is the one after the mark, and a key's text goes in right after it. The
// display shows "0", the last result or "error"; while it reads "error" only a clear does anything.
class Calculator : public QObject {
    Q_OBJECT

public:
    // The keys, in the order of the window's key arrays (lblN, lblO, lblF, lblM). A digit key is its
    // digit; three more follow them.
    static constexpr int kDigitKeys = 13;
    static constexpr int kPoint = 10, kOpenGroup = 11, kCloseGroup = 12; // ".", "(", ")"
    enum class Operator { Divide, Multiply, Minus, Plus };
    enum class Function { Equals, Correct, CorrectToo, Percent, Left, Right, Clear };
    enum class Memory { Panel, Add, Subtract, Use };
    static constexpr int kOperatorKeys = 4;
    static constexpr int kFunctionKeys = 7;
    static constexpr int kMemoryKeys = 4;

    explicit Calculator(const Language& language, QObject* parent = nullptr);

    static QString digitCaption(int index);
    static QString operatorCaption(Operator key);

    const Language& language() const { return m_language; }

    // The expression line, with its cursor mark.
    const QString& expression() const { return m_expression; }
    QString expressionText() const;
    // The expression line's tooltip: the expression without its mark between blanks, or nothing.
    QString expressionTip() const;
    // Sets the expression line; every "," goes (a formatted result loses its group separators).
    void setExpression(QString text);

    const QString& display() const { return m_display; }
    bool showingError() const;

    // The memory as number text.
    const QString& memory() const { return m_memory; }
    bool memoryShown() const { return m_memoryShown; }

    const QStringList& history() const { return m_history; }
    // The history as one text: each entry after a blank, CR LF between entries.
    QString eList2Text() const;

    bool showingResult() const { return m_showingResult; }
    bool badSequence() const { return m_badSequence; }

    // The keys.
    void lblN_Click(int index);
    void lblO_Click(Operator key);
    void lblF_Click(Function key);
    void lblM_Click(Memory key);
    void eClean();
    void eHome();
    void eEnd();

    // The menu commands; copy gives the text for the clipboard, paste takes the clipboard's text.
    QString mCopy_Click() const { return m_display; }
    void mPaste_Click(const QString& clipboardText);
    void mRaiz_Click();
    void mNeg_Click();
    void mDel_Click();
    void mErase_Click();

    // The keyboard: the named keys (Enter, Backspace, arrows, Delete, Home, End) and the typed
    // characters. Both say whether the key belonged to the calculator.
    bool txtAction_KeyDown(int key);
    bool txtAction_KeyPress(QChar c);

    // Evaluates the expression and shows the value, or "error".
    void eResult();
    // Shows a number text grouped in the display and takes it over as the new expression.
    void eShowResult(const QString& numberText);
    void eAddHist(const QString& entry);

Q_SIGNALS:
    void expressionChanged();
    void displayChanged();
    void memoryChanged();
    void memoryPanelChanged();
    void historyChanged();

private:
    void setDisplay(const QString& text);
    void showError();
    void setMemory(const QString& text);
    // Inserts text after the current character; the mark ends before the text's last character.
    void insert(const QString& text);
    // A new calculation replaces a shown result or a lone "0".
    void startEntry(bool replaceZero);
    void deleteCurrent();
    void moveMark(int step);
    qsizetype markIndex() const { return m_expression.indexOf(u'&'); }
    double displayNumber() const;
    void percent();

    Language m_language;
    QString m_expression;
    QString m_display;
    QString m_memory;
    QStringList m_history;
    bool m_showingResult = false;
    bool m_badSequence = false;
    bool m_memoryShown = false;
};

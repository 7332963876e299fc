#pragma once

#include "core/base/Language.h"
#include "core/shop/ThemePalette.h"

#include <QMainWindow>

#include <array>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTimer;
class Calculator;
class LabelButton;

// The calculator window. It shows what the calculator model says and forwards keys, clicks and menu
// commands to it; the clipboard, the history panel's slide and fitting the display are its own.
// One window lives for the whole run, so its memory and history last as long as the program.
class CalcWindow : public QMainWindow {
    Q_OBJECT

public:
    CalcWindow(const Language& language, const ThemePalette& palette, QWidget* parent = nullptr);
    ~CalcWindow() override;

    Calculator& calculator() { return *m_calc; }
    // Paints the keys, the memory panel and the background from the theme colours.
    void applyTheme(const ThemePalette& palette);
    const ThemePalette& theme() const { return m_theme; }
    bool historyShown() const { return m_historyShown; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildDisplay(QWidget* central);
    void buildKeys(QWidget* central);
    void buildMenus();
    void setCaptions();
    LabelButton* addKey(QWidget* parent, const QString& caption, const QString& objectName, int restColour);
    void connectModel();

    // What follows a change of the model.
    void lblLong_Change();
    void lblPant_Change();
    void lblM_Change();
    void eList2Text();
    void showMemoryPanel();
    QString expressionHtml() const;

    void mCopy_Click();
    void mPaste_Click();
    void mList_Click();
    void tmrList_Timer();
    int onScreenLeft(int left, int width) const;

    Calculator* m_calc = nullptr;
    ThemePalette m_theme;
    bool m_historyShown = false;
    int m_slideLeft = 0;

    QFrame* m_frmePant = nullptr;
    QLabel* m_lblLong = nullptr;
    QLabel* m_lblPant = nullptr;
    QFrame* m_frmeButtons = nullptr;
    QFrame* m_frmeMemory = nullptr;
    QListWidget* m_lstHist = nullptr;
    QPlainTextEdit* m_txtHist = nullptr;
    QTimer* m_tmrList = nullptr;
    std::array<LabelButton*, 13> m_lblN{};
    std::array<LabelButton*, 4> m_lblO{};
    std::array<LabelButton*, 7> m_lblF{};
    std::array<LabelButton*, 4> m_lblM{};

    // Every key with the palette entry it rests on.
    struct KeyLook {
        LabelButton* key;
        int restColour;
    };
    std::vector<KeyLook> m_looks;

    QMenu* m_pop1 = nullptr;
    QMenu* m_pop2 = nullptr;
    QAction* m_mCopy = nullptr;
    QAction* m_mPaste = nullptr;
    QAction* m_mList = nullptr;
    QAction* m_mErase = nullptr;
    QAction* m_mRaiz = nullptr;
    QAction* m_mNeg = nullptr;
    QAction* m_mDel = nullptr;
};

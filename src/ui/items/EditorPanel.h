#pragma once

#include <QFrame>

class Counter;
class LabelButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;
class TextLoader;
class ThemeStyle;

// The editor panel frmeEdit: the item list or the day register as plain text (txtEditar), its search
// field (txtFindEdit) and the buttons save, close and find (lblButton1 to 3). It slides in over the
// window on the timer tmrAni and lies beside the band widget, as tall as it.
class EditorPanel : public QFrame {
    Q_OBJECT

public:
    EditorPanel(Counter& counter, QWidget* parent, QWidget* band);

    QPlainTextEdit* text() const { return m_txtEditar; }
    QLineEdit* finder() const { return m_txtFindEdit; }
    QTimer* timer() const { return m_tmrAni; }
    void applyTheme(const ThemeStyle& style);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectCounter();
    void closeEditor();
    void place();
    void save();
    void find();
    bool editorKeyDown(QKeyEvent* event);
    bool editorKeyPress(QKeyEvent* event);

    Counter& m_counter;
    QWidget* m_band = nullptr;
    QLabel* m_lblTitle = nullptr;
    QPlainTextEdit* m_txtEditar = nullptr;
    TextLoader* m_loader = nullptr;
    QLineEdit* m_txtFindEdit = nullptr;
    LabelButton* m_lblButton[4] = {};
    QTimer* m_tmrAni = nullptr;
};

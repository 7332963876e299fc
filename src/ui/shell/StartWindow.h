#pragma once

#include <QWidget>

#include <functional>

class QFrame;
class QTimer;
class LabelButton;

// The start window: the product name and a progress line that grows in 20 steps of 10 ms, then
// the main window opens and this window closes.
class StartWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSteps = 20;

    // openMain creates and shows the main window (once).
    explicit StartWindow(std::function<void()> openMain, QWidget* parent = nullptr);

    int progress() const { return m_goCount; }
    // One tick of the progress timer.
    void tmrGo_Timer();

private:
    void eGoForm();

    std::function<void()> m_openMain;
    int m_goCount = 0;
    QFrame* m_lnGo = nullptr;
    QTimer* m_tmrGo = nullptr;
};

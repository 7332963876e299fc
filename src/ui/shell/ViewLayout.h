#pragma once

#include "core/base/Language.h"
#include "core/shop/ThemePalette.h"

#include <QObject>
#include <QPoint>
#include <QSize>

class Dialogs;
class LabelButton;
class QMainWindow;
class QWidget;

// The two views of the main window. In the ordinary view the panel fills the window; maximised, the
// panel keeps its ordinary size, centred on the dark background, the shop's name and the side buttons
// follow it, the logo imgFirm sits at the bottom right, and the handle lblDrag moves the panel (double
// click centres it again). A click on the logo shows the About box.
class ViewLayout : public QObject {
    Q_OBJECT

public:
    // The panel's size in the maximised view (less where the screen is smaller).
    static constexpr QSize kPanelSize{1024, 640};
    // Margin around the panel in the ordinary view, and of the logo from the window's corner.
    static constexpr int kMargin = 8;

    // stage: the widget on the window's background that holds the header above the panel.
    ViewLayout(QMainWindow* window, QWidget* stage, QWidget* header, QWidget* panel, Dialogs& dialogs,
               const Language& language);

    void applyTheme(const ThemePalette& palette);
    void setPanelSize(const QSize& size) { m_panelSize = size; }
    // Places the window in the middle of its screen.
    void centreOnScreen();
    bool maximised() const;
    bool dragging() const { return m_dragging; }

    // lblDrag's handlers; in the ordinary view they do nothing.
    void dragStart();
    void dragTo(const QPoint& pointerInWindow);
    void dragEnd();
    void centre();
    void imgFirm_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void eChangeView();
    void Form_Resize();
    void placeOverlays();
    void setBackground(bool black);

    QMainWindow* m_window;
    QWidget* m_back;
    QWidget* m_stage;
    QWidget* m_header;
    QWidget* m_panel;
    Dialogs& m_dialogs;
    Language m_language;
    ThemePalette m_palette;
    LabelButton* m_imgFirm = nullptr;
    QWidget* m_lblDrag = nullptr;
    QSize m_panelSize = kPanelSize;
    bool m_dragging = false;
    bool m_shown = false;
    // The panel's top-left in the maximised view once it has been dragged; unset while centred.
    QPoint m_placed{-1, -1};
};

#include "ViewLayout.h"

#include "core/base/Ports.h"
#include "ui/widgets/Captions.h"
#include "ui/widgets/LabelButton.h"
#include "ui/widgets/ThemeStyle.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

// The drag handle: a small bar with three grip lines lnDrag(0..2).
class DragHandle : public QWidget {
public:
    DragHandle(ViewLayout& view, QWidget* parent) : QWidget(parent), m_view(view) {
        setObjectName(QStringLiteral("lblDrag"));
        setFixedSize(56, 12);
        setCursor(Qt::SizeAllCursor);
    }
    QColor lines;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(lines, 1));
        for (int i = 0; i < 3; ++i) // lnDrag(0) .. lnDrag(2)
            p.drawLine(8, 2 + 4 * i, width() - 9, 2 + 4 * i);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_view.dragStart();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const QWidget* back = static_cast<QMainWindow*>(window())->centralWidget();
        m_view.dragTo(back->mapFromGlobal(e->globalPosition().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent*) override { m_view.dragEnd(); }
    void mouseDoubleClickEvent(QMouseEvent*) override { m_view.centre(); }

private:
    ViewLayout& m_view;
};

QColor qcolour(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace

ViewLayout::ViewLayout(QMainWindow* window, QWidget* stage, QWidget* header, QWidget* panel, Dialogs& dialogs,
                       const Language& language)
    : QObject(window), m_window(window), m_back(window->centralWidget()), m_stage(stage), m_header(header),
      m_panel(panel), m_dialogs(dialogs), m_language(language) {
    // The header keeps its room while it is hidden during a drag, so the panel does not jump.
    QSizePolicy keep = m_header->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_header->setSizePolicy(keep);

    m_imgFirm = new LabelButton(QString(), m_back);
    m_imgFirm->setObjectName(QStringLiteral("imgFirm"));
    QIcon logo = QApplication::windowIcon();
    if (logo.availableSizes().isEmpty()) logo = QIcon(QStringLiteral(":/icons/io.github.vendel.Vendel.png"));
    m_imgFirm->setPixmap(logo.pixmap(30, 30));
    m_imgFirm->setFixedSize(32, 32);
    m_imgFirm->setAlignment(Qt::AlignCenter);
    m_imgFirm->setCursor(Qt::PointingHandCursor);
    m_imgFirm->setToolTip(QStringLiteral(" Vendel "));
    connect(m_imgFirm, &LabelButton::clicked, this, &ViewLayout::imgFirm_Click);

    auto* handle = new DragHandle(*this, m_panel);
    handle->setToolTip(m_language(Captions::TipDrag));
    m_lblDrag = handle;

    m_back->installEventFilter(this);
    m_header->installEventFilter(this); // the logo follows the side buttons once they are laid out
    m_window->installEventFilter(this);
    applyTheme(m_palette);
}

void ViewLayout::applyTheme(const ThemePalette& palette) {
    m_palette = palette;
    static_cast<DragHandle*>(m_lblDrag)->lines = qcolour(palette[4]);
    m_lblDrag->update();
}

bool ViewLayout::maximised() const {
    return m_window->isMaximized() || m_window->isFullScreen();
}

void ViewLayout::centreOnScreen() {
    const QScreen* screen = m_window->screen() ? m_window->screen() : QApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect frame = m_window->frameGeometry();
    frame.moveCenter(area.center());
    // A window larger than the screen keeps its top left corner on it.
    m_window->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

bool ViewLayout::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_back && event->type() == QEvent::Resize) ||
        (watched == m_window && event->type() == QEvent::WindowStateChange))
        Form_Resize();
    else if (watched == m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true; // opened in the middle of its screen, at the size it shows with
        centreOnScreen();
    } else if (watched == m_header && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeOverlays();
    return QObject::eventFilter(watched, event);
}

void ViewLayout::eChangeView() {
    // The panel's contents follow its height through the panel's own layout; here the stage (header
    // and panel) is placed and sized on the background. The window never gets smaller than the
    // stage's least size in the ordinary view.
    const QSize area = m_back->size();
    const QSize leastStage = m_stage->minimumSizeHint();
    m_back->setMinimumSize(leastStage + QSize(2 * kMargin, 4 + kMargin));
    if (!maximised()) {
        m_stage->setGeometry(kMargin, 4, area.width() - 2 * kMargin, area.height() - 4 - kMargin);
        return;
    }
    const int headerHeight = m_header->sizeHint().height() + m_stage->layout()->spacing();
    const QSize least = m_panel->minimumSizeHint();
    const int width = std::clamp(m_panelSize.width(), least.width(), std::max(least.width(), area.width()));
    const int height = std::clamp(m_panelSize.height(), least.height(),
                                  std::max(least.height(), area.height() - headerHeight - kMargin));
    QPoint at = m_placed;
    if (at.x() < 0) at = QPoint((area.width() - width) / 2, (area.height() - height + headerHeight) / 2);
    const int left = std::clamp(at.x(), 0, std::max(0, area.width() - width));
    const int top = std::clamp(at.y(), headerHeight, std::max(headerHeight, area.height() - height));
    m_stage->setGeometry(left, top - headerHeight, width, height + headerHeight);
}

void ViewLayout::Form_Resize() {
    if (m_window->isMinimized()) return;
    if (!maximised()) {
        m_placed = QPoint(-1, -1);
        if (m_dragging) dragEnd();
    }
    eChangeView();
    placeOverlays();
}

void ViewLayout::placeOverlays() {
    const QSize area = m_back->size();
    m_lblDrag->setVisible(maximised());
    m_lblDrag->move((m_panel->width() - m_lblDrag->width()) / 2, 0);
    m_lblDrag->raise();
    if (maximised()) {
        m_imgFirm->move(area.width() - m_imgFirm->width() - kMargin,
                        area.height() - m_imgFirm->height() - kMargin);
    } else {
        // In the ordinary view the logo sits in the header row, left of the side buttons.
        const QWidget* calc = m_header->findChild<QWidget*>(QStringLiteral("lblCalc"));
        const int right = calc ? m_header->mapTo(m_back, calc->pos()).x() : area.width() - kMargin;
        m_imgFirm->move(right - m_imgFirm->width() - 12, m_header->mapTo(m_back, QPoint(0, 0)).y() +
                                                             (m_header->height() - m_imgFirm->height()) / 2);
    }
    m_imgFirm->raise();
}

void ViewLayout::setBackground(bool black) {
    const ThemeStyle style(m_palette);
    m_back->setStyleSheet(black ? QStringLiteral("#shpFond { background:rgb(0,0,0); } ") + style.tooltip()
                                : style.background());
}

void ViewLayout::dragStart() {
    if (!maximised()) return;
    m_dragging = true;
    setBackground(true);
    m_header->hide();
    m_imgFirm->hide();
}

void ViewLayout::dragTo(const QPoint& pointerInWindow) {
    if (!m_dragging) return;
    // The pointer holds the handle at the panel's top middle.
    m_placed =
        QPoint(pointerInWindow.x() - m_panel->width() / 2, pointerInWindow.y() - m_lblDrag->height() / 2);
    eChangeView();
}

void ViewLayout::dragEnd() {
    if (!m_dragging) return;
    m_dragging = false;
    setBackground(false);
    m_header->show();
    m_imgFirm->show();
    placeOverlays();
}

void ViewLayout::centre() {
    if (!maximised()) return;
    m_placed = QPoint(-1, -1);
    eChangeView();
}

void ViewLayout::imgFirm_Click() {
    m_dialogs.about(m_language(Captions::AboutTitle),
                    m_language(Captions::AboutText) + QStringLiteral("\nVendel " VENDEL_VERSION));
}

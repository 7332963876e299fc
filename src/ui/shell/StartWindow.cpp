#include "StartWindow.h"

#include "ui/widgets/LabelButton.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

// Window units of the layout are twips; 15 twips make a pixel.
constexpr int px(int twips) {
    return twips / 15;
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

StartWindow::StartWindow(std::function<void()> openMain, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), m_openMain(std::move(openMain)) {
    setObjectName(QStringLiteral("frmInicio"));
    setWindowTitle(QStringLiteral("Vendel"));
    setFixedSize(px(7815), px(4455));
    setBackground(this, QColor(30, 120, 60));
    // In the middle of the screen, where the main window will open.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* name = new QLabel(QStringLiteral("Vendel"), this);
    name->setObjectName(QStringLiteral("lblName"));
    QFont big = name->font();
    big.setPointSize(36);
    big.setBold(true);
    name->setFont(big);
    name->setStyleSheet(QStringLiteral("color: white;"));
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 0, width(), height());

    const auto makeCorner = [this](const char* objectName, const QString& caption, const QString& tip,
                                   int left) {
        auto* label = new LabelButton(caption, this);
        label->setObjectName(QString::fromLatin1(objectName));
        label->setToolTip(tip);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(px(left), 0, px(495), px(495));
        label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        connect(label, &LabelButton::pressed, label, [label] {
            label->setStyleSheet(
                QStringLiteral("color: white; font-weight: bold; background: rgb(0,90,30);"));
        });
        connect(label, &LabelButton::released, label,
                [label] { label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;")); });
        return label;
    };
    auto* minimize = makeCorner("lblMin", QStringLiteral("_"), QStringLiteral(" Minimizar "), 6840);
    auto* close = makeCorner("lblEsc", QStringLiteral("x"), QStringLiteral(" Cerrar "), 7320);
    connect(minimize, &LabelButton::clicked, this, [this] { showMinimized(); });
    // Closing here ends the program before anything is read or written.
    connect(close, &LabelButton::clicked, this, [] { QApplication::exit(0); });

    m_lnGo = new QFrame(this);
    m_lnGo->setObjectName(QStringLiteral("lnGo"));
    setBackground(m_lnGo, QColor(254, 254, 254));
    m_lnGo->setGeometry(0, px(4420), 1, 2);

    m_tmrGo = new QTimer(this);
    m_tmrGo->setObjectName(QStringLiteral("tmrGo"));
    m_tmrGo->setInterval(10);
    connect(m_tmrGo, &QTimer::timeout, this, &StartWindow::tmrGo_Timer);
    m_tmrGo->start();
}

void StartWindow::tmrGo_Timer() {
    if (m_goCount < kSteps) {
        ++m_goCount;
        m_lnGo->resize(std::max(1, px(15 + 400 * m_goCount)), m_lnGo->height());
        return;
    }
    m_tmrGo->stop();
    eGoForm();
}

void StartWindow::eGoForm() {
    if (m_openMain) {
        auto open = std::move(m_openMain);
        m_openMain = nullptr;
        open();
    }
    close();
    deleteLater();
}

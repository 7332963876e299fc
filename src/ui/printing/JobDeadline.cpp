#include "JobDeadline.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace JobDeadline {

namespace {

std::function<void(bool)>& indicator() {
    static std::function<void(bool)> shown;
    return shown;
}
int g_waiting = 0;

// Refuses the user's input that reaches the program while a job waits.
class InputRefusal : public QObject {
public:
    InputRefusal() {
        if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
        if (g_waiting++ == 0 && indicator()) indicator()(true);
    }
    ~InputRefusal() override {
        if (--g_waiting == 0 && indicator()) indicator()(false);
    }
    InputRefusal(const InputRefusal&) = delete;
    InputRefusal& operator=(const InputRefusal&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

bool waitUntil(const std::function<bool()>& done, const QDeadlineTimer& deadline) {
    if (done()) return true;
    if (deadline.hasExpired()) return false;
    const InputRefusal refusal;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired()) loop.quit();
    });
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return done();
}

void setIndicator(std::function<void(bool printing)> shown) {
    indicator() = std::move(shown);
}

} // namespace JobDeadline

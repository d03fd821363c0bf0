#include "ServerWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>

namespace {

const char* const TicksThroughWaits = "ticksThroughWaits";
bool running = false;

// Input, and the window changes a screen answers with a read of its own
// (a window coming to the front refreshes its lists).
bool IsHeld(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::ActivationChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        return true;
    default:
        return false;
    }
}

// A screen's timer: a QTimer that belongs to a window.
bool IsHeldTimer(const QObject* receiver)
{
    return qobject_cast<const QTimer*>(receiver) && receiver->parent() && receiver->parent()->isWidgetType()
           && !receiver->property(TicksThroughWaits).toBool();
}

class InputHold : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (IsHeld(event->type())) {
            event->ignore();
            return true;
        }
        return event->type() == QEvent::Timer && IsHeldTimer(receiver);
    }
};

}

void ServerWait::KeepScreensAliveFor(std::chrono::milliseconds duration)
{
    InputHold hold;
    QCoreApplication::instance()->installEventFilter(&hold);
    const bool outer = !running;
    running = true;
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
    if (outer)
        running = false;
    QCoreApplication::instance()->removeEventFilter(&hold);
}

bool ServerWait::Running() { return running; }

void ServerWait::TickThroughWaits(QObject& timer) { timer.setProperty(TicksThroughWaits, true); }

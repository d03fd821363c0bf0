#include "StartupWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <sys/resource.h>

namespace {

void ReportProcessorTime()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0; };
    std::printf("%.3f\n", ms(usage.ru_utime) + ms(usage.ru_stime));
    std::fflush(stdout);
}

// Lets the window handle its first exposure (drawing and flushing its
// frame), then reports, before anything the program queued for after it.
class FirstFrame : public QObject {
public:
    bool reported = false;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Expose || reported)
            return false;
        watched->removeEventFilter(this);
        watched->event(event);
        if (static_cast<QWindow*>(watched)->isExposed()) {
            ReportProcessorTime();
            reported = true;
        } else {
            watched->installEventFilter(this);
        }
        return true;
    }
};

}

bool ReportOnceDrawn(QWidget& window)
{
    FirstFrame frame;
    QWindow* handle = window.windowHandle();
    if (!handle)
        return false;
    if (handle->isExposed()) {  // drawn while it was shown
        ReportProcessorTime();
        return true;
    }
    handle->installEventFilter(&frame);
    const QDeadlineTimer deadline(5000);
    while (!frame.reported && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    handle->removeEventFilter(&frame);
    return frame.reported;
}

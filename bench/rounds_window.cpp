#include "rounds_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "bench_mainform.h"

namespace vellorin::bench {
namespace {

// Notes when one of some objects gets an event of a type (a widget its paint, a timer its
// tick).
class EventWatch : public QObject {
public:
    EventWatch(const QList<QObject*>& watched, QEvent::Type type) : type_(type) {
        for (QObject* object : watched) {
            object->installEventFilter(this);
        }
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_ && !seen) {
            seen = true;
            seenNs = clock.nsecsElapsed();
        }
        return false;
    }
    // Until the event has come and been handled, the drawing flushed with it, or 5 s have
    // passed (a list never shown is never drawn); whether it came.
    bool Await() {
        QTimer deadline;  // wakes the wait to end it
        deadline.setSingleShot(true);
        deadline.start(5000);
        while (!seen && deadline.isActive()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return seen;
    }
    void Reset() { seen = false; }

    static inline QElapsedTimer clock;
    bool seen = false;
    qint64 seenNs = 0;

private:
    QEvent::Type type_;
};

void Settle(int ms) {
    QEventLoop idle;
    QTimer::singleShot(ms, &idle, &QEventLoop::quit);
    idle.exec();
}

double MsSince(qint64 ns) {
    return static_cast<double>(EventWatch::clock.nsecsElapsed() - ns) / 1e6;
}

}  // namespace

int MeasureInWindow(const QString& data, const QString& file) {
    EventWatch::clock.start();
    BenchMainform form(data, file);
    form.Form_Load();
    form.PreloadCues();
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    Settle(300);  // drawn and idle
    auto* list = form.findChild<QListWidget*>(QStringLiteral("RoundsList"));
    // Start writes the intro's count, the first tick the session's length.
    const QList<QObject*> clocks{form.findChild<QLabel*>(QStringLiteral("SequenceTimeLbl")),
                                 form.findChild<QLabel*>(QStringLiteral("SessionClock"))};
    auto* timer = form.findChild<QTimer*>(QStringLiteral("SecondsTimer"));

    EventWatch listDrawn({list->viewport()}, QEvent::Paint);
    qint64 asked = EventWatch::clock.nsecsElapsed();
    form.findChild<QAction*>(QStringLiteral("load"))->trigger();
    const double builtMs = MsSince(asked);
    const double listShownMs = listDrawn.Await() ? MsSince(asked) : -1;
    const bool shown = list->isVisible();
    Settle(300);

    EventWatch labelsDrawn(clocks, QEvent::Paint);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    asked = EventWatch::clock.nsecsElapsed();
    QApplication::sendEvent(&form, &press);
    const double startedMs = MsSince(asked);
    const double startShownMs = labelsDrawn.Await() ? MsSince(asked) : -1;
    QApplication::sendEvent(&form, &release);
    if (!timer->isActive()) {
        std::printf("message: Start refused the table\n");
        return 1;
    }

    // The tick's timer event comes before the window's handler, this connection after it.
    EventWatch tick({timer}, QEvent::Timer);
    qint64 handledNs = -1;
    QObject::connect(timer, &QTimer::timeout, &form, [&handledNs, &labelsDrawn] {
        if (handledNs < 0) {
            handledNs = EventWatch::clock.nsecsElapsed();
            labelsDrawn.Reset();  // the drawing of the tick's labels, not of Start's
        }
    });
    while (handledNs < 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const double tickShownMs = labelsDrawn.Await() ? MsSince(tick.seenNs) : -1;
    std::printf("window %.3f %.3f %lld %d %.3f %.3f %.3f %.3f\n", builtMs, listShownMs,
                static_cast<long long>(list->count()), shown ? 1 : 0, startedMs, startShownMs,
                static_cast<double>(handledNs - tick.seenNs) / 1e6, tickShownMs);
    return 0;
}

}  // namespace vellorin::bench

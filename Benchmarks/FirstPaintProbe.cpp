// Preloaded (LD_PRELOAD) into the unchanged application by the performance table, which times
// the start-up from outside: once the main window has painted for the first time, the probe
// writes the monotonic clock to standard error and ends the process on the spot, before the
// application could save any settings.

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {

void reportAndQuit() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "first paint at %lld ns\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stderr);
    std::_Exit(0);
}

class FirstPaintWatcher final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched) != nullptr) {
            // Queued: the paint of the window's children follows in the same update.
            QTimer::singleShot(0, &reportAndQuit);
        }
        return false;
    }
};

void watchForFirstPaint() {
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatcher);
}

}  // namespace

// Runs when the application object is made.
Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)

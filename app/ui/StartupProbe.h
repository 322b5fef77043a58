#pragma once
// Start-up milestones on the logging category "tabulon.startup". The category
// is off unless asked for (QT_LOGGING_RULES="tabulon.startup.info=true"), so a
// student sees nothing; the install test and the start-up benchmark read it.
// Header only: the benchmark's bare Qt program reports its first frame with
// the same code.

#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <ctime>

inline const QLoggingCategory& startupLog() {
    static const QLoggingCategory category("tabulon.startup", QtWarningMsg);
    return category;
}

// Reports "frame shown <ns> cpu <ns>" once, when the window's first frame
// has been painted: the steady clock's nanoseconds (the monotonic clock that
// a launcher reads too) and the processor time the process has used so far.
// Call before show().
inline void reportFirstFrame(QWidget* window) {
    if (!startupLog().isInfoEnabled())
        return;
    struct FirstPaint final : QObject {
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // Queued: runs once the whole frame has been painted and shown.
                QTimer::singleShot(0, this, [this] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    timespec cpu{};
                    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                    qCInfo(startupLog).nospace()
                        << "frame shown "
                        << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                        << " cpu " << cpu.tv_sec * 1000000000LL + cpu.tv_nsec;
                    deleteLater();
                });
            }
            return false;
        }
    };
    window->installEventFilter(new FirstPaint(window));
}

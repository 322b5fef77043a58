#pragma once
// Start-up milestones on the logging category "tabulon.startup". The category
// is off unless asked for (QT_LOGGING_RULES="tabulon.startup.info=true"), so a
// student sees nothing; the install test and the start-up benchmark read it.
// Header only: the benchmark's bare Qt program reports its first frame with
// the same code.

#include <sys/resource.h>

#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

inline const QLoggingCategory& startupLog() {
    static const QLoggingCategory category("tabulon.startup", QtWarningMsg);
    return category;
}

// Reports "<what> <ns> cpu <ns> peak <kB> faults <n>": the steady clock's
// nanoseconds (the monotonic clock that a launcher reads too), the processor
// time the process has used so far, its peak memory (VmHWM) and the page
// faults it has taken, at this moment.
inline void reportMilestone(const char* what) {
    if (!startupLog().isInfoEnabled())
        return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    timespec cpu{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    long long peakKb = 0;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            peakKb = std::stoll(line.substr(6));
    qCInfo(startupLog).nospace()
        << what << ' ' << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
        << " cpu " << cpu.tv_sec * 1000000000LL + cpu.tv_nsec << " peak " << peakKb << " faults "
        << usage.ru_minflt + usage.ru_majflt;
}

// Calls `then` once, when the window's first frame has been painted and
// shown: the first paint event is seen, and `then` is queued behind it so
// that the whole frame is on the screen first. Call before show().
inline void afterFirstFrame(QWidget* window, std::function<void()> then) {
    struct FirstPaint final : QObject {
        FirstPaint(QObject* parent, std::function<void()> f)
            : QObject(parent), then(std::move(f)) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                QTimer::singleShot(0, this, [this] {
                    then();
                    deleteLater();
                });
            }
            return false;
        }
        std::function<void()> then;
    };
    window->installEventFilter(new FirstPaint(window, std::move(then)));
}

// Reports "frame shown …" once, when the window's first frame is shown.
inline void reportFirstFrame(QWidget* window) {
    if (startupLog().isInfoEnabled())
        afterFirstFrame(window, [] { reportMilestone("frame shown"); });
}

#include "platform/pumping_wait.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <climits>
#include <utility>

namespace zandrel {
namespace {

std::function<std::uint32_t()>& TickCountSource() {
    static std::function<std::uint32_t()> source;
    return source;
}

std::uint32_t MonotonicMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

std::uint32_t GetTickCount() {
    const auto& source = TickCountSource();
    return source ? source() : MonotonicMilliseconds();
}

std::function<std::uint32_t()> SetTickCountSource(std::function<std::uint32_t()> source) {
    return std::exchange(TickCountSource(), std::move(source));
}

void PumpingWait(std::uint32_t milliseconds) {
    const std::uint32_t start = GetTickCount();
    for (;;) {
        const std::uint32_t elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) {
            return;
        }
        // The loop sleeps until an event or the timer; every event that arrives meanwhile is
        // dispatched. The tick count, not the timer, decides when the wait is over.
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(static_cast<int>(std::min<std::uint32_t>(milliseconds - elapsed, INT_MAX)));
        loop.exec();
        if (deadline.isActive()) {
            return; // the application is quitting and ends every event loop
        }
    }
}

} // namespace zandrel

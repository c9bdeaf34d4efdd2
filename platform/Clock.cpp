#include "Clock.h"

#include "Timer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace {

struct QtTimerData final : Timer::ClockData {
    QTimer qtimer;
};

} // namespace

struct RealClock::Impl {
    QElapsedTimer elapsed;
};

RealClock::RealClock() : impl_(std::make_unique<Impl>()) {
    impl_->elapsed.start();
}

RealClock::~RealClock() = default;

qint64 RealClock::nowMs() const {
    return impl_->elapsed.elapsed();
}

void RealClock::start(Timer& timer) {
    auto* data = dynamic_cast<QtTimerData*>(timer.clockData.get());
    if (!data) {
        auto owned = std::make_unique<QtTimerData>();
        data = owned.get();
        // Coarse timers drift by several percent; the level timer must not.
        data->qtimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&data->qtimer, &QTimer::timeout, [&timer] { timer.fire(); });
        timer.clockData = std::move(owned);
    }
    data->qtimer.start(timer.interval());
}

void RealClock::stop(Timer& timer) {
    if (auto* data = dynamic_cast<QtTimerData*>(timer.clockData.get()))
        data->qtimer.stop();
}

void RealClock::forget(Timer& timer) {
    timer.clockData.reset();
}

void VirtualClock::advance(qint64 ms) {
    const qint64 target = now_ + ms;
    for (;;) {
        auto next = std::min_element(entries_.begin(), entries_.end(), [](auto& a, auto& b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == entries_.end() || next->due > target)
            break;
        now_ = std::max(now_, next->due);
        Timer* timer = next->timer;
        next->due += std::max(1, timer->interval());
        next->order = nextOrder_++;
        timer->fire();
    }
    now_ = std::max(now_, target);
}

void VirtualClock::start(Timer& timer) {
    forget(timer);
    entries_.push_back({&timer, now_ + std::max(1, timer.interval()), nextOrder_++});
}

void VirtualClock::stop(Timer& timer) {
    forget(timer);
}

void VirtualClock::forget(Timer& timer) {
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

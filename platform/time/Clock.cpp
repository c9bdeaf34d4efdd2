#include "Clock.h"

#include "Timer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {

// A tick may come this much after its time. Every wake-up runs all that is due, so the next
// comes a whole frame later at the earliest: at most one wake-up per frame, however many
// timers run (three ticks of each 10 ms timer, one of the 30 ms target timer). The schedule
// itself never moves, so a timer keeps its rate.
qint64 slackMs(const Timer& timer) {
    return timer.punctual() ? 0 : Clock::frameMs - 1;
}

// Ticks up to this late are made up, so that a busy machine does not slow the game down.
constexpr qint64 maxBacklogMs = 50;

} // namespace

void TimerSchedule::start(Timer& timer, qint64 now) {
    forget(timer);
    entries_.push_back({&timer, now + std::max(1, timer.interval()), nextOrder_++});
}

void TimerSchedule::forget(Timer& timer) {
    std::erase_if(entries_, [&](const Entry& e) { return e.timer == &timer; });
}

TimerSchedule::Entry* TimerSchedule::first() {
    auto next = std::min_element(entries_.begin(), entries_.end(), [](auto& a, auto& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    return next == entries_.end() ? nullptr : &*next;
}

void TimerSchedule::ticked(Entry& entry, qint64 now) {
    const qint64 interval = std::max(1, entry.timer->interval());
    entry.due = now - entry.due > maxBacklogMs ? now + interval : entry.due + interval;
    entry.order = nextOrder_++;
}

struct RealClock::Impl {
    QElapsedTimer elapsed;
    // The one Qt timer: it wakes the program when the first timer's slack has run out.
    QTimer wake;
    qint64 wakeAt = -1;
    TimerSchedule schedule;

    void fireDue();
    void arm();
};

RealClock::RealClock() : impl_(std::make_unique<Impl>()) {
    impl_->elapsed.start();
    impl_->wake.setSingleShot(true);
    impl_->wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&impl_->wake, &QTimer::timeout, [this] { impl_->fireDue(); });
}

RealClock::~RealClock() = default;

qint64 RealClock::nowMs() const {
    return impl_->elapsed.elapsed();
}

void RealClock::wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs every timer that is due, in the order they became due, like the virtual clock.
void RealClock::Impl::fireDue() {
    wakeAt = -1;
    const qint64 now = elapsed.elapsed();
    while (TimerSchedule::Entry* next = schedule.first()) {
        if (next->due > now)
            break;
        Timer* timer = next->timer;
        schedule.ticked(*next, now);
        // Armed before the tick: a handler that opens a message box waits in a nested event
        // loop, in which the other timers go on.
        arm();
        timer->fire();
    }
    arm();
}

void RealClock::Impl::arm() {
    qint64 at = -1;
    for (const TimerSchedule::Entry& e : schedule.entries()) {
        const qint64 latest = e.due + slackMs(*e.timer);
        if (at < 0 || latest < at)
            at = latest;
    }
    if (at == wakeAt)
        return;
    wakeAt = at;
    if (at < 0)
        wake.stop();
    else
        wake.start(static_cast<int>(std::max<qint64>(0, at - elapsed.elapsed())));
}

void RealClock::start(Timer& timer) {
    impl_->schedule.start(timer, nowMs());
    impl_->arm();
}

void RealClock::stop(Timer& timer) {
    forget(timer);
}

void RealClock::forget(Timer& timer) {
    impl_->schedule.forget(timer);
    impl_->arm();
}

void VirtualClock::advance(qint64 ms) {
    const qint64 target = now_ + ms;
    while (TimerSchedule::Entry* next = schedule_.first()) {
        if (next->due > target)
            break;
        now_ = std::max(now_, next->due);
        Timer* timer = next->timer;
        schedule_.ticked(*next, now_);
        timer->fire();
    }
    now_ = std::max(now_, target);
}

void VirtualClock::start(Timer& timer) {
    schedule_.start(timer, now_);
}

void VirtualClock::stop(Timer& timer) {
    forget(timer);
}

void VirtualClock::forget(Timer& timer) {
    schedule_.forget(timer);
}

qint64 VirtualClock::nextDueMs() {
    const TimerSchedule::Entry* next = schedule_.first();
    return next ? next->due : -1;
}

void VirtualClock::stall(qint64 ms) {
    if (onStall)
        onStall(now_, now_ + ms);
    now_ += ms;
}

PacedClock::PacedClock(Clock& driver)
    : driver_(driver), pacer_(std::make_unique<Timer>(driver, 1, [this] { catchUp(); })) {
    pacer_->setNested(true);
    advance(driver.nowMs());
}

PacedClock::~PacedClock() = default;

void PacedClock::catchUp() {
    const qint64 target = driver_.nowMs();
    if (target > nowMs()) {
        ++catchingUp_;
        // Late beyond the backlog: the jump a stopped program makes on the real clock.
        if (const qint64 due = nextDueMs(); due >= 0 && target - due > maxBacklogMs) {
            stall(target - nowMs());
            advance(0);
        } else {
            advance(target - nowMs());
        }
        --catchingUp_;
    }
    arm();
}

void PacedClock::moveOnQuietly() {
    qint64 target = driver_.nowMs();
    if (const qint64 due = nextDueMs(); due >= 0)
        target = std::min(target, due - 1);
    if (target > nowMs())
        advance(target - nowMs());
}

// Within a catch-up the pacer is set once, at its end.
void PacedClock::start(Timer& timer) {
    VirtualClock::start(timer);
    if (catchingUp_ == 0)
        arm();
}

void PacedClock::stop(Timer& timer) {
    VirtualClock::stop(timer);
    if (catchingUp_ == 0)
        arm();
}

void PacedClock::forget(Timer& timer) {
    VirtualClock::forget(timer);
    if (catchingUp_ == 0)
        arm();
}

void PacedClock::arm() {
    const qint64 due = nextDueMs();
    if (due == armedFor_)
        return;
    armedFor_ = due;
    pacer_->setEnabled(false);
    if (due < 0)
        return;
    pacer_->setInterval(int(std::max<qint64>(1, due - driver_.nowMs())));
    pacer_->setEnabled(true);
}

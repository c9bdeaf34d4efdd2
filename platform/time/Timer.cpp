#include "Timer.h"

#include "Clock.h"

Timer::Timer(Clock& clock, int intervalMs, std::function<void()> onTick)
    : clock_(clock), interval_(intervalMs), onTick_(std::move(onTick)) {}

Timer::~Timer() {
    *alive_ = false;
    clock_.forget(*this);
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        clock_.start(*this);
    else
        clock_.stop(*this);
}

void Timer::fire() {
    if ((inTick_ && !nested_) || !onTick_)
        return;
    const bool outer = !inTick_;
    inTick_ = true;
    const std::shared_ptr<bool> alive = alive_;
    onTick_();
    if (*alive && outer)
        inTick_ = false;
}

#pragma once

#include <functional>
#include <memory>

class Clock;

// A form's timer: fires its tick about every interval milliseconds while enabled.
// Enabling a running timer keeps its schedule; disabling and enabling starts a fresh
// interval. A tick whose handler is still running (waiting in a message box) is skipped.
class Timer {
public:
    Timer(Clock& clock, int intervalMs, std::function<void()> onTick = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return interval_; }
    // Takes effect at the next start.
    void setInterval(int intervalMs) { interval_ = intervalMs; }
    void setOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }
    const std::function<void()>& onTick() const { return onTick_; }
    // On the real clock a tick may come up to a frame late, to share a wake-up with the
    // others; a punctual timer ticks on time (the frames themselves, which keep the movies'
    // pace).
    bool punctual() const { return punctual_; }
    void setPunctual(bool punctual) { punctual_ = punctual; }
    // A nested timer ticks even while its own handler waits in a nested event loop: it drives
    // other timers, which must go on while one of theirs shows a box.
    void setNested(bool nested) { nested_ = nested; }

    // Runs one tick now; the clock calls it when the interval has passed.
    void fire();

private:
    Clock& clock_;
    int interval_;
    bool enabled_ = false;
    bool inTick_ = false;
    bool punctual_ = false;
    bool nested_ = false;
    std::function<void()> onTick_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

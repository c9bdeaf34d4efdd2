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
    void setOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }
    // On the real clock a tick may come up to a frame late, to share a wake-up with the
    // others; a punctual timer ticks on time (the frames themselves, which keep the movies'
    // pace).
    bool punctual() const { return punctual_; }
    void setPunctual(bool punctual) { punctual_ = punctual; }

    // Runs one tick now; the clock calls it when the interval has passed.
    void fire();

private:
    Clock& clock_;
    int interval_;
    bool enabled_ = false;
    bool inTick_ = false;
    bool punctual_ = false;
    std::function<void()> onTick_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class Timer;

// Where timers get their ticks from. The game runs on RealClock; tests run on VirtualClock,
// where a minute of play takes milliseconds and comes out the same every time.
class Clock {
public:
    // The length of a frame: the program paints at most once in each slot of this many
    // milliseconds (a target's step, three of a bullet's; every frame costs the X server a
    // wake-up, and the movies run at 24 a second), and the real clock runs the timers due
    // within one frame together.
    static constexpr int frameMs = 30;

    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    // Lets this much time pass where the caller stands, the timers going on meanwhile: the real
    // clock runs the event loop, the virtual clock advances.
    virtual void wait(int ms) = 0;

protected:
    friend class Timer;
    // Begins a fresh interval for the timer, counting from now.
    virtual void start(Timer& timer) = 0;
    virtual void stop(Timer& timer) = 0;
    // Called when the timer goes away, so the clock forgets it.
    virtual void forget(Timer& timer) = 0;
};

// The running timers' next ticks, taken in time order, ties in the order they became due.
// Both clocks keep their timers in one.
class TimerSchedule {
public:
    struct Entry {
        Timer* timer;
        qint64 due;
        quint64 order;
    };

    // A fresh interval for the timer, counting from now.
    void start(Timer& timer, qint64 now);
    void forget(Timer& timer);
    // The entry due first, or null when no timer runs.
    Entry* first();
    // The entry's tick is taken at `now`: its next is one interval later. A tick later than a
    // short backlog (the program was stopped, or the machine stalled) is taken once, and the
    // timer's schedule starts afresh from now, so a stall never brings a burst of ticks.
    void ticked(Entry& entry, qint64 now);
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
    quint64 nextOrder_ = 0;
};

// Real time. A tick may come up to a frame after its time, so that the timers due within one
// frame tick in one wake-up of the program, in the order they became due, just before the
// frame that shows what they did; each keeps its own schedule, so its rate does not change.
class RealClock final : public Clock {
public:
    RealClock();
    ~RealClock() override;
    qint64 nowMs() const override;
    void wait(int ms) override;

protected:
    void start(Timer& timer) override;
    void stop(Timer& timer) override;
    void forget(Timer& timer) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

class VirtualClock : public Clock {
public:
    qint64 nowMs() const override { return now_; }
    void wait(int ms) override { advance(ms); }

    // Moves time forward, firing every due timer in time order (ties in the order they
    // became due). A tick may itself advance the clock, as a test's message box does.
    void advance(qint64 ms);
    // Time passes as for a stopped program: no timer ticks until the next advance, which
    // takes each late timer's tick once. Told to onStall first.
    void stall(qint64 ms);
    std::function<void(qint64 from, qint64 to)> onStall;
    // Moves time on as far as it may without a tick, for something from outside the ticks
    // (a key, a closed box) to come at; a virtual clock moves only when it is advanced.
    virtual void moveOnQuietly() {}
    std::size_t runningTimers() const { return schedule_.entries().size(); }
    // When the first running timer ticks next; -1 when none runs.
    qint64 nextDueMs();

protected:
    void start(Timer& timer) override;
    void stop(Timer& timer) override;
    void forget(Timer& timer) override;

private:
    qint64 now_ = 0;
    TimerSchedule schedule_;
};

// Game time: virtual time that the driving clock moves on as real time passes, so that every
// tick and every input of a game happens at a time the game can name, and the same inputs at
// those times on a virtual clock repeat the game tick for tick. A tick later than the backlog
// (the program was stopped, the machine starved it) is a stall, as on the real clock.
class PacedClock final : public VirtualClock {
public:
    explicit PacedClock(Clock& driver);
    ~PacedClock() override;
    void moveOnQuietly() override;

protected:
    void start(Timer& timer) override;
    void stop(Timer& timer) override;
    void forget(Timer& timer) override;

private:
    void catchUp();
    void arm();

    Clock& driver_;
    // Wakes the game when its first timer is due; ticks on while a game handler waits in a box.
    std::unique_ptr<Timer> pacer_;
    qint64 armedFor_ = -1;
    int catchingUp_ = 0;
};

#include "Timer.h"
#include "Clock.h"
#include "Doubles.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

namespace {

struct Tick {
    char timer;
    qint64 at;
    bool operator==(const Tick&) const = default;
};

} // namespace

// Enabling a running timer keeps its schedule, as a held fire key does with every repeat;
// disabling and enabling it starts a fresh interval; a disabled timer never fires. Steps:
// "on", "off", or "+ms" of time.
TEST(Timer, OnlyAStoppedTimerStartsAFreshInterval) {
    const struct {
        int interval;
        const char* steps;
        std::vector<qint64> ticks;
    } rows[] = {{100, "on +60 on +60", {100}},
                {100, "on +90 off on +99", {}},
                {100, "on +90 off on +100", {190}},
                {10, "+100 on +25 off +100", {110, 120}}};
    for (const auto& row : rows) {
        VirtualClock clock;
        std::vector<qint64> ticks;
        Timer timer(clock, row.interval, [&] { ticks.push_back(clock.nowMs()); });
        for (const QByteArray& step : QByteArray(row.steps).split(' ')) {
            if (step.startsWith('+'))
                clock.advance(step.mid(1).toInt());
            else
                timer.setEnabled(step == "on");
        }
        EXPECT_EQ(ticks, row.ticks) << row.steps;
    }
}

TEST(Timer, HandlerWaitingInAMessageBoxIsNotReenteredWhileOthersFire) {
    VirtualClock clock;
    RecordingMessageBox box;
    QWidget owner;
    int slowTicks = 0, fastTicks = 0;
    box.whileOpen = [&](const QString&) { clock.advance(100); };
    Timer slow(clock, 10, [&] {
        ++slowTicks;
        box.show(owner, "wait");
    });
    Timer fast(clock, 10, [&] { ++fastTicks; });
    slow.setEnabled(true);
    fast.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(slowTicks, 1);
    EXPECT_EQ(box.texts.size(), 1u);
    EXPECT_GE(fastTicks, 10); // the other timer ran all the while the box was open
    clock.advance(10);
    EXPECT_EQ(slowTicks, 2); // and the waiting handler ticks again once it has returned
}

TEST(VirtualClock, TimerStoppedByAnotherTickDoesNotFire) {
    VirtualClock clock;
    int ticks = 0;
    Timer victim(clock, 20, [&] { ++ticks; });
    Timer stopper(clock, 10, [&] { victim.setEnabled(false); });
    stopper.setEnabled(true);
    victim.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(ticks, 0);
}

// A stopped program (kill -STOP, a stalled machine) takes each late tick once and then keeps
// the timer's rate; a short delay is made up tick by tick.
TEST(VirtualClock, AStallTicksEachLateTimerOnceThenKeepsItsRate) {
    struct Row {
        int interval;
        qint64 ranBefore, stall;
        int ticksAfterStall;
    };
    for (const Row& row : {Row{10000, 5000, 12000, 1}, Row{10000, 5000, 25000, 1},
                           Row{10000, 9000, 45000, 1}, Row{10, 0, 40, 4}, Row{10, 0, 200, 1}}) {
        SCOPED_TRACE(row.stall);
        VirtualClock clock;
        int ticks = 0;
        Timer timer(clock, row.interval, [&] { ++ticks; });
        timer.setEnabled(true);
        clock.advance(row.ranBefore);
        const int before = ticks;
        clock.stall(row.stall);
        clock.advance(0);
        EXPECT_EQ(ticks - before, row.ticksAfterStall);
        clock.advance(row.interval - 1);
        EXPECT_EQ(ticks - before, row.ticksAfterStall) << "a tick before its interval";
        clock.advance(1);
        EXPECT_EQ(ticks - before, row.ticksAfterStall + 1) << "the rate after the stall";
    }
}
// Game time keeps the driver's pace: its timers tick when the driver's would, in time order
// (ties in the order they became due), a timer waiting in a box lets the others go on,
// something from outside comes just before a due tick, and a stall of the driver is told and
// taken as on the real clock.
TEST(PacedClock, KeepsTheDriversPaceAndTellsItsStalls) {
    VirtualClock driver;
    PacedClock game(driver);
    std::vector<Tick> ticks;
    std::vector<std::pair<qint64, qint64>> stalls;
    game.onStall = [&](qint64 from, qint64 to) { stalls.emplace_back(from, to); };
    Timer fast(game, 10, [&] { ticks.push_back({'f', game.nowMs()}); });
    Timer slow(game, 30, [&] {
        ticks.push_back({'s', game.nowMs()});
        driver.advance(20); // as the real clock does while a box is open
    });
    fast.setEnabled(true);
    slow.setEnabled(true);
    driver.advance(35);
    EXPECT_EQ(ticks, (std::vector<Tick>{
                         {'f', 10}, {'f', 20}, {'s', 30}, {'f', 30}, {'f', 40}, {'f', 50}}));
    slow.setEnabled(false);
    driver.stall(14); // the driver is ahead of game time, as the real clock's slack allows
    game.moveOnQuietly();
    EXPECT_EQ(game.nowMs(), 59); // the fast timer is due at 60
    ticks.clear();
    driver.advance(0);
    driver.stall(200);
    driver.advance(0);
    EXPECT_EQ(stalls, (std::vector<std::pair<qint64, qint64>>{{64, 264}}));
    EXPECT_EQ(ticks, (std::vector<Tick>{{'f', 60}, {'f', 264}}));
    driver.advance(10);
    EXPECT_EQ(ticks.back(), (Tick{'f', 274}));
}

TEST(RealClock, OtherTimersGoOnWhileAHandlerWaitsInANestedLoopAndAStoppedOneTicksNoMore) {
    RealClock clock;
    int fastTicks = 0, waits = 0;
    bool othersWentOn = false;
    Timer fast(clock, 5, [&] { ++fastTicks; });
    Timer slow(clock, 10);
    slow.setOnTick([&] {
        // As a message box does: the handler waits in an event loop of its own.
        const int before = fastTicks;
        othersWentOn = QTest::qWaitFor([&] { return fastTicks >= before + 3; }, 2000);
        ++waits;
        slow.setEnabled(false);
    });
    fast.setEnabled(true);
    slow.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return waits > 0; }, 10000));
    EXPECT_TRUE(othersWentOn);
    QTest::qWait(50);
    EXPECT_EQ(waits, 1);
}

// The order of ticks comes from the schedule both clocks share (see the paced clock's test).
TEST(RealClock, TimersDueWithinAFrameShareOneWakeUp) {
    RealClock clock;
    quint64 passes = 0;
    QObject context;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &context, [&] { ++passes; });
    std::vector<quint64> ticks; // the pass of the event loop each ran in
    Timer first(clock, 10, [&] { ticks.push_back(passes); });
    Timer second(clock, 10, [&] { ticks.push_back(passes); });
    first.setEnabled(true);
    second.setEnabled(true);
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 ms = elapsed.elapsed();

    ASSERT_GE(ticks.size(), 20u);
    const std::set<quint64> wakeUps(ticks.begin(), ticks.end());
    EXPECT_LE(wakeUps.size(), std::size_t(ms / Clock::frameMs + 2));
}

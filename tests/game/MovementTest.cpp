#include "GameFixture.h"

// Each mover steps Gorvan five pixels every 10 ms and stops at its edge without clamping: the
// strip's height above, the field's edges elsewhere (an edge reached exactly stops him there,
// one less than a step short lets him step past it). Two movers go on independently.
TEST_F(Rules, GorvanStepsUntilAnEdgeStopsEachMover) {
    using Movers = std::vector<Timer Game::*>;
    const struct {
        QPointF from;
        Movers movers;
        int ms;
        QPointF to;
        Movers running;
    } rows[] = {
        {{0, 100}, {&Game::tmrLeft}, 10, {0, 100}, {}},
        {{3, 100}, {&Game::tmrLeft}, 10, {-2, 100}, {&Game::tmrLeft}},
        {{3, 100}, {&Game::tmrLeft}, 20, {-2, 100}, {}},
        {{100, 38}, {&Game::tmrUp}, 10, {100, 33}, {&Game::tmrUp}},
        {{100, 38}, {&Game::tmrUp}, 20, {100, 33}, {}},
        {{100, 37}, {&Game::tmrUp}, 10, {100, 37}, {}},                       // on the strip's edge
        {{100, 285}, {&Game::tmrDown}, 10, {100, 285}, {}},                   // 285 + 68 = 353
        {{437, 100}, {&Game::tmrRight}, 10, {437, 100}, {}},                  // 437 + 34 = 471
        {{430, 283}, {&Game::tmrDown, &Game::tmrRight}, 100, {440, 288}, {}}, // 356 and 474
        {{425, 200}, {&Game::tmrRight, &Game::tmrUp}, 40, {440, 180}, {&Game::tmrUp}},
        {{425, 200}, {&Game::tmrRight, &Game::tmrUp}, 140, {440, 130}, {&Game::tmrUp}},
    };
    startWithTargetsFarAway();
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.from.x() << "," << row.from.y() << " for " << row.ms);
        g.swfGV.move(row.from.x(), row.from.y());
        for (Timer Game::*mover : row.movers)
            (g.*mover).setEnabled(true);
        clock.advance(row.ms);
        EXPECT_EQ(g.swfGV.rect().topLeft(), row.to);
        Movers running;
        for (Timer Game::*mover : row.movers)
            if ((g.*mover).enabled())
                running.push_back(mover);
        EXPECT_EQ(running, row.running);
        for (Timer Game::*mover : row.movers)
            (g.*mover).setEnabled(false);
    }

    // The step is read at every tick.
    g.swfGV.move(100, 100);
    g.tmrRight.setEnabled(true);
    clock.advance(10);
    g.moveStep = 2;
    clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), 107.0f);
}

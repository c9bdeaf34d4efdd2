#include "GameFixture.h"

// Ten seconds of play raise the level: a pause loses the interval under way.
TEST_F(Rules, TheLevelRisesEveryTenSecondsOfPlayAndWidensNewTargetsSpeeds) {
    startWithTargetsFarAway();
    g.swfGV.setLeft(0); // out of the way of the target placed below
    clock.advance(9000);
    whileOpen = [&](Box) { clock.advance(5000); };
    g.Form_KeyDown(Action::Pause);
    clock.advance(9999);
    EXPECT_EQ(g.level, 0);
    clock.advance(1);
    EXPECT_EQ(g.level, 1);
    EXPECT_EQ(g.speedSpread, 1);
    EXPECT_EQ(g.speedBase, 1);
    random.queue({justUnderOne, 0, 0, 0, 0});
    g.PlaceTarget(0);
    EXPECT_EQ(g.targetMotion[0][0], 1);

    clock.advance(10000);
    EXPECT_EQ(g.level, 2);
    random.queue({0, 0, 0, 0, 0, justUnderOne, 0, 0, 0, 0});
    g.PlaceTarget(0);
    EXPECT_EQ(g.targetMotion[0][0], 1);
    g.PlaceTarget(0);
    EXPECT_EQ(g.targetMotion[0][0], 2);
}

// The speeds of new targets at each level; an endless game saturates them instead of failing.
TEST_F(Rules, SpeedRangeForEachLevel) {
    startWithTargetsFarAway();
    struct Row {
        int level, spread, base;
    };
    const Row table[] = {{1, 1, 1},   {2, 2, 1},
                         {3, 2, 1},   {4, 3, 2},
                         {5, 3, 2},   {6, 4, 2},
                         {7, 4, 2},   {8, 5, 3},
                         {9, 5, 3},   {10, 6, 3},
                         {11, 6, 3},  {12, 7, 4},
                         {20, 11, 6}, {70001, 32767, 17501}};
    for (const Row& row : table) {
        g.level = row.level - 1;
        g.tmrLevel_Timer();
        EXPECT_EQ(g.level, row.level);
        EXPECT_EQ(g.speedSpread, row.spread) << "level " << row.level;
        EXPECT_EQ(g.speedBase, row.base) << "level " << row.level;
    }
}

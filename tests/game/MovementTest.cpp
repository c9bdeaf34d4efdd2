#include "GameFixture.h"

TEST_F(GameWindow, MovingLeftStopsAtTheEdgeWithoutClamping) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.setLeft(0);
    g.tmrLeft.setEnabled(true);
    world.clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), 0.0f);
    EXPECT_FALSE(g.tmrLeft.enabled());

    g.swfGV.setLeft(3);
    g.tmrLeft.setEnabled(true);
    world.clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), -2.0f);
    EXPECT_TRUE(g.tmrLeft.enabled());
    world.clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), -2.0f);
    EXPECT_FALSE(g.tmrLeft.enabled());
}

TEST_F(GameWindow, MovingUpStopsAtTheStripsHeight) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.setTop(38);
    g.tmrUp.setEnabled(true);
    world.clock.advance(10);
    EXPECT_EQ(g.swfGV.top(), 33.0f);
    world.clock.advance(10);
    EXPECT_EQ(g.swfGV.top(), 33.0f);
    EXPECT_FALSE(g.tmrUp.enabled());
}

TEST_F(GameWindow, MovingDownAndRightStopAtTheFarEdges) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.move(430, 283);
    g.tmrDown.setEnabled(true);
    g.tmrRight.setEnabled(true);
    world.clock.advance(100);
    EXPECT_EQ(g.swfGV.top(), 288.0f);  // 288 + 68 = 356: past 353 by less than a step
    EXPECT_EQ(g.swfGV.left(), 440.0f); // 440 + 34 = 474
    EXPECT_FALSE(g.tmrDown.enabled());
    EXPECT_FALSE(g.tmrRight.enabled());
}

TEST_F(GameWindow, RightAndUpTogetherSlideUpAlongTheRightEdge) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.move(425, 200);
    g.tmrRight.setEnabled(true);
    g.tmrUp.setEnabled(true);
    world.clock.advance(40);
    EXPECT_EQ(g.swfGV.left(), 440.0f);
    EXPECT_FALSE(g.tmrRight.enabled());
    EXPECT_TRUE(g.tmrUp.enabled());
    EXPECT_EQ(g.swfGV.top(), 180.0f);
    world.clock.advance(100);
    EXPECT_EQ(g.swfGV.left(), 440.0f);
    EXPECT_EQ(g.swfGV.top(), 130.0f);
}

TEST_F(GameWindow, MovementReadsMoveStepAtEveryTick) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.move(100, 100);
    g.tmrRight.setEnabled(true);
    world.clock.advance(10);
    g.moveStep = 2;
    world.clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), 107.0f);
}

TEST_F(GameWindow, EachMoverStopsWhenGorvanStandsExactlyOnItsEdge) {
    frmGame& g = gameWithTargetsFarAway();
    const struct {
        Timer frmGame::*mover;
        float left, top;
    } rows[] = {
        {&frmGame::tmrUp, 100, 37},     // on the strip's edge
        {&frmGame::tmrDown, 100, 285},  // 285 + 68 = 353
        {&frmGame::tmrRight, 437, 100}, // 437 + 34 = 471
    };
    for (const auto& row : rows) {
        g.swfGV.move(row.left, row.top);
        (g.*row.mover).setEnabled(true);
        world.clock.advance(10);
        EXPECT_EQ(g.swfGV.rect().topLeft(), QPointF(row.left, row.top));
        EXPECT_FALSE((g.*row.mover).enabled());
    }
}

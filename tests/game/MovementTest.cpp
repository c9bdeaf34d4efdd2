#include "GameFixture.h"

TEST_F(Rules, MovingLeftStopsAtTheEdgeWithoutClamping) {
    startWithTargetsFarAway();
    g.swfGV.setLeft(0);
    g.tmrLeft.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), 0.0f);
    EXPECT_FALSE(g.tmrLeft.enabled());

    g.swfGV.setLeft(3);
    g.tmrLeft.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), -2.0f);
    EXPECT_TRUE(g.tmrLeft.enabled());
    clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), -2.0f);
    EXPECT_FALSE(g.tmrLeft.enabled());
}

TEST_F(Rules, MovingUpStopsAtTheStripsHeight) {
    startWithTargetsFarAway();
    g.swfGV.setTop(38);
    g.tmrUp.setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(g.swfGV.top(), 33.0f);
    clock.advance(10);
    EXPECT_EQ(g.swfGV.top(), 33.0f);
    EXPECT_FALSE(g.tmrUp.enabled());
}

TEST_F(Rules, MovingDownAndRightStopAtTheFarEdges) {
    startWithTargetsFarAway();
    g.swfGV.move(430, 283);
    g.tmrDown.setEnabled(true);
    g.tmrRight.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(g.swfGV.top(), 288.0f);  // 288 + 68 = 356: past 353 by less than a step
    EXPECT_EQ(g.swfGV.left(), 440.0f); // 440 + 34 = 474
    EXPECT_FALSE(g.tmrDown.enabled());
    EXPECT_FALSE(g.tmrRight.enabled());
}

TEST_F(Rules, RightAndUpTogetherSlideUpAlongTheRightEdge) {
    startWithTargetsFarAway();
    g.swfGV.move(425, 200);
    g.tmrRight.setEnabled(true);
    g.tmrUp.setEnabled(true);
    clock.advance(40);
    EXPECT_EQ(g.swfGV.left(), 440.0f);
    EXPECT_FALSE(g.tmrRight.enabled());
    EXPECT_TRUE(g.tmrUp.enabled());
    EXPECT_EQ(g.swfGV.top(), 180.0f);
    clock.advance(100);
    EXPECT_EQ(g.swfGV.left(), 440.0f);
    EXPECT_EQ(g.swfGV.top(), 130.0f);
}

TEST_F(Rules, MovementReadsMoveStepAtEveryTick) {
    startWithTargetsFarAway();
    g.swfGV.move(100, 100);
    g.tmrRight.setEnabled(true);
    clock.advance(10);
    g.moveStep = 2;
    clock.advance(10);
    EXPECT_EQ(g.swfGV.left(), 107.0f);
}

TEST_F(Rules, EachMoverStopsWhenGorvanStandsExactlyOnItsEdge) {
    startWithTargetsFarAway();
    const struct {
        Timer Game::*mover;
        float left, top;
    } rows[] = {
        {&Game::tmrUp, 100, 37},     // on the strip's edge
        {&Game::tmrDown, 100, 285},  // 285 + 68 = 353
        {&Game::tmrRight, 437, 100}, // 437 + 34 = 471
    };
    for (const auto& row : rows) {
        g.swfGV.move(row.left, row.top);
        (g.*row.mover).setEnabled(true);
        clock.advance(10);
        EXPECT_EQ(g.swfGV.rect().topLeft(), QPointF(row.left, row.top));
        EXPECT_FALSE((g.*row.mover).enabled());
    }
}

#include "GameFixture.h"

TEST_F(Rules, ALaunchPutsTheNextBulletBesideGorvanAndStartsTheFlight) {
    startWithTargetsFarAway();
    g.swfGV.move(100, 50);
    g.tmrROF_Timer();
    EXPECT_EQ(g.imgBullet[0].rect(), QRectF(136, 82, 4, 2));
    EXPECT_TRUE(g.imgBullet[0].visible());
    EXPECT_EQ(g.nextBullet, 1);
    EXPECT_TRUE(g.tmrShoot.enabled());
    clock.advance(10);
    EXPECT_EQ(g.imgBullet[0].left(), 146.0f);
    EXPECT_EQ(g.imgBullet[0].top(), 82.0f);
}

TEST_F(Rules, TheSeventhShotRecallsBulletZero) {
    startWithTargetsFarAway();
    g.swfGV.move(100, 50);
    for (int shot = 0; shot < 6; ++shot)
        g.tmrROF_Timer();
    EXPECT_EQ(g.nextBullet, 0);
    clock.advance(30);
    EXPECT_EQ(g.imgBullet[0].left(), 166.0f);
    g.swfGV.move(120, 60);
    g.tmrROF_Timer();
    EXPECT_EQ(g.imgBullet[0].rect().topLeft(), QPointF(156, 92));
    EXPECT_TRUE(g.imgBullet[0].visible());
    EXPECT_EQ(g.nextBullet, 1);
}

TEST_F(Rules, TwoBulletsOnOneTargetTheLowerIndexDestroysIt) {
    startWithTargetsFarAway();
    put(g.swfTarget[3], 200, 100);
    put(g.imgBullet[1], 210, 110);
    put(g.imgBullet[2], 220, 120);
    g.tmrShoot_Timer();
    EXPECT_FALSE(g.swfTarget[3].visible());
    EXPECT_FALSE(g.imgBullet[1].visible());
    EXPECT_EQ(g.imgBullet[1].left(), 472.0f); // sent beyond the right edge
    EXPECT_TRUE(g.imgBullet[2].visible());
    EXPECT_EQ(g.imgBullet[2].left(), 230.0f);
    EXPECT_EQ(g.destroyed, 1);
}

TEST_F(Rules, OneBulletOnTwoTargetsOnlyTheLowerIndexIsDestroyed) {
    startWithTargetsFarAway();
    put(g.swfTarget[5], 200, 100);
    put(g.swfTarget[2], 190, 90);
    put(g.imgBullet[0], 220, 120);
    g.tmrShoot_Timer();
    EXPECT_FALSE(g.swfTarget[2].visible());
    EXPECT_TRUE(g.swfTarget[5].visible());
    EXPECT_EQ(g.destroyed, 1);
}

TEST_F(Rules, BoxesThatOnlyTouchCountAsAHit) {
    startWithTargetsFarAway();
    struct Case {
        float left, top;
        bool hit;
    };
    // Bullet at 100, 100, 4 x 2; target 37 x 37.
    const Case cases[] = {
        {104, 90, true},     {63, 90, true},     {80, 102, true},     {80, 63, true},
        {104.5f, 90, false}, {62.5f, 90, false}, {80, 102.5f, false}, {80, 62.5f, false},
    };
    for (const Case& c : cases) {
        put(g.swfTarget[0], c.left, c.top);
        put(g.imgBullet[0], 100, 100);
        g.tmrShoot_Timer();
        EXPECT_EQ(!g.swfTarget[0].visible(), c.hit) << c.left << ", " << c.top;
    }
}

TEST_F(Rules, HiddenBulletsAndHiddenTargetsNeverHit) {
    startWithTargetsFarAway();
    put(g.swfTarget[0], 100, 100);
    g.imgBullet[0].move(110, 110);
    g.tmrShoot_Timer();
    EXPECT_TRUE(g.swfTarget[0].visible());
    EXPECT_EQ(g.imgBullet[0].left(), 120.0f); // a hidden bullet moves on unseen
    g.swfTarget[0].setVisible(false);
    put(g.imgBullet[0], 110, 110);
    g.tmrShoot_Timer();
    EXPECT_TRUE(g.imgBullet[0].visible());
    EXPECT_EQ(g.destroyed, 0);
}

TEST_F(Rules, ABulletAtTheRightEdgeMovesOnceMoreThenHides) {
    startWithTargetsFarAway();
    put(g.imgBullet[4], 471, 200);
    g.tmrShoot_Timer();
    EXPECT_EQ(g.imgBullet[4].left(), 481.0f);
    EXPECT_TRUE(g.imgBullet[4].visible());
    g.tmrShoot_Timer();
    EXPECT_FALSE(g.imgBullet[4].visible());
    EXPECT_EQ(g.imgBullet[4].left(), 481.0f);
}

TEST_F(Rules, EachHitCountsOneDestroyed) {
    startWithTargetsFarAway();
    g.destroyed = 8;
    std::vector<int> counts;
    for (int hit = 0; hit < 3; ++hit) {
        put(g.swfTarget[0], 100, 100);
        put(g.imgBullet[0], 100, 100);
        g.tmrShoot_Timer();
        counts.push_back(g.destroyed);
    }
    EXPECT_EQ(counts, (std::vector<int>{9, 10, 11}));
}

#include "GameFixture.h"

namespace {

void putBullet(frmGame& g, int b, float left, float top) {
    g.imgBullet[b]->move(left, top);
    g.imgBullet[b]->setVisible(true);
}

void putTarget(frmGame& g, int t, float left, float top) {
    g.swfTarget[t]->move(left, top);
    g.swfTarget[t]->setVisible(true);
}

} // namespace

TEST_F(GameWindow, ALaunchPutsTheNextBulletBesideGorvanAndStartsTheFlight) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.move(100, 50);
    g.tmrROF_Timer();
    EXPECT_EQ(g.imgBullet[0]->rect(), QRectF(136, 82, 4, 2));
    EXPECT_TRUE(g.imgBullet[0]->visible());
    EXPECT_EQ(g.nextBullet, 1);
    EXPECT_TRUE(g.tmrShoot.enabled());
    world.clock.advance(10);
    EXPECT_EQ(g.imgBullet[0]->left(), 146.0f);
    EXPECT_EQ(g.imgBullet[0]->top(), 82.0f);
}

TEST_F(GameWindow, TheSeventhShotRecallsBulletZero) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.move(100, 50);
    for (int shot = 0; shot < 6; ++shot)
        g.tmrROF_Timer();
    EXPECT_EQ(g.nextBullet, 0);
    world.clock.advance(30);
    EXPECT_EQ(g.imgBullet[0]->left(), 166.0f);
    g.swfGV.move(120, 60);
    g.tmrROF_Timer();
    EXPECT_EQ(g.imgBullet[0]->rect().topLeft(), QPointF(156, 92));
    EXPECT_TRUE(g.imgBullet[0]->visible());
    EXPECT_EQ(g.nextBullet, 1);
}

TEST_F(GameWindow, TwoBulletsOnOneTargetTheLowerIndexDestroysIt) {
    frmGame& g = gameWithTargetsFarAway();
    putTarget(g, 3, 200, 100);
    putBullet(g, 1, 210, 110);
    putBullet(g, 2, 220, 120);
    g.tmrShoot_Timer();
    EXPECT_FALSE(g.swfTarget[3]->visible());
    EXPECT_FALSE(g.imgBullet[1]->visible());
    EXPECT_EQ(g.imgBullet[1]->left(), 472.0f); // sent beyond the right edge
    EXPECT_TRUE(g.imgBullet[2]->visible());
    EXPECT_EQ(g.imgBullet[2]->left(), 230.0f);
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("1"));
}

TEST_F(GameWindow, OneBulletOnTwoTargetsOnlyTheLowerIndexIsDestroyed) {
    frmGame& g = gameWithTargetsFarAway();
    putTarget(g, 5, 200, 100);
    putTarget(g, 2, 190, 90);
    putBullet(g, 0, 220, 120);
    g.tmrShoot_Timer();
    EXPECT_FALSE(g.swfTarget[2]->visible());
    EXPECT_TRUE(g.swfTarget[5]->visible());
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("1"));
}

TEST_F(GameWindow, BoxesThatOnlyTouchCountAsAHit) {
    frmGame& g = gameWithTargetsFarAway();
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
        putTarget(g, 0, c.left, c.top);
        putBullet(g, 0, 100, 100);
        g.tmrShoot_Timer();
        EXPECT_EQ(!g.swfTarget[0]->visible(), c.hit) << c.left << ", " << c.top;
    }
}

TEST_F(GameWindow, HiddenBulletsAndHiddenTargetsNeverHit) {
    frmGame& g = gameWithTargetsFarAway();
    putTarget(g, 0, 100, 100);
    g.imgBullet[0]->move(110, 110);
    g.tmrShoot_Timer();
    EXPECT_TRUE(g.swfTarget[0]->visible());
    EXPECT_EQ(g.imgBullet[0]->left(), 120.0f); // a hidden bullet moves on unseen
    g.swfTarget[0]->setVisible(false);
    putBullet(g, 0, 110, 110);
    g.tmrShoot_Timer();
    EXPECT_TRUE(g.imgBullet[0]->visible());
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("0"));
}

TEST_F(GameWindow, ABulletAtTheRightEdgeMovesOnceMoreThenHides) {
    frmGame& g = gameWithTargetsFarAway();
    putBullet(g, 4, 471, 200);
    g.tmrShoot_Timer();
    EXPECT_EQ(g.imgBullet[4]->left(), 481.0f);
    EXPECT_TRUE(g.imgBullet[4]->visible());
    g.tmrShoot_Timer();
    EXPECT_FALSE(g.imgBullet[4]->visible());
    EXPECT_EQ(g.imgBullet[4]->left(), 481.0f);
}

TEST_F(GameWindow, TheDestroyedCountIsPlainDigits) {
    frmGame& g = gameWithTargetsFarAway();
    g.lblDestroyed.setCaption(QStringLiteral("8"));
    std::vector<QString> captions;
    for (int hit = 0; hit < 3; ++hit) {
        putTarget(g, 0, 100, 100);
        putBullet(g, 0, 100, 100);
        g.tmrShoot_Timer();
        captions.push_back(g.lblDestroyed.caption());
    }
    EXPECT_EQ(captions, (std::vector<QString>{"9", "10", "11"}));
}

TEST_F(GameWindow, AHitTargetFliesOnHiddenAndReturnsOnlyAfterTheLeftEdge) {
    frmGame& g = gameWithTargetsFarAway();
    putTarget(g, 0, 20, 100);
    g.targetMotion[0] = {1, 0};
    putBullet(g, 0, 30, 110);
    g.tmrShoot_Timer();
    ASSERT_FALSE(g.swfTarget[0]->visible());
    for (int tick = 0; tick < 57; ++tick) // 20 + 37 pixels to go at one a tick
        g.tmrTarget_Timer();
    EXPECT_FALSE(g.swfTarget[0]->visible());
    EXPECT_EQ(g.swfTarget[0]->left(), -37.0f);
    g.tmrTarget_Timer();
    EXPECT_TRUE(g.swfTarget[0]->visible());
    EXPECT_GE(g.swfTarget[0]->left(), 471.0f);
}

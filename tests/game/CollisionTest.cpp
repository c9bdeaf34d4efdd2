#include "GameFixture.h"
#include "frmMain.h"
#include "frmRecord.h"

// Gorvan at 100, 100 (34 x 68): his hit box runs from 105 to 124 across and 105 to 158 down.
// A target touching it costs a life and opens a box; a hidden one never hits, and two at once
// cost one life.
TEST_F(Rules, OnlyTargetsTouchingGorvansInnerBoxHitHim) {
    const struct {
        const char* field;
        bool hits;
    } rows[] = {
        {"G@100,100 t4@68,120", true},             // right edge exactly on the box's left edge
        {"G@100,100 t4@67,120", false},            // one pixel short
        {"G@100,100 t4@124,120", true},            // left edge on the box's right edge
        {"G@100,100 t4@125,120", false},           // only his outer ten pixels on the right
        {"G@100,100 t4@110,158", true},            // top edge on the box's bottom edge
        {"G@100,100 t4@110,159", false},           // only his outer ten pixels at the bottom
        {"G@100,100 t4@110,68", true},             // bottom edge on the box's top edge
        {"G@100,100 t4@110,67.5", false},          // only his outer five pixels at the top
        {"G@100,100 -t0@110,120", false},          // hidden
        {"G@100,100 t1@110,120 t5@105,110", true}, // two at once
    };
    startWithTargetsFarAway();
    for (const auto& row : rows) {
        g.lives = 3;
        boxes.clear();
        for (Body& target : g.swfTarget)
            put(target, 971, 38);
        place(row.field);
        g.tmrTarget_Timer();
        EXPECT_EQ(g.lives, row.hits ? 2 : 3) << row.field;
        EXPECT_EQ(boxes.size(), row.hits ? 1u : 0u) << row.field;
    }
}

TEST_F(Rules, AHitCostsALifeAndStartsTheTargetsAfresh) {
    startWithTargetsFarAway();
    g.swfGV.move(100, 100);
    g.destroyed = 12;
    g.level = 2;
    g.Form_KeyDown(Action::Right);
    g.Form_KeyDown(Action::Fire);
    put(g.swfTarget[2], 110, 120);
    bool timersStoppedWhileOpen = false;
    whileOpen = [&](Box) {
        timersStoppedWhileOpen = !g.tmrTarget.enabled() && !g.tmrLevel.enabled() &&
                                 !g.tmrRight.enabled() && !g.tmrROF.enabled() &&
                                 g.tmrShoot.enabled();
    };
    g.tmrTarget_Timer();

    // The box comes before the pictures show the life gone.
    EXPECT_EQ(boxes, std::vector<Opened>({{Box::LifeLost, 2, 3}}));
    EXPECT_TRUE(timersStoppedWhileOpen);
    EXPECT_EQ(g.swfGV.frameNum(), 0);
    EXPECT_EQ(g.livesShown, 2);
    // Score and level stay; Gorvan back in the middle of the field's left third; every bullet
    // gone, the next shot bullet 0 again; every target shown beyond the right edge; targets and
    // levels go on, movement and fire wait for their keys again.
    EXPECT_EQ(g.destroyed, 12);
    EXPECT_EQ(g.level, 2);
    EXPECT_EQ(g.swfGV.rect().topLeft(), QPointF(471.0f / 3 - 17, 142.5f));
    EXPECT_EQ(g.nextBullet, 0);
    for (const Body& bullet : g.imgBullet)
        EXPECT_TRUE(!bullet.visible() && bullet.rect().topLeft() == QPointF(0, 0));
    for (const Body& target : g.swfTarget)
        EXPECT_TRUE(target.visible() && target.left() >= 472);
    EXPECT_TRUE(g.tmrTarget.enabled() && g.tmrLevel.enabled());
    for (Timer* t : {&g.tmrLeft, &g.tmrRight, &g.tmrUp, &g.tmrDown, &g.tmrROF, &g.tmrShoot})
        EXPECT_FALSE(t->enabled());
}

// The box of a lost life shows the count before it; at game over the pictures stay as they were.
TEST_F(Rules, TheFourthHitNotTheThirdEndsTheGame) {
    startWithTargetsFarAway();
    for (int hit = 0; hit < 4; ++hit) {
        g.swfGV.move(100, 100);
        put(g.swfTarget[0], 110, 120);
        g.tmrTarget_Timer();
    }
    EXPECT_EQ(boxes, std::vector<Opened>({{Box::LifeLost, 2, 3},
                                          {Box::LifeLost, 1, 2},
                                          {Box::LifeLost, 0, 1},
                                          {Box::GameOver, -1, 0}}));
    EXPECT_TRUE(over);
    EXPECT_EQ(g.highScorePending, 0); // level 0
}

// Bullets in flight go on moving and hitting while a box is open, the pause's or a lost life's;
// the targets stand still meanwhile.
TEST_F(Rules, BulletsKeepFlyingAndHittingWhileABoxIsOpen) {
    startWithTargetsFarAway();
    for (const bool pause : {true, false}) {
        SCOPED_TRACE(pause ? "pause" : "lost life");
        g.destroyed = 0;
        g.swfGV.move(100, 100);
        g.Form_KeyDown(Action::Fire); // a bullet leaves at 136, 132
        g.Form_KeyUp(Action::Fire);
        put(g.swfTarget[6], pause ? 250 : 300, 120); // in the bullet's way
        bool hitWhileOpen = false;
        whileOpen = [&](Box) {
            const float left = g.swfTarget[6].left();
            clock.advance(pause ? 200 : 300);
            hitWhileOpen =
                g.destroyed == 1 && !g.swfTarget[6].visible() && g.swfTarget[6].left() == left;
        };
        if (pause) {
            g.Form_KeyDown(Action::Pause);
        } else {
            put(g.swfTarget[3], 70, 140); // on Gorvan, behind the bullet
            g.tmrTarget_Timer();
        }
        EXPECT_TRUE(hitWhileOpen);
    }
}

// What the player is told of a lost life: the box's words, the pictures and the strip as a
// screen reader hears it.
TEST_F(GameWindow, ALostLifeIsToldInTheBoxAndTheStrip) {
    frmGame& g = gameWithTargetsFarAway();
    Game& r = g.rules();
    r.destroyed = 12;
    r.level = 2;
    r.swfTarget[2].move(r.swfGV.left() + 10, r.swfGV.top() + 20);
    std::vector<QString> shownWhileOpen;
    world.messageBox.whileOpen = [&](const QString&) { shownWhileOpen = lifePictures(); };
    world.clock.advance(30);
    EXPECT_EQ(world.messageBox.texts,
              std::vector<QString>{"Death come to Banana!\r\nYou have 2 banana(s) remaining."});
    EXPECT_EQ(shownWhileOpen, std::vector<QString>(3, "life_present"));
    EXPECT_EQ(lifePictures(), std::vector<QString>({"life_present", "life_present", "life_lost"}));
    using Told = std::pair<QString, QString>;
    EXPECT_EQ(told(g.lblDestroyed), Told("Enemies Destroyed", "12"));
    EXPECT_EQ(told(g.lblLevel), Told("Level", "2"));
    EXPECT_EQ(told(g.lblLivesText), Told("Bananas Remaining:", "2"));
}

// At game over the menu comes back; from level 3 on the entry screen opens over it with the
// result, and the next game starts afresh.
TEST_F(GameWindow, GameOverGoesBackToTheMenuAndFromLevelThreeToTheEntryScreen) {
    for (const int level : {2, 3}) {
        SCOPED_TRACE(level);
        TestProgram t;
        t.world.random.fallback = {justUnderOne};
        frmGame& g = t.program.frmGame();
        Game& r = g.rules();
        r.lives = 0;
        r.level = level;
        r.destroyed = 41;
        r.swfTarget[7].move(r.swfGV.left() + 10, r.swfGV.top() + 20);
        t.world.clock.advance(30);
        EXPECT_EQ(t.world.messageBox.texts, std::vector<QString>{"GAME OVER"});
        EXPECT_TRUE(g.isUnloaded());
        for (Timer* timer : {&r.tmrTarget, &r.tmrLevel, &r.tmrShoot})
            EXPECT_FALSE(timer->enabled());
        EXPECT_TRUE(t.program.frmMain().isVisible());
        EXPECT_EQ(t.program.frmMain().isEnabled(), level < 3);
        frmRecord& entry = t.program.frmRecord();
        EXPECT_EQ(entry.isVisible(), level >= 3);
        if (level >= 3) {
            EXPECT_EQ(entry.lblLevel.caption(), "3");
            EXPECT_EQ(entry.lblDestroyed.caption(), "41");
        }
        processDeferredDeletes();
        Game& next = t.program.frmGame().rules();
        EXPECT_EQ(next.lives, 3);
        EXPECT_EQ(next.level, 0);
    }
}

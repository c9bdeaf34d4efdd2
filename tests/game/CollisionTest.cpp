#include "GameFixture.h"
#include "frmMain.h"
#include "frmRecord.h"

#include <QCoreApplication>

namespace {

const QString lostFirst =
    QStringLiteral("Death come to Banana!\r\nYou have 2 banana(s) remaining.");

// Gorvan at 100, 100 (34 x 68): his hit box runs from 105 to 124 across and 105 to 158 down.
frmGame& gorvanAt100(frmGame& g) {
    g.swfGV.move(100, 100);
    return g;
}

void putTarget(frmGame& g, int t, float left, float top) {
    g.swfTarget[t]->move(left, top);
    g.swfTarget[t]->setVisible(true);
}

} // namespace

TEST_F(GameWindow, OnlyTargetsTouchingGorvansInnerBoxHitHim) {
    struct Case {
        float left, top;
        bool hits;
    };
    const Case cases[] = {
        {68, 120, true},     // right edge exactly on the box's left edge
        {67, 120, false},    // one pixel short
        {124, 120, true},    // left edge on the box's right edge
        {125, 120, false},   // only Gorvan's outer ten pixels on the right
        {110, 158, true},    // top edge on the box's bottom edge
        {110, 159, false},   // only his outer ten pixels at the bottom
        {110, 68, true},     // bottom edge on the box's top edge
        {110, 67.5f, false}, // only his outer five pixels at the top
    };
    for (const Case& c : cases) {
        TestWorld caseWorld;
        Program caseProgram{caseWorld.services};
        caseWorld.random.fallback = justUnderOne;
        frmGame& g = caseProgram.game();
        g.swfGV.move(100, 100);
        putTarget(g, 4, c.left, c.top);
        g.tmrTarget_Timer();
        EXPECT_EQ(g.lives, c.hits ? 2 : 3) << "target at " << c.left << ", " << c.top;
        EXPECT_EQ(caseWorld.messageBox.texts.size(), c.hits ? 1u : 0u);
    }
}

TEST_F(GameWindow, AHitCostsALifeTellsThePlayerAndStartsTheTargetsAfresh) {
    frmGame& g = gorvanAt100(gameWithTargetsFarAway());
    g.lblDestroyed.setCaption(QStringLiteral("12"));
    g.lblLevel.setCaption(QStringLiteral("2"));
    g.Form_KeyDown(39, 0);
    g.Form_KeyDown(32, 0);
    g.swfGV.setFrameNum(1);
    putTarget(g, 2, 110, 120);
    bool timersStoppedWhileOpen = false;
    world.messageBox.whileOpen = [&](const QString&) {
        timersStoppedWhileOpen = !g.tmrTarget.enabled() && !g.tmrLevel.enabled() &&
                                 !g.tmrRight.enabled() && !g.tmrROF.enabled() &&
                                 g.tmrShoot.enabled();
    };
    g.tmrTarget_Timer();

    ASSERT_EQ(world.messageBox.texts, std::vector<QString>({lostFirst}));
    EXPECT_TRUE(timersStoppedWhileOpen);
    EXPECT_EQ(g.swfGV.frameNum(), 0);
    EXPECT_EQ(lifePictures(), std::vector<QString>({"life_present", "life_present", "life_lost"}));
    // Score and level stay; Gorvan back in the middle of the left third; every target beyond
    // the right edge; movement and fire wait for their keys again.
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("12"));
    EXPECT_EQ(g.lblLevel.caption(), QStringLiteral("2"));
    // A screen reader is told the three counts of the status strip as they are now.
    using Told = std::pair<QString, QString>;
    EXPECT_EQ(told(g.lblDestroyed), Told("Enemies Destroyed", "12"));
    EXPECT_EQ(told(g.lblLevel), Told("Level", "2"));
    EXPECT_EQ(told(g.lblLivesText), Told("Bananas Remaining:", "2"));
    EXPECT_FLOAT_EQ(g.swfGV.left(), 471.0f / 3 - 17);
    for (auto& target : g.swfTarget)
        EXPECT_GT(target->left(), 400);
    EXPECT_TRUE(g.tmrTarget.enabled());
    EXPECT_TRUE(g.tmrLevel.enabled());
    EXPECT_FALSE(g.tmrRight.enabled());
    EXPECT_FALSE(g.tmrROF.enabled());
    EXPECT_FALSE(g.tmrShoot.enabled());
}

TEST_F(GameWindow, HiddenTargetsNeverHitAndTwoAtOnceCostOneLife) {
    frmGame& g = gorvanAt100(gameWithTargetsFarAway());
    putTarget(g, 0, 110, 120);
    g.swfTarget[0]->setVisible(false);
    g.tmrTarget_Timer();
    EXPECT_EQ(g.lives, 3);

    putTarget(g, 1, 110, 120);
    putTarget(g, 5, 105, 110);
    g.swfGV.move(100, 100);
    g.tmrTarget_Timer();
    EXPECT_EQ(g.lives, 2);
    EXPECT_EQ(world.messageBox.texts.size(), 1u);
}

TEST_F(GameWindow, TheFourthHitNotTheThirdEndsTheGame) {
    frmGame& g = gameWithTargetsFarAway();
    std::vector<std::vector<QString>> displays;
    world.messageBox.whileOpen = [&](const QString&) { displays.push_back(lifePictures()); };
    QPointer<frmGame> watched(&g);
    for (int hit = 0; hit < 4; ++hit) {
        g.swfGV.move(100, 100);
        putTarget(g, 0, 110, 120);
        g.tmrTarget_Timer();
    }
    EXPECT_EQ(world.messageBox.texts,
              std::vector<QString>(
                  {lostFirst, "Death come to Banana!\r\nYou have 1 banana(s) remaining.",
                   "Death come to Banana!\r\nYou have 0 banana(s) remaining.", "GAME OVER"}));
    // The box of a lost life shows the count before it; at game over the display is unchanged.
    const std::vector<QString> allLost = {"life_lost", "life_lost", "life_lost"};
    EXPECT_EQ(displays.back(), allLost);
    EXPECT_TRUE(watched && watched->isUnloaded());
}

TEST_F(GameWindow, GameOverBelowLevelThreeGoesStraightBackToTheMenu) {
    frmGame& g = gameWithTargetsFarAway();
    g.lives = 0;
    g.lblLevel.setCaption(QStringLiteral("2"));
    g.swfGV.move(100, 100);
    putTarget(g, 0, 110, 120);
    g.tmrTarget_Timer();
    EXPECT_TRUE(g.isUnloaded());
    EXPECT_TRUE(program.menu().isVisible());
    EXPECT_TRUE(program.menu().isEnabled());
    EXPECT_FALSE(program.record().isVisible());
    for (Timer* timer : {&g.tmrTarget, &g.tmrLevel, &g.tmrShoot})
        EXPECT_FALSE(timer->enabled());
}

TEST_F(GameWindow, GameOverFromLevelThreeOpensTheEntryScreenWithTheResult) {
    frmGame& g = gameWithTargetsFarAway();
    g.lives = 0;
    g.lblLevel.setCaption(QStringLiteral("3"));
    g.lblDestroyed.setCaption(QStringLiteral("41"));
    g.swfGV.move(100, 100);
    putTarget(g, 7, 110, 120);
    g.tmrTarget_Timer();
    EXPECT_TRUE(g.isUnloaded());
    EXPECT_EQ(g.highScorePending, 0);
    EXPECT_TRUE(program.menu().isVisible());
    EXPECT_FALSE(program.menu().isEnabled());
    frmRecord& r = program.record();
    EXPECT_TRUE(r.isVisible());
    EXPECT_EQ(r.lblLevel.caption(), QStringLiteral("3"));
    EXPECT_EQ(r.lblDestroyed.caption(), QStringLiteral("41"));

    // A fresh game afterwards starts from three lives, level 0.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmGame& next = game();
    EXPECT_FALSE(next.isUnloaded());
    EXPECT_EQ(next.lives, 3);
    EXPECT_EQ(next.lblLevel.caption(), QStringLiteral("0"));
}

TEST_F(GameWindow, BulletsKeepFlyingAndHittingWhileTheLostLifeBoxIsOpen) {
    frmGame& g = gorvanAt100(gameWithTargetsFarAway());
    g.Form_KeyDown(32, 0); // a bullet leaves at 136, 132
    g.Form_KeyUp(32, 0);
    world.clock.advance(20);   // let the held-back key-up through
    putTarget(g, 3, 110, 120); // on Gorvan
    putTarget(g, 6, 300, 120); // in the bullet's way
    QString destroyedWhileOpen;
    world.messageBox.whileOpen = [&](const QString&) {
        world.clock.advance(300);
        destroyedWhileOpen = g.lblDestroyed.caption();
    };
    g.tmrTarget_Timer();
    EXPECT_EQ(destroyedWhileOpen, QStringLiteral("1"));
}

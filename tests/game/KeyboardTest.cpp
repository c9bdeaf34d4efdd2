#include "GameFixture.h"
#include "Preferences.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QTest>

namespace {
constexpr int Left = 37, Up = 38, Right = 39, Down = 40, Space = 32, P = 80;
} // namespace

TEST_F(GameWindow, RightHeldThenLeftPressedTurnsLeftAndReleasingRightOnlyRestsTheFrame) {
    frmGame& g = gameWithTargetsFarAway();
    g.Form_KeyDown(Right, 0);
    EXPECT_TRUE(g.tmrRight.enabled());
    EXPECT_EQ(g.swfGV.frameNum(), 1);
    g.Form_KeyDown(Left, 0);
    EXPECT_FALSE(g.tmrRight.enabled());
    EXPECT_TRUE(g.tmrLeft.enabled());
    EXPECT_EQ(g.swfGV.frameNum(), 2);
    g.Form_KeyUp(Right, 0);
    EXPECT_EQ(g.swfGV.frameNum(), 0);
    EXPECT_TRUE(g.tmrLeft.enabled());
    const float before = g.swfGV.left();
    world.clock.advance(20);
    EXPECT_EQ(g.swfGV.left(), before - 10);
}

TEST_F(GameWindow, HorizontalAndVerticalKeysAreIndependent) {
    frmGame& g = gameWithTargetsFarAway();
    g.Form_KeyDown(Right, 0);
    g.Form_KeyDown(Up, 0);
    EXPECT_TRUE(g.tmrRight.enabled());
    EXPECT_TRUE(g.tmrUp.enabled());
    g.Form_KeyDown(40, 0);
    EXPECT_FALSE(g.tmrUp.enabled());
    EXPECT_TRUE(g.tmrDown.enabled());
    g.Form_KeyUp(40, 0);
    EXPECT_EQ(g.swfGV.frameNum(), 0);
    EXPECT_TRUE(g.tmrRight.enabled());
    EXPECT_FALSE(g.tmrDown.enabled());
}

TEST_F(GameWindow, PressingADirectionStopsItsOppositeWhicheverWasHeldFirst) {
    frmGame& g = gameWithTargetsFarAway();
    const struct {
        int held, pressed;
        Timer frmGame::*stopped;
        Timer frmGame::*running;
    } rows[] = {
        {Right, Left, &frmGame::tmrRight, &frmGame::tmrLeft},
        {Left, Right, &frmGame::tmrLeft, &frmGame::tmrRight},
        {Up, Down, &frmGame::tmrUp, &frmGame::tmrDown},
        {Down, Up, &frmGame::tmrDown, &frmGame::tmrUp},
    };
    for (const auto& row : rows) {
        g.Form_KeyDown(row.held, 0);
        g.Form_KeyDown(row.pressed, 0);
        EXPECT_FALSE((g.*row.stopped).enabled()) << row.held << " then " << row.pressed;
        EXPECT_TRUE((g.*row.running).enabled()) << row.held << " then " << row.pressed;
        g.Form_KeyUp(row.pressed, 0);
        g.Form_KeyUp(row.held, 0);
    }
}

TEST_F(GameWindow, OneKeyBoundToTwoActionsPerformsBothInTableOrder) {
    writeSettings("1\r\n65\r\n65\r\n38\r\n40\r\n32\r\n");
    frmGame& g = gameWithTargetsFarAway();
    g.Form_KeyDown(65, 0);
    EXPECT_TRUE(g.tmrLeft.enabled()); // the left row comes after the right row
    EXPECT_FALSE(g.tmrRight.enabled());
    EXPECT_EQ(g.swfGV.frameNum(), 2);
    g.tmrRight.setEnabled(true);
    g.Form_KeyUp(65, 0);
    EXPECT_FALSE(g.tmrLeft.enabled());
    EXPECT_FALSE(g.tmrRight.enabled());
}

TEST_F(GameWindow, PausingStopsPlayUntilTheBoxIsClosedThenTargetsAndLevelsGoOn) {
    frmGame& g = gameWithTargetsFarAway();
    g.Form_KeyDown(Right, 0);
    g.Form_KeyDown(Space, 0);
    const std::vector<float> lefts = targetLefts();
    bool targetsHeld = false, movementHeld = false;
    world.messageBox.whileOpen = [&](const QString&) {
        world.clock.advance(1000);
        targetsHeld = targetLefts() == lefts;
        movementHeld = !g.tmrRight.enabled() && !g.tmrROF.enabled();
    };
    g.Form_KeyDown(P, 0);
    ASSERT_EQ(world.messageBox.texts, std::vector<QString>{QStringLiteral("Game Paused")});
    EXPECT_TRUE(targetsHeld);
    EXPECT_TRUE(movementHeld);
    EXPECT_TRUE(g.tmrTarget.enabled());
    EXPECT_TRUE(g.tmrLevel.enabled());
    EXPECT_FALSE(g.tmrRight.enabled()); // Gorvan stands until a key is pressed again
    EXPECT_FALSE(g.tmrROF.enabled());
    EXPECT_EQ(g.swfGV.frameNum(), 1); // and the frame stays as it was
}

TEST_F(GameWindow, BulletsInFlightKeepMovingAndHittingWhileThePauseBoxIsOpen) {
    frmGame& g = gameWithTargetsFarAway();
    g.swfGV.move(100, 100);
    g.swfTarget[6]->move(250, 120);
    g.Form_KeyDown(Space, 0); // bullet 0 leaves from 136, 132
    g.Form_KeyUp(Space, 0);
    world.messageBox.whileOpen = [&](const QString&) { world.clock.advance(200); };
    g.Form_KeyDown(P, 0);
    EXPECT_FALSE(g.swfTarget[6]->visible());
    EXPECT_EQ(g.swfTarget[6]->left(), 250.0f);
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("1"));
}

TEST_F(GameWindow, AKeyBoundToEightyPausesFirstThenActs) {
    writeSettings("1\r\n37\r\n39\r\n38\r\n40\r\n80\r\n");
    frmGame& g = gameWithTargetsFarAway();
    bool bulletDuringBox = true;
    world.messageBox.whileOpen = [&](const QString&) {
        bulletDuringBox = g.imgBullet[0]->visible();
    };
    g.Form_KeyDown(P, 0);
    EXPECT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_FALSE(bulletDuringBox);
    EXPECT_TRUE(g.imgBullet[0]->visible());
    EXPECT_TRUE(g.tmrROF.enabled());
}

TEST_F(GameWindow, ModifiersAreIgnored) {
    frmGame& g = gameWithTargetsFarAway();
    g.show();
    QTest::keyPress(&g, Qt::Key_P, Qt::ShiftModifier);
    EXPECT_EQ(world.messageBox.texts.size(), 1u);
    QTest::keyPress(&g, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(g.tmrRight.enabled());
}

TEST_F(GameWindow, AutoRepeatOfTheFireKeyAddsNoBulletAndKeepsTheRateOfFire) {
    frmGame& g = gameWithTargetsFarAway();
    g.show();
    QTest::keyPress(&g, Qt::Key_Space); // fires at once
    EXPECT_EQ(g.nextBullet, 1);
    world.clock.advance(150);
    QTest::keyPress(&g, Qt::Key_Space, Qt::NoModifier); // repeat, as X11 sends it
    EXPECT_EQ(g.nextBullet, 1);
    world.clock.advance(50); // the rate of fire ticks 200 ms after the press
    EXPECT_EQ(g.nextBullet, 2);
    world.clock.advance(800);
    EXPECT_EQ(g.nextBullet, 0); // five bullets a second: 1 + 5 = 6
    QTest::keyRelease(&g, Qt::Key_Space);
    world.clock.advance(10);
    EXPECT_FALSE(g.tmrROF.enabled());
    world.clock.advance(1000);
    EXPECT_EQ(g.nextBullet, 0);
}

TEST_F(GameWindow, TappingFiresOneBulletPerPress) {
    frmGame& g = gameWithTargetsFarAway();
    for (int tap = 0; tap < 3; ++tap) {
        g.Form_KeyDown(Space, 0);
        world.clock.advance(50);
        g.Form_KeyUp(Space, 0);
        world.clock.advance(50);
    }
    EXPECT_EQ(g.nextBullet, 3);
}

TEST_F(GameWindow, KeysBoundToNothingDoNothing) {
    frmGame& g = gameWithTargetsFarAway();
    g.Form_KeyDown(65, 0);
    g.Form_KeyUp(65, 0);
    for (Timer* t : {&g.tmrLeft, &g.tmrRight, &g.tmrUp, &g.tmrDown, &g.tmrROF, &g.tmrShoot})
        EXPECT_FALSE(t->enabled());
    EXPECT_TRUE(world.messageBox.texts.empty());
}

TEST_F(GameWindow, LeavingTheProgramPausesAsPUnlessABoxIsAlreadyOpen) {
    frmGame& g = gameWithTargetsFarAway();
    g.show();
    g.Form_KeyDown(Right, 0); // held as the player leaves, and never released here
    bool held = false;
    world.messageBox.whileOpen = [&](const QString&) {
        const std::vector<float> lefts = targetLefts();
        world.clock.advance(1000);
        held = targetLefts() == lefts;
        // Leaving again while the box is open adds no box.
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        world.clock.advance(1000);
    };
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    world.clock.advance(100);
    ASSERT_EQ(world.messageBox.texts, std::vector<QString>{QStringLiteral("Game Paused")});
    EXPECT_EQ(world.messageBox.answerKeys, std::vector<int>{P}) << "P does not answer the pause";
    EXPECT_TRUE(held);
    EXPECT_TRUE(g.tmrTarget.enabled());
    const float left = g.swfGV.left();
    world.clock.advance(500);
    EXPECT_EQ(g.swfGV.left(), left) << "the key held when the player left still moves Gorvan";
}

// The leave settles first: a return at once, or a close of the game that comes with it (from a
// taskbar, say), is no reason for a box, and a closed game never shows one.
TEST_F(GameWindow, NoPauseBoxForALeaveUndoneOrAGameClosedMeanwhile) {
    for (const char* meanwhile : {"returned", "closed", "hidden"}) {
        SCOPED_TRACE(meanwhile);
        frmGame& g = gameWithTargetsFarAway();
        g.show();
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        world.clock.advance(50);
        if (meanwhile == std::string("returned"))
            emit qApp->applicationStateChanged(Qt::ApplicationActive);
        else if (meanwhile == std::string("closed")) {
            QCloseEvent close;
            QCoreApplication::sendEvent(&g, &close);
        } else
            g.hide();
        world.clock.advance(1000);
        EXPECT_TRUE(world.messageBox.texts.empty());
        if (!g.isUnloaded()) {
            EXPECT_TRUE(g.tmrTarget.enabled() || !g.isVisible());
            g.unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        world.messageBox.texts.clear();
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
    }
}

// F11 and Alt+Return switch full screen, kept for the next game, and the rules keep their field;
// a key the player bound to an action keeps that action (here F11 fires).
TEST_F(GameWindow, F11AndAltReturnSwitchFullScreenUnlessTheKeyIsBoundToAnAction) {
    constexpr int F11 = 122, Return = 13, Alt = 4;
    frmGame& g = gameWithTargetsFarAway();
    g.Form_KeyDown(Return, 0);
    EXPECT_FALSE(g.fullScreen());
    g.Form_KeyDown(F11, 0);
    EXPECT_TRUE(g.fullScreen());
    EXPECT_TRUE(readPreferences().fullScreen);
    EXPECT_EQ(g.scaleWidth(), 471.0f);
    EXPECT_EQ(g.scaleHeight(), 353.0f);
    g.Form_KeyDown(Return, Alt);
    EXPECT_FALSE(g.fullScreen());
    EXPECT_FALSE(readPreferences().fullScreen);

    g.settings.keyFire = F11;
    g.Form_KeyDown(F11, 0);
    EXPECT_FALSE(g.fullScreen());
    EXPECT_TRUE(g.imgBullet[0]->visible());
}

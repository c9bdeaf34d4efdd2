#include "GameFixture.h"
#include "Preferences.h"

#include <QGuiApplication>
#include <QTest>

TEST_F(Rules, PausingStopsPlayUntilTheBoxIsClosedThenTargetsAndLevelsGoOn) {
    startWithTargetsFarAway();
    g.Form_KeyDown(Action::Right);
    g.Form_KeyDown(Action::Fire);
    const std::vector<float> lefts = targetLefts();
    bool targetsHeld = false, movementHeld = false;
    whileOpen = [&](Box) {
        clock.advance(1000);
        targetsHeld = targetLefts() == lefts;
        movementHeld = !g.tmrRight.enabled() && !g.tmrROF.enabled();
    };
    g.Form_KeyDown(Action::Pause);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].box, Box::Paused);
    EXPECT_TRUE(targetsHeld);
    EXPECT_TRUE(movementHeld);
    EXPECT_TRUE(g.tmrTarget.enabled());
    EXPECT_TRUE(g.tmrLevel.enabled());
    EXPECT_FALSE(g.tmrRight.enabled()); // Gorvan stands until a key is pressed again
    EXPECT_FALSE(g.tmrROF.enabled());
    EXPECT_EQ(g.swfGV.frameNum(), 1); // and the frame stays as it was
}

TEST_F(Rules, TappingFiresOneBulletPerPress) {
    startWithTargetsFarAway();
    for (int tap = 0; tap < 3; ++tap) {
        g.Form_KeyDown(Action::Fire);
        clock.advance(50);
        g.Form_KeyUp(Action::Fire);
        clock.advance(50);
    }
    EXPECT_EQ(g.nextBullet, 3);
}

// The player's keys as the window turns them into actions: a key bound to several actions
// performs them all in the rows' order (right before left), P pauses first, any modifier
// goes, and a key bound to nothing does nothing.
TEST_F(GameWindow, TheWindowTurnsThePlayersKeysIntoActions) {
    struct Case {
        QByteArray settings;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<Timer Game::*> running;
        int frame;
        int boxes;
    };
    const QByteArray d = deliveredSettings();
    const Case cases[] = {
        {"1\r\n65\r\n65\r\n38\r\n40\r\n32\r\n", Qt::Key_A, {}, {&Game::tmrLeft}, 2, 0},
        {"1\r\n37\r\n39\r\n38\r\n40\r\n80\r\n", Qt::Key_P, {}, {&Game::tmrROF}, 0, 1},
        {d, Qt::Key_Right, Qt::ControlModifier | Qt::AltModifier, {&Game::tmrRight}, 1, 0},
        {d, Qt::Key_P, Qt::ShiftModifier, {}, 0, 1},
        {d, Qt::Key_A, {}, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings.constData() + (" key " + std::to_string(c.key)));
        TestProgram t;
        t.world.random.fallback = {justUnderOne};
        t.world.writeFile("settings", c.settings);
        frmGame& g = t.program.frmGame();
        Game& r = g.rules();
        g.show();
        bool bulletDuringBox = false;
        t.world.messageBox.whileOpen = [&](const QString&) {
            bulletDuringBox = r.imgBullet[0].visible();
        };
        QTest::keyPress(&g, c.key, c.modifiers);
        std::vector<Timer Game::*> running;
        for (Timer Game::*timer :
             {&Game::tmrLeft, &Game::tmrRight, &Game::tmrUp, &Game::tmrDown, &Game::tmrROF})
            if ((r.*timer).enabled())
                running.push_back(timer);
        EXPECT_EQ(running, c.running);
        EXPECT_EQ(r.swfGV.frameNum(), c.frame);
        EXPECT_EQ(int(t.world.messageBox.texts.size()), c.boxes);
        EXPECT_FALSE(bulletDuringBox); // the pause came first
        // One release stops every action of the key.
        QTest::keyRelease(&g, c.key);
        t.world.clock.advance(10);
        EXPECT_FALSE(r.tmrLeft.enabled() || r.tmrRight.enabled() || r.tmrROF.enabled());
    }
}

TEST_F(GameWindow, AutoRepeatOfTheFireKeyAddsNoBulletAndKeepsTheRateOfFire) {
    frmGame& g = gameWithTargetsFarAway();
    Game& r = g.rules();
    g.show();
    QTest::keyPress(&g, Qt::Key_Space); // fires at once
    EXPECT_EQ(r.nextBullet, 1);
    world.clock.advance(150);
    // Repeats, unmarked as X11 may send them, and marked.
    QTest::keyPress(&g, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent marked(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&g, &marked);
    EXPECT_EQ(r.nextBullet, 1);
    world.clock.advance(50); // the rate of fire ticks 200 ms after the press
    EXPECT_EQ(r.nextBullet, 2);
    world.clock.advance(800);
    EXPECT_EQ(r.nextBullet, 0); // five bullets a second: 1 + 5 = 6
    QTest::keyRelease(&g, Qt::Key_Space);
    world.clock.advance(10);
    EXPECT_FALSE(r.tmrROF.enabled());
    world.clock.advance(1000);
    EXPECT_EQ(r.nextBullet, 0);
}

TEST_F(GameWindow, LeavingTheProgramPausesAsPUnlessABoxIsAlreadyOpen) {
    frmGame& g = gameWithTargetsFarAway();
    Game& r = g.rules();
    g.show();
    g.keyDown(keys::Right, 0); // held as the player leaves, and never released here
    bool held = false;
    world.messageBox.whileOpen = [&](const QString&) {
        const float left = r.swfTarget[0].left();
        world.clock.advance(1000);
        held = r.swfTarget[0].left() == left;
        // Leaving again while the box is open adds no box.
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        world.clock.advance(1000);
    };
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    world.clock.advance(100);
    ASSERT_EQ(world.messageBox.texts, std::vector<QString>{"Game Paused"});
    EXPECT_EQ(world.messageBox.answerKeys, std::vector<int>{'P'}) << "P does not answer the pause";
    EXPECT_TRUE(held);
    EXPECT_TRUE(r.tmrTarget.enabled());
    const float left = r.swfGV.left();
    world.clock.advance(500);
    EXPECT_EQ(r.swfGV.left(), left) << "the key held when the player left still moves Gorvan";
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
        else if (meanwhile == std::string("closed"))
            closeByFrame(g);
        else
            g.hide();
        world.clock.advance(1000);
        EXPECT_TRUE(world.messageBox.texts.empty());
        if (!g.isUnloaded()) {
            EXPECT_TRUE(g.rules().tmrTarget.enabled() || !g.isVisible());
            g.unload();
        }
        processDeferredDeletes();
        world.messageBox.texts.clear();
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
    }
}

// F11 and Alt+Return switch full screen, kept for the next game, and the rules keep their field;
// a key the player bound to an action keeps that action (here F11 fires).
TEST_F(GameWindow, F11AndAltReturnSwitchFullScreenUnlessTheKeyIsBoundToAnAction) {
    frmGame& g = gameWithTargetsFarAway();
    g.keyDown(keys::Return, 0);
    EXPECT_FALSE(g.fullScreen());
    g.keyDown(keys::F11, 0);
    EXPECT_TRUE(g.fullScreen());
    EXPECT_TRUE(readPreferences().fullScreen);
    EXPECT_EQ(g.scaleWidth(), 471.0f);
    EXPECT_EQ(g.scaleHeight(), 353.0f);
    g.keyDown(keys::Return, keys::AltMask);
    EXPECT_FALSE(g.fullScreen());
    EXPECT_FALSE(readPreferences().fullScreen);

    writeSettings("1\r\n37\r\n39\r\n38\r\n40\r\n122\r\n");
    g.unload();
    processDeferredDeletes();
    frmGame& bound = game();
    bound.keyDown(keys::F11, 0);
    EXPECT_FALSE(bound.fullScreen());
    EXPECT_TRUE(bound.rules().imgBullet[0].visible());
}

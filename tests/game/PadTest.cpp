#include "GameFixture.h"
#include "PadKeys.h"
#include "frmMain.h"

#include <QApplication>

// In a game the pad plays the player's actions, whatever keys they are bound to, and Start
// pauses.
TEST_F(GameWindow, ThePadPlaysThePlayersActions) {
    writeSettings("1\n65\n68\n87\n83\n17\n"); // A, D, W, S and Ctrl
    frmGame& g = gameWithTargetsFarAway();
    Game& r = g.rules();
    g.show();
    QApplication::setActiveWindow(&g);
    const struct {
        PadButton button;
        Timer Game::*started;
    } rows[] = {{PadButton::Left, &Game::tmrLeft},
                {PadButton::Right, &Game::tmrRight},
                {PadButton::Up, &Game::tmrUp},
                {PadButton::Down, &Game::tmrDown},
                {PadButton::South, &Game::tmrROF}};
    for (const auto& row : rows) {
        deliverPadButton(row.button, true);
        EXPECT_TRUE((r.*row.started).enabled()) << int(row.button);
        deliverPadButton(row.button, false);
        EXPECT_FALSE((r.*row.started).enabled()) << int(row.button);
    }
    EXPECT_TRUE(r.imgBullet[0].visible());
    deliverPadButton(PadButton::Start, true);
    EXPECT_EQ(world.messageBox.texts, std::vector<QString>{"Game Paused"});
}

// Keyboard and pad together are one keyboard: the later press wins, a repeat is no press, and
// a direction stays held while either still holds it. Steps: K or P (keyboard, pad), then +
// (press), - (release) or ~ (the keyboard's auto-repeat), then the direction; or B, a pause's
// box, which takes the keys while it is open.
TEST_F(GameWindow, KeyboardAndPadTogetherMoveGorvanAsOneKeyboard) {
    const struct {
        const char* steps;
        int goes; // -1 left, 0 stands, 1 right
    } rows[] = {
        {"K+R P+L K~R", -1}, {"K+R P+R K-R", 1},     {"K+R P+R K-R P-R", 0}, {"P+L K+R", 1},
        {"P+L K+R K-R", 0},  {"K+L P+R P-R K~L", 0}, {"P+R P+R P-R", 0},     {"K+R K-R P+L", -1},
        {"K+R B K~R", 0},    {"K+R B K+R", 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        TestProgram t;
        t.world.random.fallback = {justUnderOne};
        frmGame& g = t.program.game();
        for (const QByteArray& step : QByteArray(row.steps).split(' ')) {
            const bool right = step.endsWith('R');
            if (step == "B")
                g.keyDown(keys::P, 0);
            else if (step[0] == 'P')
                g.padButton(right ? PadButton::Right : PadButton::Left, step[1] == '+');
            else if (step[1] == '-')
                g.keyUp(right ? keys::Right : keys::Left, 0);
            else
                g.keyDown(right ? keys::Right : keys::Left, 0, step[1] == '~');
            t.world.clock.advance(20); // a release settles
        }
        const float before = g.rules().swfGV.left();
        t.world.clock.advance(50);
        const float moved = g.rules().swfGV.left() - before;
        EXPECT_EQ(moved > 0 ? 1 : moved < 0 ? -1 : 0, row.goes);
    }
}

// Pulled out mid-game the pad pauses it, unless a box already holds the game.
TEST_F(GameWindow, UnpluggingThePadPausesAGame) {
    program.padUnplugged(); // no game yet: nothing to pause
    frmGame& g = gameWithTargetsFarAway();
    g.show();
    program.padUnplugged();
    EXPECT_EQ(world.messageBox.texts, std::vector<QString>{"Game Paused"});
    world.messageBox.whileOpen = [&](const QString&) { program.padUnplugged(); };
    Game& r = g.rules();
    r.swfTarget[0].move(r.swfGV.left(), r.swfGV.top());
    world.clock.advance(30);
    EXPECT_EQ(world.messageBox.texts.size(), 2u); // the lost life's box, no pause over it
}

// On the other screens the D-pad is the arrows and south is Return.
TEST_F(GameWindow, OnTheMenuTheDpadMovesAndSouthPresses) {
    frmMain& menu = program.menu();
    menu.show();
    QApplication::setActiveWindow(&menu);
    deliverPadButton(PadButton::Down, true);
    deliverPadButton(PadButton::Down, false);
    EXPECT_FALSE(menu.picSettings[1]->isHidden());
    deliverPadButton(PadButton::Up, true);
    deliverPadButton(PadButton::South, true);
    EXPECT_FALSE(menu.isVisible()); // Play
}

#include "GameFixture.h"
#include "frmMain.h"

#include <QApplication>

#include <map>
#include <tuple>

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
        program.padButton(row.button, true);
        EXPECT_TRUE((r.*row.started).enabled()) << int(row.button);
        program.padButton(row.button, false);
        EXPECT_FALSE((r.*row.started).enabled()) << int(row.button);
    }
    EXPECT_TRUE(r.imgBullet[0].visible());
    program.padButton(PadButton::Start, true);
    EXPECT_EQ(world.messageBox.texts, std::vector<QString>{"Game Paused"});
}

// Keyboard and pad together are one keyboard: the later press wins, a repeat is no press, and
// a direction stays held while either still holds it. A press stops its opposite and shows its
// frame (2 going left, 1 otherwise), a release rests it, even while another direction runs.
// Steps: K or P (keyboard, pad), then + (press), - (release) or ~ (the keyboard's auto-repeat),
// then the direction (L, R, U, D); or B, a pause's box, which takes the keys while it is open.
// Then the directions that run, each moving Gorvan five pixels a tick.
TEST_F(GameWindow, KeyboardAndPadTogetherMoveGorvanAsOneKeyboard) {
    const struct {
        const char* steps;
        const char* running; // in the order D, L, R, U
        int frame;           // -1: not looked at
    } rows[] = {
        {"K+R", "R", 1},          {"K+R K+L", "L", 2},      {"K+R K+L K-R", "L", 0},
        {"K+L K+R", "R", 1},      {"K+U K+D", "D", 1},      {"K+D K+U", "U", 1},
        {"K+R K+U", "RU", 1},     {"K+R K+U K+D", "DR", 1}, {"K+R K+U K+D K-D", "R", 0},
        {"K+R P+L K~R", "L", -1}, {"K+R P+R K-R", "R", -1}, {"K+R P+R K-R P-R", "", -1},
        {"P+L K+R", "R", -1},     {"P+L K+R K-R", "", -1},  {"K+L P+R P-R K~L", "", -1},
        {"P+R P+R P-R", "", -1},  {"K+R K-R P+L", "L", -1}, {"K+R B K~R", "", -1},
        {"K+R B K+R", "R", -1},
    };
    const std::map<char, std::tuple<int, PadButton, Timer Game::*>> directions = {
        {'D', {keys::Down, PadButton::Down, &Game::tmrDown}},
        {'L', {keys::Left, PadButton::Left, &Game::tmrLeft}},
        {'R', {keys::Right, PadButton::Right, &Game::tmrRight}},
        {'U', {keys::Up, PadButton::Up, &Game::tmrUp}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        TestProgram t;
        t.world.random.fallback = {justUnderOne};
        frmGame& g = t.program.frmGame();
        Game& r = g.rules();
        for (const QByteArray& step : QByteArray(row.steps).split(' ')) {
            if (step == "B") {
                g.keyDown(pauseKey, 0);
            } else {
                const auto& [key, button, timer] = directions.at(step[2]);
                if (step[0] == 'P')
                    g.padButton(button, step[1] == '+');
                else if (step[1] == '-')
                    g.keyUp(key, 0);
                else
                    g.keyDown(key, 0, step[1] == '~');
            }
            t.world.clock.advance(20); // a release settles
        }
        QByteArray running;
        for (const auto& [name, direction] : directions)
            if ((r.*std::get<2>(direction)).enabled())
                running += name;
        EXPECT_EQ(running, row.running);
        if (row.frame >= 0) {
            EXPECT_EQ(r.swfGV.frameNum(), row.frame);
        }
        const auto runs = [&](char d) { return running.contains(d) ? 25.0f : 0.0f; };
        const QPointF before = r.swfGV.rect().topLeft();
        t.world.clock.advance(50);
        EXPECT_EQ(r.swfGV.rect().topLeft() - before,
                  QPointF(runs('R') - runs('L'), runs('D') - runs('U')));
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
    frmMain& menu = program.frmMain();
    menu.show();
    QApplication::setActiveWindow(&menu);
    program.padButton(PadButton::Down, true);
    program.padButton(PadButton::Down, false);
    EXPECT_FALSE(menu.picSettings[1]->isHidden());
    program.padButton(PadButton::Up, true);
    program.padButton(PadButton::South, true);
    EXPECT_FALSE(menu.isVisible()); // Play
}

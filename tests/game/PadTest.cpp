#include "GameFixture.h"
#include "PadKeys.h"
#include "frmMain.h"

#include <QApplication>

// In a game the pad presses the player's bound keys, whatever they are, and Start is P.
TEST_F(GameWindow, ThePadPressesThePlayersOwnKeys) {
    writeSettings("1\n65\n68\n87\n83\n17\n"); // A, D, W, S and Ctrl
    frmGame& g = gameWithTargetsFarAway();
    g.show();
    QApplication::setActiveWindow(&g);
    const struct {
        PadButton button;
        Timer frmGame::*started;
    } rows[] = {{PadButton::Left, &frmGame::tmrLeft},
                {PadButton::Right, &frmGame::tmrRight},
                {PadButton::Up, &frmGame::tmrUp},
                {PadButton::Down, &frmGame::tmrDown},
                {PadButton::South, &frmGame::tmrROF}};
    for (const auto& row : rows) {
        deliverPadButton(row.button, true);
        EXPECT_TRUE((g.*row.started).enabled()) << int(row.button);
        deliverPadButton(row.button, false);
        world.clock.advance(100); // the release settles
        EXPECT_FALSE((g.*row.started).enabled()) << int(row.button);
    }
    EXPECT_TRUE(g.imgBullet[0]->visible());
    deliverPadButton(PadButton::Start, true);
    EXPECT_EQ(world.messageBox.texts, std::vector<QString>{QStringLiteral("Game Paused")});
}

// Pulled out mid-game the pad pauses it, unless a box already holds the game.
TEST_F(GameWindow, UnpluggingThePadPausesAGame) {
    program.padUnplugged(); // no game yet: nothing to pause
    frmGame& g = gameWithTargetsFarAway();
    g.show();
    program.padUnplugged();
    EXPECT_EQ(world.messageBox.texts, std::vector<QString>{QStringLiteral("Game Paused")});
    world.messageBox.whileOpen = [&](const QString&) { program.padUnplugged(); };
    g.swfTarget[0]->move(g.swfGV.left(), g.swfGV.top());
    g.tmrTarget_Timer();
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

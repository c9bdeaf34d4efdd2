#include "MenuFixture.h"
#include "Preferences.h"
#include "Sounds.h"
#include "frmHigh.h"
#include "frmSettings.h"

// The speaker beside "Help" shows the sound as it is and switches it, by the mouse or, after
// Exit in the keys' order, by Return; the choice is kept in the preferences at once.
TEST_F(MenuWindow, TheSpeakerSwitchesTheSoundAndKeepsTheChoice) {
    frmMain& menu = shownMenu();
    auto showsOn = [&] { return !menu.picSound[0]->isHidden() && menu.picSound[1]->isHidden(); };
    auto kept = [&] { return readPreferences(world.path(preferencesFileName)).sound; };
    EXPECT_TRUE(showsOn());
    EXPECT_EQ(menu.picSound[0]->cursor().shape(), Qt::BitmapCursor);

    clickAt(centreOf(*menu.picSound[0]));
    EXPECT_TRUE(world.sound.muted());
    EXPECT_FALSE(showsOn());
    EXPECT_FALSE(kept());
    EXPECT_TRUE(world.sound.played.empty()); // the click is not heard once muted

    QTest::keySequence(&menu, QKeySequence("Down, Down, Down, Down")); // from Play past Exit
    EXPECT_EQ(lit(), noneLit);
    EXPECT_TRUE(menu.sqrFocus.geometry().contains(menu.picSound[0]->geometry()));
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_FALSE(world.sound.muted());
    EXPECT_TRUE(showsOn());
    EXPECT_TRUE(kept());
    EXPECT_EQ(world.sound.effects(), std::vector<int>{sounds::click});

    // M in a game switched it meanwhile: the menu shows that when it comes back.
    menu.hide();
    program.setSoundOn(false);
    menu.show();
    EXPECT_FALSE(showsOn());
}

TEST_F(MenuWindow, MenuButtonsClickAndTheScreensTheyOpenStaySilent) {
    frmMain& menu = shownMenu();
    menu.lblHelp_Click();
    menu.picSettings_Click();
    program.frmSettings().unload();
    menu.picHigh_Click();
    program.frmHigh().unload();
    menu.picPlay_Click();
    EXPECT_EQ(world.sound.effects(), std::vector<int>(4, sounds::click));
}

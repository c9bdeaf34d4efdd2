#include "Program.h"
#include "Keys.h"
#include "Preferences.h"
#include "TestProgram.h"
#include "frmGame.h"
#include "frmMain.h"

#include <gtest/gtest.h>

namespace {

std::vector<Form*> shownWindows() {
    std::vector<Form*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = dynamic_cast<Form*>(window);
        if (form && form->isVisible() && !form->isUnloaded())
            shown.push_back(form);
    }
    return shown;
}

} // namespace

// Whatever the player closes, and whenever: either a window stays on the screen or the program
// ends. While a message box is open no window closes at all.
TEST(Program, NeverRunsWithoutAVisibleWindow) {
    const struct {
        const char* state;
        void (frmMain::*click)(); // on the menu; none for the intro
        bool highScore;
    } cases[] = {
        {"intro", nullptr, false},
        {"settings over the menu", &frmMain::picSettings_Click, false},
        {"high scores over the menu", &frmMain::picHigh_Click, false},
        {"a game", &frmMain::picPlay_Click, false},
        {"the entry screen after a game", &frmMain::picPlay_Click, true},
    };
    for (const auto& c : cases) {
        TestProgram t;
        auto& [world, program] = t;
        if (c.click) {
            program.frmMain().show();
            (program.frmMain().*c.click)();
        } else {
            program.start();
        }
        if (c.highScore) {
            program.frmGame().rules().highScorePending = -1;
            program.frmGame().unload();
        }
        const std::vector<Form*> before = shownWindows();
        ASSERT_FALSE(before.empty()) << c.state;

        world.messageBox.whileOpen = [&](const QString&) {
            for (Form* window : before)
                closeByFrame(*window);
        };
        world.messageBox.show(*before.front(), "a box");
        world.messageBox.whileOpen = nullptr;
        EXPECT_EQ(shownWindows(), before) << c.state << ": a window closed under a box";
        EXPECT_FALSE(program.hasEnded()) << c.state;

        // Close the windows one by one, as far as each lets itself be closed.
        for (int step = 0; !program.hasEnded(); ++step) {
            const std::vector<Form*> shown = shownWindows();
            ASSERT_FALSE(shown.empty()) << c.state << ": nothing shown after " << step << " closes";
            ASSERT_LT(step, 10) << c.state << ": the windows refuse every close";
            for (Form* window : shown) {
                closeByFrame(*window);
                if (window->isUnloaded() || program.hasEnded())
                    break;
            }
        }
    }
}

// A choice the preferences file cannot keep (too large to keep whole) holds for this run; the
// player is told once, over the menu, never over a game in play whose targets fly on.
TEST(Program, AChoiceThatCannotBeSavedHoldsForThisRunAndIsToldOnceOverTheMenu) {
    TestProgram t;
    auto& [world, program] = t;
    world.writeFile(preferencesFileName, QByteArray(70 * 1024, ';'));
    program.frmMain().picPlay_Click();
    program.frmGame().keyDown(keys::F11, 0);
    program.frmGame().keyDown(frmGame::soundKey, 0);
    EXPECT_TRUE(world.messageBox.texts.empty()) << "a box over a game in play";
    program.frmGame().unload();
    QCoreApplication::processEvents();
    program.frmMain().picSound_Click();
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains(preferencesFileName));
    EXPECT_TRUE(program.gameFullScreen());
    EXPECT_EQ(world.readFile(preferencesFileName), QByteArray(70 * 1024, ';'));
}

TEST(Program, FirstStartTakesTheLargestSizeAtWhichTheMenuTakesAtMostTwoFifthsOfTheScreen) {
    const struct {
        int screenPixels;
        double desktopScale;
        double factor;
    } rows[] = {
        {720, 1, 1},      {768, 1, 1},    {1080, 1, 1}, {1200, 1, 1},
        {1440, 1, 1.5},   {1600, 1, 1.5}, {2160, 1, 2}, {2160, 2, 1},
        {2160, 1.5, 1.5}, {2880, 1, 3},   {4320, 1, 3}, {2880, 2, 1.5},
        {1770, 1, 2},     {1769, 1, 1.5}, {0, 1, 1},    {1080, 0, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.screenPixels << " at " << row.desktopScale);
        EXPECT_EQ(Program::firstStartSize(row.screenPixels, row.desktopScale), row.factor);
    }
}

// The program under real window managers, which raise, focus and close windows as a bare X
// server never does. Every scenario runs under jwm and under xfwm4.
#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString gameTitle = QStringLiteral("Vexaroo - Press P to pause");
const QString boxTitle = QStringLiteral("Vexaroo");

class UnderWindowManager : public ::testing::TestWithParam<const char*> {
protected:
    XSession x;
    QTemporaryDir folder;

    void SetUp() override {
        ASSERT_TRUE(x.ok()) << x.problem().toStdString();
        ASSERT_TRUE(x.startWindowManager(QString::fromLatin1(GetParam())))
            << x.problem().toStdString();
        QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"),
                    folder.filePath(QStringLiteral("settings")));
    }

    QString xdotool(const QStringList& arguments) {
        return x.run(QStringLiteral("xdotool"), arguments);
    }
    void keys(const QStringList& names) {
        for (const QString& name : names)
            xdotool({"key", name});
    }
    void click(QPoint p) {
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
        QThread::msleep(150);
        xdotool({"click", "1"});
    }
    // The window that takes the keys.
    bool becomesActive(unsigned long window) {
        return waitUntil([&] { return xdotool({"getactivewindow"}).trimmed().toULong() == window; },
                         5000);
    }
    bool gone(const QString& title) {
        return waitUntil([&] { return x.waitForWindow(title, 0) == 0; }, 5000);
    }
    // The program never runs without a visible window.
    void expectAWindowShown(const char* when) {
        EXPECT_GT(x.visibleGameWindows(), 0) << "nothing shown " << when;
    }

    // The program from its start to the menu, the intro skipped by a click on "Skip Intro" or
    // by a key.
    unsigned long menuAfterTheIntro(const QString& skipKey = QString()) {
        if (!x.startGame(folder.path()))
            return 0;
        const unsigned long intro = x.waitForWindow(QStringLiteral(" "));
        if (intro == 0)
            return 0;
        if (skipKey.isEmpty()) {
            click(x.geometry(intro).topLeft() + QPoint(20, 10));
        } else {
            xdotool({"windowactivate", "--sync", QString::number(intro)});
            keys({skipKey});
        }
        return x.waitForWindow(QStringLiteral("Main Menu"));
    }
    // As a player gets there: the program started as `make play` does, the intro skipped, Play
    // clicked on the menu.
    unsigned long gameFromTheMenu(unsigned long menu) {
        click(x.geometry(menu).topLeft() + QPoint(75, 133));
        return x.waitForWindow(gameTitle);
    }
    // A taskbar's or a pager's close, by wmctrl itself.
    void wmctrlClose(unsigned long window) {
        x.run(QStringLiteral("wmctrl"), {"-i", "-c", QString::number(window)});
    }
    bool ended() { return x.game().waitForFinished(5000); }
    // The closes just asked for are refused while the game's box is open: both stay, and the
    // menu does not come.
    void expectTheGameToStayUnderItsBox() {
        QThread::msleep(1000);
        EXPECT_NE(x.waitForWindow(gameTitle, 0), 0u) << "the game went under its box";
        EXPECT_NE(x.waitForWindow(boxTitle, 0), 0u) << "the box went";
        EXPECT_EQ(x.waitForWindow(QStringLiteral("Main Menu"), 0), 0u);
        expectAWindowShown("with the box open");
    }
    unsigned long gameOf(const QString& scenario) {
        if (!x.startGame(folder.path(), QStringLiteral(VEXAROO_HARNESS), {scenario}))
            return 0;
        return x.waitForWindow(gameTitle);
    }
    void answer(unsigned long box) {
        xdotool({"windowactivate", "--sync", QString::number(box)});
        keys({"Return"});
    }
};

} // namespace

TEST_P(UnderWindowManager, AClickOnTheDisabledMenuLeavesSettingsOnTopAndUsable) {
    const unsigned long menu = menuAfterTheIntro();
    ASSERT_NE(menu, 0u) << "no menu";
    const QPoint m = x.geometry(menu).topLeft();
    click(m + QPoint(75, 193));
    const unsigned long settings = x.waitForWindow(QStringLiteral("Settings"));
    ASSERT_NE(settings, 0u) << "no settings screen";
    EXPECT_EQ(x.ownerOf(settings), menu);

    click(m + QPoint(75, 133)); // Play, beside the settings screen, on the disabled menu
    QThread::msleep(400);
    const QPoint s = x.geometry(settings).topLeft();
    // The top banner's dark grey, where the menu has its title.
    const QImage shot = x.screenshot(screenshotFolder() + "/" + GetParam() + "-menu-clicked.png");
    EXPECT_EQ(shot.pixel(s + QPoint(175, 25)), qRgb(64, 64, 64)) << "the menu covers Settings";
    EXPECT_TRUE(becomesActive(settings)) << "the keys stay with the disabled menu";

    // Still usable: the fire key set to A, Return for Ok.
    click(s + QPoint(143, 248));
    keys({"a", "Return"});
    ASSERT_TRUE(gone(QStringLiteral("Settings")));
    QFile file(folder.filePath(QStringLiteral("settings")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(" 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"));
}

// The game-over box, from a game prepared at its last life on level 3 (the menu's path takes
// minutes to get there): no close takes the game from under it, and once it is answered the
// entry screen comes, then the menu.
TEST_P(UnderWindowManager, NoCloseRequestTakesTheGameFromUnderItsGameOverBox) {
    const unsigned long game = gameOf(QStringLiteral("last-life"));
    ASSERT_NE(game, 0u) << "no game";
    const unsigned long box = x.waitForWindow(boxTitle, 15000);
    ASSERT_NE(box, 0u) << "no game-over box";
    EXPECT_EQ(x.ownerOf(box), game);
    const QPoint offCentre = x.geometry(box).center() - x.geometry(game).center();
    EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();

    // From a taskbar through the manager, and from another program straight to the window.
    ASSERT_TRUE(x.closeFromTaskbar(game));
    ASSERT_TRUE(x.requestClose(game));
    expectTheGameToStayUnderItsBox();

    answer(box);
    const unsigned long entry = x.waitForWindow(QStringLiteral("You have a high score!"));
    ASSERT_NE(entry, 0u) << "no entry screen after the game; on screen: "
                         << x.visibleTitles().toStdString();
    EXPECT_TRUE(gone(gameTitle));
    expectAWindowShown("after the game");

    wmctrlClose(entry);
    const unsigned long menu = x.waitForWindow(QStringLiteral("Main Menu"));
    ASSERT_NE(menu, 0u) << "no menu after the entry screen; on screen: "
                        << x.visibleTitles().toStdString();
    ASSERT_TRUE(becomesActive(menu)) << "the menu did not come back to life";
    wmctrlClose(menu);
    ASSERT_TRUE(ended()) << "the program did not end with the menu";
    EXPECT_EQ(x.game().exitCode(), 0);
}

TEST_P(UnderWindowManager, GoingToAnotherProgramPausesTheGame) {
    const unsigned long game = gameOf(QStringLiteral("calm"));
    ASSERT_NE(game, 0u) << "no game";
    xdotool({"windowactivate", "--sync", QString::number(game)});
    ASSERT_TRUE(becomesActive(game));
    QThread::msleep(500);
    EXPECT_EQ(x.waitForWindow(boxTitle, 0), 0u) << "a box before the player left";

    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    other.setProcessEnvironment(env);
    other.start(QStringLiteral("xmessage"), {QStringLiteral("another program")});
    const unsigned long elsewhere = x.waitForWindow(QStringLiteral("xmessage"));
    ASSERT_NE(elsewhere, 0u) << "no other program";
    xdotool({"windowactivate", "--sync", QString::number(elsewhere)});
    EXPECT_NE(x.waitForWindow(boxTitle, 5000), 0u)
        << "no pause box; on screen: " << x.visibleTitles().toStdString();
    other.kill();
    other.waitForFinished();
}

TEST_P(UnderWindowManager, TheIntroAndTheMenuArePlayedFromTheKeyboardAlone) {
    const unsigned long menu = menuAfterTheIntro(QStringLiteral("Escape"));
    ASSERT_NE(menu, 0u) << "Esc did not skip the intro";
    ASSERT_TRUE(becomesActive(menu));
    // The manager's focus settles once the intro's window is gone, as a player's first key waits.
    QThread::msleep(500);
    keys({"Down", "Down", "Return"});
    const unsigned long high = x.waitForWindow(QStringLiteral("High Scores"));
    ASSERT_NE(high, 0u) << "Down, Down, Return did not open the high scores";
    EXPECT_EQ(x.ownerOf(high), menu);
    ASSERT_TRUE(becomesActive(high));
    keys({"Escape"});
    ASSERT_TRUE(gone(QStringLiteral("High Scores")));
    ASSERT_TRUE(becomesActive(menu)) << "the menu did not take the keys back";

    // Settings: Tab to the first key box, Return to make it wait, A; Esc ends a second wait
    // with A kept; Tab on to Ok and Return saves.
    keys({"Up", "Return"});
    const unsigned long settings = x.waitForWindow(QStringLiteral("Settings"));
    ASSERT_NE(settings, 0u) << "Up, Return did not open the settings";
    ASSERT_TRUE(becomesActive(settings));
    keys({"Tab", "Tab", "Return", "a", "space", "Escape", "Tab", "Tab", "Tab", "Tab", "Tab",
          "Return"});
    ASSERT_TRUE(gone(QStringLiteral("Settings"))) << "Tab to Ok and Return did not save";
    QFile file(folder.filePath(QStringLiteral("settings")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(" 1 \r\n 65 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"));
    ASSERT_TRUE(becomesActive(menu)) << "the menu did not take the keys back";

    keys({"Up", "Return"});
    EXPECT_NE(x.waitForWindow(gameTitle), 0u) << "Up, Return did not start a game";
    EXPECT_TRUE(gone(QStringLiteral("Main Menu")));
}

// Every way a player or a taskbar closes the game during play brings the menu back, and the
// next game starts from it.
TEST_P(UnderWindowManager, EveryCloseOfAGameInPlayBringsTheMenuBack) {
    unsigned long menu = menuAfterTheIntro();
    ASSERT_NE(menu, 0u) << "no menu";
    for (const char* how : {"wmctrl", "WM_DELETE_WINDOW", "Alt+F4"}) {
        SCOPED_TRACE(how);
        const unsigned long game = gameFromTheMenu(menu);
        ASSERT_NE(game, 0u) << "Play opened no game; on screen: "
                            << x.visibleTitles().toStdString();
        QThread::msleep(1000);
        if (how == std::string("wmctrl")) {
            wmctrlClose(game);
        } else if (how == std::string("WM_DELETE_WINDOW")) {
            ASSERT_TRUE(x.requestClose(game));
        } else {
            xdotool({"windowactivate", "--sync", QString::number(game)});
            keys({"alt+F4"});
        }
        menu = x.waitForWindow(QStringLiteral("Main Menu"));
        ASSERT_NE(menu, 0u) << "no menu after the game; on screen: "
                            << x.visibleTitles().toStdString();
        EXPECT_TRUE(gone(gameTitle));
        EXPECT_EQ(x.waitForWindow(boxTitle, 0), 0u) << "a box for a game that closed";
        expectAWindowShown("after the game closed");
    }
    wmctrlClose(menu);
    ASSERT_TRUE(ended()) << "the program did not end with the menu";
    EXPECT_EQ(x.game().exitCode(), 0);
}

// Under its pause box and under a lost life's box, reached by P and by standing still, the game
// refuses every close and stays where it was; once the box is answered play goes on, and a close
// then brings the menu back.
TEST_P(UnderWindowManager, NoCloseTakesTheGameFromUnderAPauseOrALostLife) {
    unsigned long menu = menuAfterTheIntro();
    ASSERT_NE(menu, 0u) << "no menu";
    for (const char* moment : {"paused", "lost life"}) {
        SCOPED_TRACE(moment);
        const unsigned long game = gameFromTheMenu(menu);
        ASSERT_NE(game, 0u) << "Play opened no game";
        const bool paused = moment == std::string("paused");
        if (paused) {
            xdotool({"windowactivate", "--sync", QString::number(game)});
            QThread::msleep(300);
            keys({"p"});
        }
        const unsigned long box = x.waitForWindow(boxTitle, paused ? 5000 : 60000);
        ASSERT_NE(box, 0u) << "no box; on screen: " << x.visibleTitles().toStdString();
        wmctrlClose(game);
        ASSERT_TRUE(x.requestClose(game));
        expectTheGameToStayUnderItsBox();

        // P answers its own pause, Return any box.
        xdotool({"windowactivate", "--sync", QString::number(box)});
        keys({paused ? "p" : "Return"});
        ASSERT_TRUE(gone(boxTitle));
        EXPECT_NE(x.waitForWindow(gameTitle, 0), 0u) << "play did not go on";
        expectAWindowShown("after the box");

        wmctrlClose(game);
        menu = x.waitForWindow(QStringLiteral("Main Menu"));
        ASSERT_NE(menu, 0u) << "no menu after the game; on screen: "
                            << x.visibleTitles().toStdString();
        expectAWindowShown("after the game closed");
    }
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, UnderWindowManager, ::testing::Values("jwm", "xfwm4"));

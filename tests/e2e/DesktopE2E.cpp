// The program on real desktops, which raise, focus and close windows as a bare X server never
// does: under the window managers jwm and xfwm4, and natively under the Wayland compositor sway.
// sway's seat has no pointer here: where a scenario clicks on X11 it uses the keys there.
#include "Pixels.h"
#include "XSession.h"

#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

namespace {

class OnDesktop : public ::testing::TestWithParam<const char*> {
protected:
    QString name(const char* what) const { return QString::fromLatin1(GetParam()) + "-" + what; }
};

// What follows the answer to a box.
enum class Then { PlayGoesOn, EntrySubmitted, EntryClosed };

} // namespace

TEST_P(OnDesktop, AClickOnTheDisabledMenuLeavesSettingsOnTopAndUsable) {
    const auto d = Desktop::open(GetParam());
    const unsigned long menu = d->menuAfterTheIntro();
    ASSERT_NE(menu, 0u) << "no menu; " << d->onScreen();
    if (!d->clickOn(menu, QPointF(75, 193)))
        d->keys({"Down", "Return"});
    const unsigned long settings = d->waitForWindow(titles::settings);
    ASSERT_NE(settings, 0u) << "no settings screen";
    EXPECT_EQ(d->tellsOwners() ? d->ownerOf(settings) : menu, menu);

    // Play, beside the settings screen, on the disabled menu; without a pointer the compositor
    // gives the disabled menu the keys, as its focus keys do.
    if (!d->clickOn(menu, QPointF(75, 133)))
        d->activate(menu);
    QThread::msleep(400);
    const QPoint s = d->geometry(settings).topLeft();
    const QImage shot = d->shot(name("menu-clicked"));
    // The top banner's dark grey, where the menu has its title. A Wayland compositor stacks as
    // it likes (sway raises the window it focuses, and no client may raise one).
    if (d->tellsOwners()) {
        EXPECT_EQ(shot.pixel(s + QPoint(175, 25)), qRgb(64, 64, 64)) << "the menu covers Settings";
    }
    EXPECT_TRUE(d->becomesActive(settings)) << "the keys stay with the disabled menu";

    // Still usable: Tab to the fire key's box, Return to make it wait, A, Tab to Ok, Return.
    d->keys({"Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Return", "a", "Tab", "Return"});
    ASSERT_TRUE(d->gone(titles::settings));
    EXPECT_EQ(contents(d->folder.filePath("settings")),
              QByteArray(" 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"));
}

// Under each of the game's boxes, prepared by the harness, the game refuses every close and
// stays; once the box is answered play goes on and a close brings the menu back, or after the
// game-over box the entry screen comes, then the menu.
TEST_P(OnDesktop, NoCloseTakesTheGameFromUnderItsBox) {
    const struct {
        const char* box;
        const char* scenario;
        const char* opens;  // the key that opens the box, if the game does not
        const char* answer; // P answers its own pause, Return any box
        Then then;
    } rows[] = {
        {"pause", "calm", "p", "p", Then::PlayGoesOn},
        {"lost life", "lost-life", nullptr, "Return", Then::PlayGoesOn},
        {"game over, a name entered", "last-life", nullptr, "Return", Then::EntrySubmitted},
        {"game over, the entry closed", "last-life", nullptr, "Return", Then::EntryClosed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        const auto d = Desktop::open(GetParam());
        const unsigned long game = d->startScenario(row.scenario);
        ASSERT_NE(game, 0u) << "no game; " << d->onScreen();
        if (row.opens) {
            d->activate(game);
            QThread::msleep(300);
            d->keys({row.opens});
        }
        const unsigned long box = d->waitForWindow(titles::box, 15000);
        ASSERT_NE(box, 0u) << "no box; " << d->onScreen();
        EXPECT_EQ(d->tellsOwners() ? d->ownerOf(box) : game, game);
        // A manager may frame and place a new window in steps: the box must end up centred.
        const auto off = [&] { return d->geometry(box).center() - d->geometry(game).center(); };
        waitUntil([&] { return off().manhattanLength() <= 4; }, 2000);
        EXPECT_LE(off().manhattanLength(), 4) << off().x() << "," << off().y();

        // From a taskbar through the manager, and from another program straight to the window.
        ASSERT_TRUE(d->closeFromTaskbar(game));
        if (XSession* x = d->x11()) {
            ASSERT_TRUE(x->requestClose(game));
        }
        QThread::msleep(1000);
        EXPECT_NE(d->waitForWindow(titles::game, 0), 0u) << "the game went under its box";
        EXPECT_NE(d->waitForWindow(titles::box, 0), 0u) << "the box went";
        EXPECT_EQ(d->waitForWindow(titles::menu, 0), 0u);
        EXPECT_GT(d->visibleGameWindows(), 0) << "nothing shown with the box open";

        d->answer(box, row.answer);
        if (row.then == Then::PlayGoesOn) {
            ASSERT_TRUE(d->gone(titles::box));
            EXPECT_NE(d->waitForWindow(titles::game, 0), 0u) << "play did not go on";
            d->closeFromTaskbar(game);
            EXPECT_NE(d->waitForWindow(titles::menu), 0u)
                << "no menu after the game; " << d->onScreen();
            continue;
        }
        const unsigned long entry = d->waitForWindow(titles::entry);
        ASSERT_NE(entry, 0u) << "no entry screen after the game; " << d->onScreen();
        EXPECT_TRUE(d->gone(titles::game));
        EXPECT_GT(d->visibleGameWindows(), 0) << "nothing shown after the game";
        if (row.then == Then::EntrySubmitted) {
            // The tenth character is refused: "Lovelace-K" arrives as "Lovelace-".
            d->activate(entry);
            d->type("Ada");
            d->keys({"Tab"});
            d->type("Lovelace-K");
            const QPoint e = d->geometry(entry).topLeft();
            const QImage shot = d->shot(name("entry-screen"));
            // The banner's dark grey and the white name boxes.
            EXPECT_EQ(shot.pixel(e + QPoint(272, 20)), qRgb(64, 64, 64));
            EXPECT_EQ(shot.pixel(e + QPoint(130, 45)), qRgb(255, 255, 255));
            if (!d->clickOn(entry, QPointF(79 + 30, 148 + 10))) // Submit
                d->keys({"Return"});
            ASSERT_TRUE(d->gone(titles::entry)) << "the entry screen stayed open";
            QByteArray expected("Ada       Lovelace- \x03\x00\x0c\x00", 24);
            EXPECT_EQ(contents(d->folder.filePath("scores")).toHex().toStdString(),
                      (expected + QByteArray(20, '\0')).toHex().toStdString());
        } else {
            d->closeFromTaskbar(entry);
        }
        const unsigned long menu = d->waitForWindow(titles::menu);
        ASSERT_NE(menu, 0u) << "no menu after the entry screen; " << d->onScreen();
        ASSERT_TRUE(d->becomesActive(menu)) << "the menu did not come back to life";
        d->closeFromTaskbar(menu);
        ASSERT_TRUE(d->game().waitForFinished(5000)) << "the program did not end with the menu";
        EXPECT_EQ(d->game().exitCode(), 0);
    }
}

TEST_P(OnDesktop, GoingToAnotherProgramPausesTheGame) {
    const auto d = Desktop::open(GetParam());
    const unsigned long game = d->startScenario("calm");
    ASSERT_NE(game, 0u) << "no game; " << d->onScreen();
    d->activate(game);
    ASSERT_TRUE(d->becomesActive(game));
    QThread::msleep(500);
    EXPECT_EQ(d->waitForWindow(titles::box, 0), 0u) << "a box before the player left";

    const unsigned long elsewhere = d->startAnotherProgram();
    ASSERT_NE(elsewhere, 0u) << "no other program";
    d->activate(elsewhere);
    EXPECT_NE(d->waitForWindow(titles::box, 5000), 0u) << "no pause box; " << d->onScreen();
}

TEST_P(OnDesktop, TheIntroAndTheMenuArePlayedFromTheKeyboardAlone) {
    const auto d = Desktop::open(GetParam());
    const unsigned long menu = d->menuAfterTheIntro({}, "Escape");
    ASSERT_NE(menu, 0u) << "Esc did not skip the intro; " << d->onScreen();
    ASSERT_TRUE(d->becomesActive(menu));
    // The manager's focus settles once the intro's window is gone, as a player's first key waits.
    QThread::msleep(500);
    d->keys({"Down", "Down", "Return"});
    const unsigned long high = d->waitForWindow(titles::high);
    ASSERT_NE(high, 0u) << "Down, Down, Return did not open the high scores";
    EXPECT_EQ(d->tellsOwners() ? d->ownerOf(high) : menu, menu);
    ASSERT_TRUE(d->becomesActive(high));
    d->keys({"Escape"});
    ASSERT_TRUE(d->gone(titles::high));
    ASSERT_TRUE(d->becomesActive(menu)) << "the menu did not take the keys back";

    // Settings: Tab to the first key box, Return to make it wait, A; Esc ends a second wait
    // with A kept; Tab on to Ok and Return saves.
    d->keys({"Up", "Return"});
    const unsigned long settings = d->waitForWindow(titles::settings);
    ASSERT_NE(settings, 0u) << "Up, Return did not open the settings";
    ASSERT_TRUE(d->becomesActive(settings));
    d->keys({"Tab", "Tab", "Return", "a", "space", "Escape", "Tab", "Tab", "Tab", "Tab", "Tab",
             "Return"});
    ASSERT_TRUE(d->gone(titles::settings)) << "Tab to Ok and Return did not save";
    EXPECT_EQ(contents(d->folder.filePath("settings")),
              QByteArray(" 1 \r\n 65 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"));
    ASSERT_TRUE(d->becomesActive(menu)) << "the menu did not take the keys back";

    d->keys({"Up", "Return"});
    EXPECT_NE(d->waitForWindow(titles::game), 0u) << "Up, Return did not start a game";
    EXPECT_TRUE(d->gone(titles::menu));
}

// Every way a player or a taskbar closes the game during play brings the menu back, and the
// next game starts from it. Wayland has no close request from another program.
TEST_P(OnDesktop, EveryCloseOfAGameInPlayBringsTheMenuBack) {
    const auto d = Desktop::open(GetParam());
    unsigned long menu = d->menuAfterTheIntro();
    ASSERT_NE(menu, 0u) << "no menu; " << d->onScreen();
    for (const std::string how : {"taskbar", "WM_DELETE_WINDOW", "Alt+F4"}) {
        if (how == "WM_DELETE_WINDOW" && !d->x11())
            continue;
        SCOPED_TRACE(how);
        const unsigned long game = d->play(menu);
        ASSERT_NE(game, 0u) << "Play opened no game; " << d->onScreen();
        QThread::msleep(1000);
        if (how == "taskbar") {
            d->closeFromTaskbar(game);
        } else if (how == "WM_DELETE_WINDOW") {
            ASSERT_TRUE(d->x11()->requestClose(game));
        } else {
            d->activate(game);
            d->keys({"alt+F4"});
        }
        menu = d->waitForWindow(titles::menu);
        ASSERT_NE(menu, 0u) << "no menu after the game; " << d->onScreen();
        EXPECT_TRUE(d->gone(titles::game));
        EXPECT_EQ(d->waitForWindow(titles::box, 0), 0u) << "a box for a game that closed";
        EXPECT_GT(d->visibleGameWindows(), 0) << "nothing shown after the game closed";
    }
    d->closeFromTaskbar(menu);
    ASSERT_TRUE(d->game().waitForFinished(5000)) << "the program did not end with the menu";
    EXPECT_EQ(d->game().exitCode(), 0);
}

// Held keys as the desktop delivers them: the first press acts at once, a held fire key fires
// on its timer's schedule however fast the keyboard repeats, and P pauses until the box is
// answered.
TEST_P(OnDesktop, RealKeysMoveGorvanFireBulletsAndPause) {
    const auto d = Desktop::open(GetParam());
    // Targets fly level across the top, so no lost-life box can get in the way.
    const unsigned long game = d->startScenario("calm");
    ASSERT_NE(game, 0u) << "no game; " << d->onScreen();
    d->activate(game);
    ASSERT_TRUE(d->becomesActive(game));
    const QPoint origin = d->geometry(game).topLeft();
    const QRect playfield(0, 39, 471, 314);

    // A bullet shows four pixels of its colour and crosses the field ahead of Gorvan in a third
    // of a second: five a second leave one to three in flight, a bullet for each repeat all six.
    const QRect ahead(160, 39, 311, 314);
    QImage early, held;
    d->hold({"space"}, 300, [&] {
        early = d->shot(name("firing"));
        QThread::msleep(700); // the keyboard repeats from 600 ms on
        held = d->shot(name("firing-held"));
    });
    EXPECT_GE(count(early, origin, ahead, bulletColour), 3) << "no bullet in flight";
    const int heldBullets = count(held, origin, ahead, bulletColour);
    EXPECT_GE(heldBullets, 3) << "a held key stopped firing";
    EXPECT_LE(heldBullets, 3 * 4) << "a repeat fired";

    const double before = meanX(d->screenshot(), origin, playfield, teal);
    ASSERT_GT(before, 124);
    ASSERT_LT(before, 158);
    d->hold({"Right"}, 500, {});
    QThread::msleep(100);
    const double after = meanX(d->shot(name("moved-right")), origin, playfield, teal);
    EXPECT_GT(after - before, 150) << "Gorvan moved from x " << before << " to " << after;

    // Pause once a target is well inside the window, so there is flight to stop.
    const QRect inside(0, 39, 400, 314);
    waitUntil([&] { return count(d->screenshot(), origin, inside, hazard) > 300; }, 10000);
    d->keys({"p"});
    const unsigned long box = d->waitForWindow(titles::box, 15000);
    ASSERT_NE(box, 0u) << "no pause box";
    // Targets spin in place but do not fly while the box is open.
    const auto held1 = blobs(d->shot(name("held1")), origin, inside, hazard);
    QThread::msleep(600);
    const auto held2 = blobs(d->shot(name("held2")), origin, inside, hazard);
    EXPECT_FALSE(held1.empty());
    EXPECT_TRUE(samePlaces(held1, held2))
        << "targets moved during the pause: " << describe(held1) << " then " << describe(held2);

    d->answer(box);
    EXPECT_TRUE(d->gone(titles::box)) << "the box stayed open";
    const auto going1 = blobs(d->shot(name("resumed")), origin, inside, hazard);
    QThread::msleep(600);
    const auto going2 = blobs(d->screenshot(), origin, inside, hazard);
    EXPECT_FALSE(samePlaces(going1, going2)) << "play did not go on";
}

// F11 puts the field full screen: as high as the screen, centred on black, the status strip
// with it; a box over it takes the keys; the choice is kept for the next game.
TEST_P(OnDesktop, F11FillsTheScreenHeightWithTheFieldCentredOnBlack) {
    const QSize fullHd(1920, 1080);
    const auto d = Desktop::open(GetParam(), fullHd);
    const unsigned long menu = d->menuAfterTheIntro();
    ASSERT_NE(menu, 0u) << "no menu; " << d->onScreen();
    const unsigned long game = d->play(menu);
    ASSERT_NE(game, 0u) << "no game; " << d->onScreen();
    d->activate(game);
    d->keys({"F11"});
    QThread::msleep(1000);
    EXPECT_EQ(d->geometry(game), QRect(QPoint(0, 0), fullHd));
    const QImage shot = d->shot(name("full-screen"));
    const double scale = 1080.0 / 353;
    const QPointF field((1920 - 471 * scale) / 2, 0);
    auto at = [&](double x, double y) { return (field + QPointF(x, y) * scale).toPoint(); };
    // The strip from the field's left to its right edge, at its top; black on either side.
    for (QPoint q : {at(5, 34), at(200, 30), at(465, 34), at(250, 3.5)})
        EXPECT_EQ(shot.pixel(q), qRgb(128, 128, 128)) << q.x() << "," << q.y();
    for (QPoint q : {at(-4, 20), at(475, 20), QPoint(5, 5), QPoint(1914, 5)})
        EXPECT_EQ(shot.pixel(q), qRgb(0, 0, 0)) << q.x() << "," << q.y();
    EXPECT_GT(count(shot, QPoint(), QRectF(at(124, 142.47), at(158, 210.47)).toRect(), teal),
              300 * scale * scale);

    d->keys({"p"});
    const unsigned long box = d->waitForWindow(titles::box, 5000);
    ASSERT_NE(box, 0u) << "no pause box over the full screen";
    EXPECT_TRUE(d->becomesActive(box)) << "the box over the full screen has not the keys";
    d->keys({"p"});
    EXPECT_TRUE(d->gone(titles::box)) << "P did not answer the box over the full screen";
    EXPECT_TRUE(contents(d->folder.filePath("preferences")).contains("fullscreen=on"));

    // The next game starts full screen, and F11 brings it to its own size.
    d->closeFromTaskbar(game);
    const unsigned long next = d->play(d->waitForWindow(titles::menu));
    ASSERT_NE(next, 0u) << "no second game; " << d->onScreen();
    EXPECT_TRUE(waitUntil([&] { return d->geometry(next) == QRect(QPoint(0, 0), fullHd); }, 5000));
    d->activate(next);
    d->keys({"F11"});
    EXPECT_TRUE(waitUntil([&] { return d->geometry(next).size() == QSize(471, 353); }, 5000))
        << "back from full screen at " << d->geometry(next).width() << "x"
        << d->geometry(next).height();
}

INSTANTIATE_TEST_SUITE_P(Desktops, OnDesktop, ::testing::Values("jwm", "xfwm4", "sway"));

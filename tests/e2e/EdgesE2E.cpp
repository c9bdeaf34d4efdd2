// The real program at its edges: a resize after its file was replaced (as a package upgrade
// does during play) or made unrunnable, and a game window that another program destroys. Under
// jwm: destroying a window outright is X11's.
#include "Desktop.h"
#include "Pixels.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// The game at the menu, started from a copy of the program laid out as installed.
struct Installed {
    std::unique_ptr<Desktop> d = Desktop::open("jwm");
    QTemporaryDir installed;
    unsigned long menu = 0;

    void start() {
        d->executable = installed.filePath("vexaroo");
        const QString built = QFileInfo(VEXAROO_EXECUTABLE).path();
        for (const char* beside : {"anim", "sounds"})
            QFile::link(built + '/' + beside, installed.filePath(beside));
        ASSERT_TRUE(QFile::copy(VEXAROO_EXECUTABLE, d->executable));
        menu = d->menuAfterTheIntro({"--size", "1"});
        ASSERT_NE(menu, 0u) << "no menu; " << d->onScreen();
        // A loaded machine's manager may still be settling the intro's going: the keys wait
        // until the menu has them.
        QThread::msleep(300);
        ASSERT_TRUE(waitUntil(
            [&] {
                d->activate(menu);
                return d->activeWindow() == menu;
            },
            15000))
            << "the menu never took the keys; " << d->onScreen();
    }
    bool keptSize(const char* size) {
        return contents(d->folder.filePath("preferences")).contains(size);
    }
};

} // namespace

// The new program takes the old one's place (the same process) at the larger size, with its
// movies: Gorvan stands on the field.
TEST(Edges, AResizeAfterAnUpgradeReplacedTheProgramStartsTheNewOneWithItsMovies) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    ASSERT_TRUE(QFile::copy(VEXAROO_EXECUTABLE, game.d->executable + ".new"));
    ASSERT_EQ(rename(QFile::encodeName(game.d->executable + ".new"),
                     QFile::encodeName(game.d->executable)),
              0);
    game.d->keys({"ctrl+plus"});
    unsigned long menu = 0; // the new program's, at size 1.5
    auto larger = [&] { return game.d->geometry(menu = game.d->waitForWindow(titles::menu, 500)); };
    EXPECT_TRUE(waitUntil([&] { return larger().width() > 700; }, 20000));
    EXPECT_EQ(game.d->game().state(), QProcess::Running);
    EXPECT_TRUE(game.keptSize("size=1.5"));
    game.d->size = 1.5;
    const unsigned long field = game.d->play(menu);
    QThread::msleep(250);
    const QImage shot = game.d->shot("edges-upgraded");
    const QRect gorvan = QRectF(QPointF(124, 142.47) * 1.5, QSizeF(34, 68) * 1.5).toRect();
    EXPECT_GT(pixels::count(shot, game.d->geometry(field).topLeft(), gorvan, pixels::teal), 600);
}

// A file that cannot run: a box says so, the menu keeps its size and nothing is saved.
TEST(Edges, AResizeThatCannotStartAgainKeepsTheGameAtItsSizeWithAMessage) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    ASSERT_TRUE(QFile::setPermissions(game.d->executable, QFileDevice::ReadOwner));
    // Pressed again when no box comes: on a loaded machine the first may go astray.
    unsigned long box = 0;
    for (int attempt = 0; attempt < 2 && !box; ++attempt) {
        game.d->keys({"ctrl+plus"});
        box = game.d->waitForWindow(titles::box, 10000);
    }
    EXPECT_NE(box, 0u) << game.d->onScreen() << "; active: " << game.d->activeWindow()
                       << ", menu: " << game.menu;
    EXPECT_EQ(game.d->geometry(game.menu).size(), QSize(522, 354));
    EXPECT_FALSE(game.keptSize("size=1.5"));
    game.d->answer(box);
    EXPECT_TRUE(waitUntil([&] { return game.d->visibleGameWindows() == 1; }, 5000));
}

// xdotool windowclose destroys a window outright: the game closes as by its close box, the menu
// comes back without a box, and the menu destroyed too ends the program.
TEST(Edges, AWindowDestroyedByAnotherProgramClosesAsByItsCloseBox) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    const unsigned long field = game.d->play(game.menu);
    QThread::msleep(300);
    game.d->run("xdotool", {"windowclose", QString::number(field)});
    const unsigned long menu = game.d->waitForWindow(titles::menu, 10000);
    QThread::msleep(1000); // time enough for a pause's box
    EXPECT_EQ(game.d->visibleGameWindows(), 1) << game.d->onScreen();
    game.d->run("xdotool", {"windowclose", QString::number(menu)});
    ASSERT_TRUE(game.d->game().waitForFinished(10000)) << "the program runs on without a window";
    EXPECT_EQ(game.d->game().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.d->game().exitCode(), 0);
}

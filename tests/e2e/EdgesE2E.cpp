// The real program at its edges: a resize after its file was replaced (as a package upgrade
// does during play) or made unrunnable, and a game window that another program destroys.
#include "Pixels.h"
#include "XSession.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// The game under jwm at the menu, started from a copy of the program laid out as installed.
struct Installed {
    XSession x;
    QTemporaryDir installed, folder;
    QString file = installed.filePath("vexaroo");
    unsigned long menu = 0;

    void start() {
        ASSERT_TRUE(x.ok() && x.startWindowManager("jwm")) << x.problem().toStdString();
        const QString built = QFileInfo(VEXAROO_EXECUTABLE).path();
        for (const char* beside : {"anim", "sounds"})
            QFile::link(built + '/' + beside, installed.filePath(beside));
        ASSERT_TRUE(QFile::copy(VEXAROO_EXECUTABLE, file));
        QFile::copy(VEXAROO_SOURCE_DIR "/data/settings", folder.filePath("settings"));
        ASSERT_TRUE(x.startGame(folder.path(), file, {"--size", "1"}));
        click(x.waitForWindow(" "), {20, 10});
        menu = x.waitForWindow("Main Menu");
        ASSERT_NE(menu, 0u) << "no menu; on screen: " << x.visibleTitles().toStdString();
        QThread::msleep(300);
    }
    void click(unsigned long window, QPointF at) {
        x.run("xdotool", {"mousemove", "--window", QString::number(window), QString::number(at.x()),
                          QString::number(at.y()), "click", "1"});
    }
    void key(unsigned long window, const QString& keys) {
        x.run("xdotool", {"windowfocus", "--sync", QString::number(window), "key", keys});
    }
    bool keptSize(const char* size) {
        QFile kept(folder.filePath("preferences"));
        return kept.open(QIODevice::ReadOnly) && kept.readAll().contains(size);
    }
};

} // namespace

// The new program takes the old one's place (the same process) at the larger size, with its
// movies: Gorvan stands on the field.
TEST(Edges, AResizeAfterAnUpgradeReplacedTheProgramStartsTheNewOneWithItsMovies) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    ASSERT_TRUE(QFile::copy(VEXAROO_EXECUTABLE, game.file + ".new"));
    ASSERT_EQ(rename(QFile::encodeName(game.file + ".new"), QFile::encodeName(game.file)), 0);
    game.key(game.menu, "ctrl+plus");
    unsigned long menu = 0; // the new program's, at size 1.5
    auto larger = [&] { return game.x.geometry(menu = game.x.waitForWindow("Main Menu", 500)); };
    EXPECT_TRUE(waitUntil([&] { return larger().width() > 700; }, 20000));
    EXPECT_EQ(game.x.game().state(), QProcess::Running);
    EXPECT_TRUE(game.keptSize("size=1.5"));
    game.click(menu, QPointF(75, 133) * 1.5);
    const unsigned long field = game.x.waitForWindow("Vexaroo - Press P to pause");
    QThread::msleep(500);
    const QImage shot = game.x.screenshot(screenshotFolder() + "/edges-upgraded.png");
    const QRect gorvan = QRectF(QPointF(124, 142.47) * 1.5, QSizeF(34, 68) * 1.5).toRect();
    EXPECT_GT(pixels::count(shot, game.x.geometry(field).topLeft(), gorvan, pixels::teal), 600);
}

// A file that cannot run: a box says so, the menu keeps its size and nothing is saved.
TEST(Edges, AResizeThatCannotStartAgainKeepsTheGameAtItsSizeWithAMessage) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    ASSERT_TRUE(QFile::setPermissions(game.file, QFileDevice::ReadOwner));
    game.key(game.menu, "ctrl+plus");
    const unsigned long box = game.x.waitForWindow("Vexaroo", 10000);
    EXPECT_NE(box, 0u) << "on screen: " << game.x.visibleTitles().toStdString();
    EXPECT_EQ(game.x.geometry(game.menu).size(), QSize(522, 354));
    EXPECT_FALSE(game.keptSize("size=1.5"));
    game.key(box, "Return");
    EXPECT_TRUE(waitUntil([&] { return game.x.visibleGameWindows() == 1; }, 5000));
}

// xdotool windowclose destroys a window outright: the game closes as by its close box, the menu
// comes back without a box, and the menu destroyed too ends the program.
TEST(Edges, AWindowDestroyedByAnotherProgramClosesAsByItsCloseBox) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    game.click(game.menu, {75, 133});
    const unsigned long field = game.x.waitForWindow("Vexaroo - Press P to pause");
    QThread::msleep(300);
    game.x.run("xdotool", {"windowclose", QString::number(field)});
    const unsigned long menu = game.x.waitForWindow("Main Menu", 10000);
    QThread::msleep(1000); // time enough for a pause's box
    EXPECT_EQ(game.x.visibleGameWindows(), 1) << game.x.visibleTitles().toStdString();
    game.x.run("xdotool", {"windowclose", QString::number(menu)});
    ASSERT_TRUE(game.x.game().waitForFinished(10000)) << "the program runs on without a window";
    EXPECT_EQ(game.x.game().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.x.game().exitCode(), 0);
}

// The real program at its edges: a resize after its file was replaced (as a package upgrade
// does during play) or made unrunnable, and a game window that another program destroys.
#include "Pixels.h"
#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The game under jwm, started at the menu from a folder laid out as installed: the program's
// own copy with its movies and sounds beside it, so that a scenario may change that file.
struct Installed {
    XSession x;
    QTemporaryDir installed, folder;
    QString file = installed.filePath(QStringLiteral("vexaroo"));
    unsigned long menu = 0;

    void start() {
        ASSERT_TRUE(x.ok() && x.startWindowManager(QStringLiteral("jwm")))
            << x.problem().toStdString();
        const QDir built = QFileInfo(QStringLiteral(VEXAROO_EXECUTABLE)).dir();
        for (const char* sub : {"anim", "sounds"}) {
            QDir(installed.path()).mkdir(QString::fromLatin1(sub));
            const QDir from(built.filePath(QString::fromLatin1(sub)));
            for (const QString& name : from.entryList(QDir::Files))
                QFile::copy(from.filePath(name), installed.filePath(sub + ('/' + name)));
        }
        ASSERT_TRUE(QFile::copy(QStringLiteral(VEXAROO_EXECUTABLE), file));
        QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"),
                    folder.filePath(QStringLiteral("settings")));
        ASSERT_TRUE(x.startGame(folder.path(), file, {QStringLiteral("--size"), "1"}));
        const unsigned long intro = x.waitForWindow(QStringLiteral(" "));
        ASSERT_NE(intro, 0u) << "no intro";
        click(intro, {20, 10});
        menu = x.waitForWindow(QStringLiteral("Main Menu"));
        ASSERT_NE(menu, 0u) << "no menu after Skip Intro; on screen: "
                            << x.visibleTitles().toStdString();
        QThread::msleep(300);
    }
    void click(unsigned long window, QPointF at) {
        x.run("xdotool", {"mousemove", "--window", QString::number(window), QString::number(at.x()),
                          QString::number(at.y()), "click", "1"});
    }
    void key(unsigned long window, const QString& keys) {
        x.run("xdotool", {"windowfocus", "--sync", QString::number(window), "key", keys});
    }
    QByteArray preferences() {
        QFile kept(folder.filePath(QStringLiteral("preferences")));
        return kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray();
    }
};

} // namespace

// The new program takes the old one's place at the larger size (the same process), and finds
// its movies: Gorvan is on the field.
TEST(Edges, AResizeAfterAnUpgradeReplacedTheProgramStartsTheNewOneWithItsMovies) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    const QString next = game.file + QStringLiteral(".new");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VEXAROO_EXECUTABLE), next));
    ASSERT_EQ(
        std::rename(QFile::encodeName(next).constData(), QFile::encodeName(game.file).constData()),
        0);
    game.key(game.menu, QStringLiteral("ctrl+plus"));
    unsigned long menu = 0;
    EXPECT_TRUE(waitUntil(
        [&] {
            menu = game.x.waitForWindow(QStringLiteral("Main Menu"), 500);
            return menu && game.x.geometry(menu).width() > 700;
        },
        20000))
        << "no menu at size 1.5; on screen: " << game.x.visibleTitles().toStdString();
    EXPECT_EQ(game.x.game().state(), QProcess::Running);
    EXPECT_TRUE(game.preferences().contains("size=1.5"));
    QThread::msleep(300);
    game.click(menu, QPointF(75, 133) * 1.5);
    const unsigned long field = game.x.waitForWindow(QStringLiteral("Vexaroo - Press P to pause"));
    ASSERT_NE(field, 0u) << "no game after Play";
    QThread::msleep(500);
    const QImage shot = game.x.screenshot(screenshotFolder() + "/edges-upgraded.png");
    const QRect gorvan = QRectF(124 * 1.5, 142.47 * 1.5, 34 * 1.5, 68 * 1.5).toRect();
    EXPECT_GT(pixels::count(shot, game.x.geometry(field).topLeft(), gorvan, pixels::teal), 600)
        << "Gorvan's movie is missing";
}

// A program file that cannot run: a box says so, the menu stays at its size, nothing is saved.
TEST(Edges, AResizeThatCannotStartAgainKeepsTheGameAtItsSizeWithAMessage) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    ASSERT_TRUE(QFile::setPermissions(game.file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    game.key(game.menu, QStringLiteral("ctrl+plus"));
    const unsigned long box = game.x.waitForWindow(QStringLiteral("Vexaroo"), 10000);
    EXPECT_NE(box, 0u) << "no message; on screen: " << game.x.visibleTitles().toStdString();
    EXPECT_EQ(game.x.game().state(), QProcess::Running);
    EXPECT_EQ(game.x.geometry(game.menu).size(), QSize(522, 354));
    EXPECT_FALSE(game.preferences().contains("size=1.5"));
    game.key(box, QStringLiteral("Return"));
    EXPECT_TRUE(waitUntil([&] { return game.x.visibleGameWindows() == 1; }, 5000))
        << "on screen: " << game.x.visibleTitles().toStdString();
}

// xdotool windowclose destroys the window outright: the game closes as by its close box, the
// menu comes back without a box, and the menu destroyed too ends the program.
TEST(Edges, AWindowDestroyedByAnotherProgramClosesAsByItsCloseBox) {
    Installed game;
    ASSERT_NO_FATAL_FAILURE(game.start());
    game.click(game.menu, {75, 133});
    const unsigned long field = game.x.waitForWindow(QStringLiteral("Vexaroo - Press P to pause"));
    ASSERT_NE(field, 0u) << "no game after Play";
    QThread::msleep(300);
    game.x.run("xdotool", {"windowclose", QString::number(field)});
    const unsigned long menu = game.x.waitForWindow(QStringLiteral("Main Menu"), 10000);
    ASSERT_NE(menu, 0u) << "no menu; on screen: " << game.x.visibleTitles().toStdString();
    QThread::msleep(1000); // time enough for a pause's box
    EXPECT_EQ(game.x.visibleGameWindows(), 1) << game.x.visibleTitles().toStdString();
    game.x.run("xdotool", {"windowclose", QString::number(menu)});
    ASSERT_TRUE(game.x.game().waitForFinished(10000)) << "the program runs on without a window";
    EXPECT_EQ(game.x.game().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.x.game().exitCode(), 0);
}

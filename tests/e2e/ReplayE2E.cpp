// A whole game played through the menu into the hall of fame, then watched again from the table:
// Gorvan walks the same path, and the kept replay verifies to the same end.
#include "Pixels.h"
#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString gameTitle = "Vexaroo - Press P to pause";

// Where Gorvan's suit stands in the window, or a null point when he is not to be seen.
QPoint gorvan(XSession& x, unsigned long window) {
    static const QTemporaryDir shots;
    const QRect where = x.geometry(window);
    const QImage shot = x.screenshot(shots.filePath("shot.png"));
    if (!QRect(QPoint(), shot.size()).contains(where.adjusted(0, 0, 0, 0)))
        return {};
    const std::vector<QRect> suits =
        pixels::blobs(shot, where.topLeft(), QRect(0, 40, 471, 313), pixels::teal);
    return suits.empty() ? QPoint() : suits.front().topLeft();
}

// The places Gorvan stood still at, in order: each held for two looks or more.
struct Path {
    std::vector<QPoint> stops;
    QPoint last;
    int held = 0;
    void look(QPoint p) {
        held = p == last ? held + 1 : 0;
        last = p;
        if (held == 1 && !p.isNull() && (stops.empty() || stops.back() != p))
            stops.push_back(p);
    }
    std::string text() const {
        std::string s;
        for (QPoint p : stops)
            s += "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
        return s;
    }
};

} // namespace

TEST(ReplayOnScreen, AGameInTheHallOfFameIsWatchedAgainOnItsOwnPath) {
    XSession x;
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    ASSERT_TRUE(x.startWindowManager("jwm")) << x.problem().toStdString();
    QTemporaryDir folder;
    QFile::copy(VEXAROO_SOURCE_DIR "/data/settings", folder.filePath("settings"));
    const auto key = [&](const QString& action, const QString& name) {
        x.run("xdotool", {action, name});
    };
    ASSERT_TRUE(x.startGame(folder.path()));
    ASSERT_TRUE(x.waitForWindow(" "));
    key("key", "Escape");
    ASSERT_TRUE(x.waitForWindow("Main Menu"));
    key("key", "Return");
    const unsigned long game = x.waitForWindow(gameTitle);
    ASSERT_TRUE(game);
    QThread::msleep(500);

    // Two steps away from the start, then fire held to the end of the game, every lost life's
    // box answered; Gorvan is looked at whenever no box stands over him.
    Path played;
    played.look(gorvan(x, game));
    played.look(gorvan(x, game));
    for (const char* step : {"Down", "Right"}) {
        key("keydown", step);
        QThread::msleep(250);
        key("keyup", step);
        QThread::msleep(1500);
        played.look(gorvan(x, game));
        played.look(gorvan(x, game));
    }
    key("keydown", "space");
    while (!x.waitForWindow("You have a high score!", 0)) {
        if (x.waitForWindow("Vexaroo", 0)) {
            key("keyup", "space");
            key("key", "Return");
            key("keydown", "space");
        } else {
            played.look(gorvan(x, game));
        }
        ASSERT_TRUE(x.waitForWindow(gameTitle, 0) || x.waitForWindow("Vexaroo", 0) ||
                    x.waitForWindow("You have a high score!", 0))
            << x.visibleTitles().toStdString();
    }
    key("keyup", "space");
    x.run("xdotool", {"type", "Replay"});
    key("key", "Tab");
    x.run("xdotool", {"type", "Watcher"});
    key("key", "Return");
    ASSERT_TRUE(x.waitForWindow("Main Menu"));

    QProcess verify;
    verify.start(VEXAROO_EXECUTABLE, {"--verify", folder.filePath("last-game.replay")});
    ASSERT_TRUE(verify.waitForFinished(10000));
    EXPECT_EQ(verify.exitCode(), 0) << verify.readAllStandardError().toStdString();

    // The table from the keyboard: High Scores is the third picture; the mark of the first
    // row has the keys, and Return plays it, F four times faster.
    key("key", "Down");
    key("key", "Down");
    key("key", "Return");
    ASSERT_TRUE(x.waitForWindow("High Scores"));
    key("key", "Return");
    const unsigned long watched = x.waitForWindow("Vexaroo - Replay of Replay Watcher");
    ASSERT_TRUE(watched) << x.visibleTitles().toStdString();
    key("key", "f");
    Path seen;
    while (x.waitForWindow("Vexaroo - Replay of Replay Watcher", 0))
        seen.look(gorvan(x, watched));
    x.screenshot(screenshotFolder() + "/replay-watched.png");
    EXPECT_TRUE(x.waitForWindow("High Scores", 5000));
    EXPECT_EQ(seen.text(), played.text());
    EXPECT_GE(played.stops.size(), 4u) << played.text();
}

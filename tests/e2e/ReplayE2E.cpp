// A whole game played through the menu into the hall of fame, with a stall of the machine, then
// watched again from the table: Gorvan walks the same path, and the kept replay verifies to the
// end the scores file keeps.
#include "Desktop.h"
#include "Pixels.h"

#include <QThread>
#include <QtEndian>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// Where Gorvan's suit stands in the window, or a null point when he is not to be seen.
QPoint gorvan(Desktop& d, unsigned long window) {
    const QRect where = d.geometry(window);
    const QImage shot = d.screenshot();
    if (!QRect(QPoint(), shot.size()).contains(where))
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

// Under jwm, the keys pressed and held through the X server.
TEST(ReplayOnScreen, AGameInTheHallOfFameIsWatchedAgainOnItsOwnPath) {
    const auto d = Desktop::open("jwm");
    const auto xdotool = [&](const QString& action, const QString& name) {
        d->run("xdotool", {action, name});
    };
    ASSERT_NE(d->menuAfterTheIntro({}, "Escape"), 0u) << d->onScreen();
    d->keys({"Return"});
    const unsigned long game = d->waitForWindow(titles::game);
    ASSERT_TRUE(game);
    QThread::msleep(500);

    // Two steps away from the start and the program stopped for two seconds between them, then
    // fire held to the end of the game, every lost life's box answered; Gorvan is looked at
    // whenever no box stands over him.
    Path played;
    played.look(gorvan(*d, game));
    played.look(gorvan(*d, game));
    for (const char* step : {"Down", "Right"}) {
        d->hold({step}, 250, {});
        QThread::msleep(1500);
        played.look(gorvan(*d, game));
        played.look(gorvan(*d, game));
        if (step == std::string("Down")) {
            kill(pid_t(d->game().processId()), SIGSTOP);
            QThread::msleep(2000);
            kill(pid_t(d->game().processId()), SIGCONT);
        }
    }
    xdotool("keydown", "space");
    while (!d->waitForWindow(titles::entry, 0)) {
        if (d->waitForWindow(titles::box, 0)) {
            xdotool("keyup", "space");
            d->keys({"Return"});
            xdotool("keydown", "space");
        } else {
            played.look(gorvan(*d, game));
        }
        ASSERT_TRUE(d->waitForWindow(titles::game, 0) || d->waitForWindow(titles::box, 0) ||
                    d->waitForWindow(titles::entry, 0))
            << d->onScreen();
    }
    xdotool("keyup", "space");
    d->type("Replay");
    d->keys({"Tab"});
    d->type("Watcher");
    d->keys({"Return"});
    ASSERT_TRUE(d->waitForWindow(titles::menu));

    // The kept replay ends as the game did, and as its record in the hall of fame says.
    QProcess verify;
    verify.start(VEXAROO_EXECUTABLE, {"--verify", d->folder.filePath("last-game.replay")});
    ASSERT_TRUE(verify.waitForFinished(10000));
    EXPECT_EQ(verify.exitCode(), 0) << verify.readAllStandardError().toStdString();
    const QByteArray record = contents(d->folder.filePath("scores")).left(44);
    ASSERT_EQ(record.size(), 44);
    const auto word = [&](int at) {
        return int(qFromLittleEndian<qint16>(record.constData() + at));
    };
    EXPECT_EQ(
        verify.readAllStandardOutput().trimmed().toStdString(),
        QStringLiteral("level %1, %2 targets destroyed").arg(word(20)).arg(word(22)).toStdString());

    // The table from the keyboard: High Scores is the third picture; the mark of the first
    // row has the keys, and Return plays it, F four times faster.
    d->keys({"Down", "Down", "Return"});
    ASSERT_TRUE(d->waitForWindow(titles::high));
    d->keys({"Return"});
    const QString watching = "Vexaroo - Replay of Replay Watcher";
    const unsigned long watched = d->waitForWindow(watching);
    ASSERT_TRUE(watched) << d->onScreen();
    d->keys({"f"});
    Path seen;
    while (d->waitForWindow(watching, 0))
        seen.look(gorvan(*d, watched));
    d->shot("replay-watched");
    EXPECT_TRUE(d->waitForWindow(titles::high, 5000));
    EXPECT_EQ(seen.text(), played.text());
    EXPECT_GE(played.stops.size(), 4u) << played.text();
}

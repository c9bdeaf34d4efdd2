#include "Pixels.h"
#include "Player.h"

#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

// The real program played with a game controller: SDL's virtual pad, plugged into the harness
// and driven through its standard input (see Harness.cpp).
TEST(PadOnScreen, DpadMovesSouthFiresStartPausesSouthAnswersAndUnpluggingPauses) {
    // jwm gives the game its focus back when a box closes, as a desktop does.
    Player p(QStringLiteral("jwm"));
    Desktop& x = p.desktop();
    const unsigned long game = p.startGame(QStringLiteral("calm"), {QStringLiteral("--pad")});
    ASSERT_NE(game, 0u) << p.problem().toStdString();
    x.activate(game);
    const auto pad = [&](const char* line) {
        x.game().write(QByteArray(line) + '\n');
        x.game().waitForBytesWritten(1000);
        QThread::msleep(100);
    };
    const auto box = [&] { return x.waitForWindow(titles::box, 1500); };
    const QPoint origin = x.geometry(game).topLeft();
    const QRect playfield(0, 39, 471, 314);

    const double before = meanX(x.screenshot(), origin, playfield, teal);
    pad("dpright 1");
    QThread::msleep(400);
    pad("dpright 0");
    const double after = meanX(x.screenshot(), origin, playfield, teal);
    EXPECT_GT(after - before, 150) << "Gorvan moved from x " << before << " to " << after;

    pad("a 1");
    QThread::msleep(200);
    const QImage firing = x.screenshot(screenshotFolder() + "/pad-firing.png");
    pad("a 0");
    EXPECT_GT(count(firing, origin, playfield, bulletColour), 4) << "no bullet in flight";

    pad("start 1");
    pad("start 0");
    ASSERT_NE(box(), 0u) << "Start did not pause";
    pad("start 1");
    pad("start 0");
    EXPECT_TRUE(waitUntil([&] { return x.waitForWindow(titles::box, 100) == 0; }, 2000))
        << "Start did not answer the pause";
    QThread::msleep(300); // the window manager gives the game its focus back

    pad("start 1");
    pad("start 0");
    ASSERT_NE(box(), 0u) << "Start did not pause";
    pad("a 1");
    pad("a 0");
    EXPECT_TRUE(waitUntil([&] { return x.waitForWindow(titles::box, 100) == 0; }, 2000))
        << "south did not answer the box";
    QThread::msleep(300);

    pad("unplug");
    EXPECT_NE(box(), 0u) << "unplugging did not pause";
}

#include "Desktop.h"
#include "Pixels.h"

#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

// The real program played with a game controller: SDL's virtual pad, plugged into the harness
// and driven through its standard input (see Harness.cpp).
class PadOnScreen : public ::testing::TestWithParam<const char*> {};

// The desktop gives the game its focus back when a box closes.
TEST_P(PadOnScreen, DpadMovesSouthFiresStartPausesSouthAnswersAndUnpluggingPauses) {
    const auto desktop = Desktop::open(GetParam());
    Desktop& x = *desktop;
    const unsigned long game = x.startScenario("calm", {"--pad"});
    ASSERT_NE(game, 0u) << x.onScreen();
    x.activate(game);
    const auto pad = [&](const QByteArray& line) {
        x.game().write(line + '\n');
        x.game().waitForBytesWritten(1000);
        QThread::msleep(100);
    };
    const auto tap = [&](const QByteArray& button) {
        pad(button + " 1");
        pad(button + " 0");
    };
    const auto box = [&] { return x.waitForWindow(titles::box, 1500); };
    const auto noBox = [&] {
        return waitUntil([&] { return x.waitForWindow(titles::box, 100) == 0; }, 2000);
    };
    const QPoint origin = x.geometry(game).topLeft();
    const QRect playfield(0, 39, 471, 314);

    // Fire from Gorvan's place, where only bullets have their colour ahead of him.
    pad("a 1");
    QThread::msleep(200);
    const QImage firing = x.screenshot(screenshotFolder() + "/" + GetParam() + "-pad-firing.png");
    pad("a 0");
    EXPECT_GE(count(firing, origin, QRect(160, 39, 311, 314), bulletColour), 3)
        << "no bullet in flight";

    const double before = meanX(x.screenshot(), origin, playfield, teal);
    pad("dpright 1");
    QThread::msleep(400);
    pad("dpright 0");
    const double after = meanX(x.screenshot(), origin, playfield, teal);
    EXPECT_GT(after - before, 150) << "Gorvan moved from x " << before << " to " << after;

    tap("start");
    ASSERT_NE(box(), 0u) << "Start did not pause";
    tap("start");
    EXPECT_TRUE(noBox()) << "Start did not answer the pause";
    QThread::msleep(300); // the window manager gives the game its focus back

    tap("start");
    ASSERT_NE(box(), 0u) << "Start did not pause";
    tap("a");
    EXPECT_TRUE(noBox()) << "south did not answer the box";
    QThread::msleep(300);

    pad("unplug");
    EXPECT_NE(box(), 0u) << "unplugging did not pause";
}

INSTANTIATE_TEST_SUITE_P(Desktops, PadOnScreen, ::testing::Values("jwm", "sway"));

#include "Pixels.h"
#include "XSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

// The real program played with a game controller: SDL's virtual pad, plugged into the harness
// and driven through its standard input (see Harness.cpp).
TEST(PadOnScreen, DpadMovesSouthFiresStartPausesSouthAnswersAndUnpluggingPauses) {
    XSession x;
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    // It gives the game its focus back when a box closes, as on a desktop.
    ASSERT_TRUE(x.startWindowManager(QStringLiteral("jwm")));
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"),
                folder.filePath(QStringLiteral("settings")));
    ASSERT_TRUE(x.startGame(folder.path(), QStringLiteral(VEXAROO_HARNESS),
                            {QStringLiteral("calm"), QStringLiteral("--pad")}));
    const unsigned long game = x.waitForWindow(QStringLiteral("Vexaroo - Press P to pause"));
    ASSERT_NE(game, 0u);
    x.run(QStringLiteral("xdotool"),
          {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(game)});
    const auto pad = [&](const char* line) {
        x.game().write(QByteArray(line) + '\n');
        x.game().waitForBytesWritten(1000);
        QThread::msleep(100);
    };
    const auto box = [&] { return x.waitForWindow(QStringLiteral("Vexaroo"), 1500); };
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
    EXPECT_TRUE(
        waitUntil([&] { return x.waitForWindow(QStringLiteral("Vexaroo"), 100) == 0; }, 2000))
        << "Start did not answer the pause";
    QThread::msleep(300); // the window manager gives the game its focus back

    pad("start 1");
    pad("start 0");
    ASSERT_NE(box(), 0u) << "Start did not pause";
    pad("a 1");
    pad("a 0");
    EXPECT_TRUE(
        waitUntil([&] { return x.waitForWindow(QStringLiteral("Vexaroo"), 100) == 0; }, 2000))
        << "south did not answer the box";
    QThread::msleep(300);

    pad("unplug");
    EXPECT_NE(box(), 0u) << "unplugging did not pause";
}

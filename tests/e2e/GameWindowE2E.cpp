#include "Pixels.h"
#include "Player.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

TEST(GameWindowOnScreen, ShowsTheStripLivesGorvanAndTargetsAndClosesCleanly) {
    Player p;
    XSession& x = *p.x11();
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();

    QElapsedTimer sinceStart;
    sinceStart.start();
    // The program opens with the intro; skip it and press Play.
    const unsigned long intro = p.start();
    ASSERT_NE(intro, 0u) << "the intro did not appear";
    const qint64 shownAfter = sinceStart.elapsed();
    p.click(intro, QPointF(20, 10));
    const unsigned long menu = x.waitForWindow(titles::menu);
    ASSERT_NE(menu, 0u) << "no menu after Skip Intro";
    QThread::msleep(200);
    QElapsedTimer sincePlay;
    sincePlay.start();
    p.click(menu, QPointF(75, 133));
    const unsigned long window = x.waitForWindow(titles::game);
    ASSERT_NE(window, 0u) << "the game window did not appear";
    const qint64 gameAfter = sincePlay.elapsed();
    const QRect area = x.geometry(window);
    EXPECT_EQ(area.size(), QSize(471, 353));

    const qint64 cpuBefore = x.gameCpuMs();
    QThread::msleep(8000);
    const qint64 cpuUsed = x.gameCpuMs() - cpuBefore;
    const QImage shot = x.screenshot(screenshotFolder() + "/game-window.png");
    ASSERT_FALSE(shot.isNull());
    const QPoint origin = area.topLeft();
    std::printf("[ measure ] first window %lld ms after launch; game window %lld ms after the Play "
                "click; CPU %.1f%% of one core over 8 s of play\n",
                static_cast<long long>(shownAfter), static_cast<long long>(gameAfter),
                cpuUsed / 80.0);

    // The grey strip across the top, clear of its labels.
    for (QPoint at : {QPoint(200, 30), QPoint(250, 8), QPoint(460, 36)})
        EXPECT_EQ(shot.pixel(origin + at), qRgb(128, 128, 128)) << at.x() << "," << at.y();
    EXPECT_EQ(shot.pixel(origin + QPoint(200, 60)), qRgb(0, 0, 0));

    // Three bananas.
    for (int k = 0; k < 3; ++k)
        EXPECT_GT(count(shot, origin, QRect(404 + 20 * k, 4, 20, 31), banana), 40) << "life " << k;

    // Gorvan at 124, 142.
    EXPECT_GT(count(shot, origin, QRect(124, 143, 34, 67), notBlack), 300);

    // At least one target in the playfield, away from Gorvan.
    const int left = count(shot, origin, QRect(0, 40, 120, 313), notBlack);
    const int right = count(shot, origin, QRect(162, 40, 309, 313), notBlack);
    EXPECT_GT(left + right, 200) << "no target in the playfield after 8 seconds";

    // No target can reach Gorvan in the first 9.7 s, but a slow machine may get there first:
    // answer any lost-life box (it holds the close box) until the game closes.
    for (int attempt = 0; attempt < 10 && !x.waitForWindow(titles::menu, 0); ++attempt) {
        if (const unsigned long box = x.waitForWindow(titles::box, 100)) {
            p.answer(box);
            QThread::msleep(200);
        } else {
            x.requestClose(window);
            x.waitForWindow(titles::menu, 1000);
        }
    }
    ASSERT_NE(x.waitForWindow(titles::menu, 0), 0u) << "no menu after the game; " << p.onScreen();
    ASSERT_TRUE(x.requestClose(menu));
    ASSERT_TRUE(x.game().waitForFinished(5000))
        << "the program did not end with the menu; on screen: " << x.visibleTitles().toStdString();
    EXPECT_EQ(x.game().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(x.game().exitCode(), 0);
}

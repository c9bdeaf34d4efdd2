#include "XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts the pixels of a region (window coordinates) that pass a test.
int count(const QImage& shot, QPoint origin, QRect region, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += test(shot.pixel(origin + QPoint(x, y))) ? 1 : 0;
    return n;
}

bool banana(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 140 && qBlue(c) < 120;
}
bool notBlack(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c) > 60;
}

} // namespace

TEST(GameWindowOnScreen, ShowsTheStripLivesGorvanAndTargetsAndClosesCleanly) {
    XSession x;
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"), folder.filePath("settings"));

    QElapsedTimer sinceStart;
    sinceStart.start();
    ASSERT_TRUE(x.startGame(folder.path()));
    const unsigned long window = x.waitForWindow(QStringLiteral("Vexaroo - Press P to pause"));
    ASSERT_NE(window, 0u) << "the game window did not appear";
    const qint64 shownAfter = sinceStart.elapsed();
    const QRect area = x.geometry(window);
    EXPECT_EQ(area.size(), QSize(471, 353));

    const qint64 cpuBefore = x.gameCpuMs();
    QThread::msleep(8000);
    const qint64 cpuUsed = x.gameCpuMs() - cpuBefore;
    const QImage shot = x.screenshot(screenshotFolder() + "/game-window.png");
    ASSERT_FALSE(shot.isNull());
    const QPoint origin = area.topLeft();
    std::printf("[ measure ] window shown %lld ms after launch; CPU %.1f%% of one core over 8 s\n",
                static_cast<long long>(shownAfter), cpuUsed / 80.0);

    // The grey strip across the top, clear of its labels.
    for (QPoint p : {QPoint(200, 30), QPoint(250, 8), QPoint(460, 36)})
        EXPECT_EQ(shot.pixel(origin + p), qRgb(128, 128, 128)) << p.x() << "," << p.y();
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

    ASSERT_TRUE(x.requestClose(window));
    ASSERT_TRUE(x.game().waitForFinished(5000)) << "the game did not end when closed";
    EXPECT_EQ(x.game().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(x.game().exitCode(), 0);
}

#include "Pixels.h"
#include "XSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace pixels;

const QSize fullHd(1920, 1080);

// The real program on a 1920 x 1080 screen under jwm at a window size, brought to a game as a
// player does: Skip Intro, then Play, each clicked where the size puts it.
struct SizedGame {
    XSession x{fullHd};
    QTemporaryDir folder;
    unsigned long window = 0;
    QRect area;
    QString problem;

    bool start(double size) {
        if (!x.ok() || !x.startWindowManager(QStringLiteral("jwm"))) {
            problem = QStringLiteral("no X session with jwm: ") + x.problem();
            return false;
        }
        QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"),
                    folder.filePath(QStringLiteral("settings")));
        if (!x.startGame(folder.path(), QStringLiteral(VEXAROO_EXECUTABLE),
                         {QStringLiteral("--size"), QString::number(size)})) {
            problem = QStringLiteral("the game does not start");
            return false;
        }
        const unsigned long intro = x.waitForWindow(QStringLiteral(" "));
        if (!intro)
            return fail("no intro");
        click(x.geometry(intro).topLeft() + QPointF(20, 10) * size);
        const unsigned long menu = x.waitForWindow(QStringLiteral("Main Menu"));
        if (!menu)
            return fail("no menu after Skip Intro");
        QThread::msleep(300);
        click(x.geometry(menu).topLeft() + QPointF(75, 133) * size);
        window = x.waitForWindow(QStringLiteral("Vexaroo - Press P to pause"), 10000);
        if (!window)
            return fail("no game after the click on Play");
        area = x.geometry(window);
        return true;
    }
    bool fail(const char* why) {
        problem = QString::fromLatin1(why) + QStringLiteral("; on screen: ") + x.visibleTitles();
        return false;
    }
    void click(QPointF at) {
        const QPoint p = at.toPoint();
        x.run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
        QThread::msleep(150);
        x.run("xdotool", {"click", "1"});
    }
};

double luminance(QRgb c) {
    return 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c);
}

// How many screen pixels an edge takes, averaged over the rows of a region: a row's contrast
// over its steepest step. About one where the pictures are drawn for the size shown, about the
// size where a small picture was scaled up and smoothed.
double edgeWidth(const QImage& shot, QPoint origin, QRect region) {
    double total = 0;
    int rows = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        double low = 255, high = 0, steepest = 0;
        double last = luminance(shot.pixel(origin + QPoint(region.left(), y)));
        for (int x = region.left() + 1; x <= region.right(); ++x) {
            const double here = luminance(shot.pixel(origin + QPoint(x, y)));
            low = std::min(low, here);
            high = std::max(high, here);
            steepest = std::max(steepest, std::abs(here - last));
            last = here;
        }
        if (high - low < 80)
            continue;
        total += (high - low) / steepest;
        ++rows;
    }
    return rows ? total / rows : -1;
}

} // namespace

// The rules place Gorvan at 124, 142.47, 34 x 68 in a 471 x 353 field; at size 2 every number
// is twice as large on the screen, and the pictures are drawn for that size.
TEST(WindowSizeOnScreen, AtSizeTwoTheFieldIsTwiceAsLargeWithGorvanWhereTheRulesSayAndSharpEdges) {
    double edges[2] = {-1, -1};
    for (double size : {1.0, 2.0}) {
        SCOPED_TRACE(size);
        SizedGame game;
        ASSERT_TRUE(game.start(size)) << game.problem.toStdString();
        EXPECT_EQ(game.area.size(), QSize(471, 353) * size);
        QThread::msleep(500);
        const QImage shot =
            game.x.screenshot(screenshotFolder() + QStringLiteral("/size-%1-game.png").arg(size));
        const QPoint origin = game.area.topLeft();
        const QRect gorvan = QRectF(124 * size, 142.47 * size, 34 * size, 68 * size).toRect();
        EXPECT_GT(count(shot, origin, gorvan, teal), 300 * size * size);
        const QRect around = gorvan.adjusted(-30 * size, -30 * size, 30 * size, 30 * size);
        const int all = count(shot, origin, around, teal);
        const int inside = count(shot, origin, gorvan, teal);
        EXPECT_LE(all - inside, 10 * size) << "Gorvan's suit outside his rectangle";
        edges[size == 1 ? 0 : 1] = edgeWidth(shot, origin, gorvan);
    }
    std::printf("[ measure ] edge width of Gorvan: %.2f px at size 1, %.2f px at size 2\n",
                edges[0], edges[1]);
    ASSERT_GE(edges[0], 0);
    ASSERT_GE(edges[1], 0);
    EXPECT_LE(edges[1], edges[0] + 0.5) << "an edge blurs at size 2: a picture was scaled up";
}

TEST(WindowSizeOnScreen, AClickOnPlayAtSizeOneAndAHalfOpensTheGame) {
    SizedGame game;
    ASSERT_TRUE(game.start(1.5)) << game.problem.toStdString();
    EXPECT_NEAR(game.area.width(), 471 * 1.5, 1);
    EXPECT_NEAR(game.area.height(), 353 * 1.5, 1);
}

// F11 puts the field full screen: as high as the screen, centred on black, the status strip
// with it; the choice is kept for the next game.
TEST(WindowSizeOnScreen, F11FillsTheScreenHeightWithTheFieldCentredOnBlack) {
    SizedGame game;
    ASSERT_TRUE(game.start(1)) << game.problem.toStdString();
    const QString id = QString::number(game.window);
    game.x.run("xdotool", {"windowfocus", "--sync", id});
    game.x.run("xdotool", {"key", "F11"});
    QThread::msleep(1000);
    EXPECT_EQ(game.x.geometry(game.window), QRect(QPoint(0, 0), fullHd));
    const QImage shot = game.x.screenshot(screenshotFolder() + "/full-screen.png");
    const double scale = 1080.0 / 353;
    const QPointF field((1920 - 471 * scale) / 2, 0);
    auto at = [&](double x, double y) { return (field + QPointF(x, y) * scale).toPoint(); };
    // The strip from the field's left to its right edge, at its top; black on either side.
    for (QPoint p : {at(5, 34), at(200, 30), at(465, 34), at(250, 3.5)})
        EXPECT_EQ(shot.pixel(p), qRgb(128, 128, 128)) << p.x() << "," << p.y();
    for (QPoint p : {at(-4, 20), at(475, 20), QPoint(5, 5), QPoint(1914, 5)})
        EXPECT_EQ(shot.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    EXPECT_GT(count(shot, QPoint(), QRectF(at(124, 142.47), at(158, 210.47)).toRect(), teal),
              300 * scale * scale);
    QFile kept(game.folder.filePath("preferences"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("fullscreen=on"));
}

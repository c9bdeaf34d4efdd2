#include "Desktop.h"
#include "Pixels.h"

#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using namespace pixels;

// The real program on a 1920 x 1080 screen at a window size, brought to a game as a player
// does: Skip Intro, then Play, each where the size puts it.
struct SizedGame {
    std::unique_ptr<Desktop> d;
    unsigned long window = 0;
    QRect area;

    SizedGame(const char* desktop, double size) : d(Desktop::open(desktop, QSize(1920, 1080))) {
        const unsigned long menu = d->menuAfterTheIntro({"--size", QString::number(size)});
        window = menu ? d->play(menu) : 0;
        QThread::msleep(500); // a compositor may place the window again once it has its size
        area = d->geometry(window);
    }
};

class WindowSizeOnScreen : public ::testing::TestWithParam<const char*> {};

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

// The rules place Gorvan at 124, 142.47, 34 x 68 in a 471 x 353 field; at each size every number
// is that much larger on the screen, Play is clicked where the size puts it, and the pictures
// are drawn for the size.
TEST_P(WindowSizeOnScreen, AtEachSizeTheFieldGrowsWithGorvanWhereTheRulesSayAndSharpEdges) {
    std::map<double, double> edges;
    for (double size : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(size);
        SizedGame game(GetParam(), size);
        ASSERT_NE(game.window, 0u) << game.d->onScreen();
        EXPECT_EQ(game.area.size(), (QSizeF(471, 353) * size).toSize());
        const QImage shot =
            game.d->shot(QStringLiteral("%1-size-%2-game").arg(GetParam()).arg(size));
        const QPoint origin = game.area.topLeft();
        const QRect gorvan = QRectF(124 * size, 142.47 * size, 34 * size, 68 * size).toRect();
        EXPECT_GT(count(shot, origin, gorvan, teal), 300 * size * size);
        const QRect around = gorvan.adjusted(-30 * size, -30 * size, 30 * size, 30 * size);
        const int all = count(shot, origin, around, teal);
        const int inside = count(shot, origin, gorvan, teal);
        EXPECT_LE(all - inside, 10 * size) << "Gorvan's suit outside his rectangle";
        edges[size] = edgeWidth(shot, origin, gorvan);
    }
    std::printf("[ measure ] edge width of Gorvan: %.2f px at size 1, %.2f px at size 2\n",
                edges[1], edges[2]);
    ASSERT_GE(edges[1], 0);
    ASSERT_GE(edges[2], 0);
    EXPECT_LE(edges[2], edges[1] + 0.5) << "an edge blurs at size 2: a picture was scaled up";
}

INSTANTIATE_TEST_SUITE_P(Desktops, WindowSizeOnScreen, ::testing::Values("jwm", "sway"));

#include "WindowSize.h"

#include <gtest/gtest.h>

// The command line's size wins, then a kept one that is a step; anything else the preferences
// file may hold (nothing, garbage read as 0, a value off the steps) gives the first choice. None
// is ever larger than the screen takes, frame and panels included: a size kept for a larger
// screen waits for one.
TEST(WindowSize, AStartTakesTheAskedTheKeptOrTheFirstStartSizeAsFarAsTheScreenTakesIt) {
    constexpr double any = windowsize::largest;
    EXPECT_EQ(windowsize::startingFactor(2.5, 1.5, 2, any), 2.5);
    for (double kept : {1.0, 1.5, 3.0})
        EXPECT_EQ(windowsize::startingFactor(std::nullopt, kept, 2, any), kept);
    for (double bad : {0.0, -1.0, 0.5, 1.25, 3.5, 10.0})
        EXPECT_EQ(windowsize::startingFactor(std::nullopt, bad, 2, any), 2) << bad;
    EXPECT_EQ(windowsize::startingFactor(std::nullopt, 3, 1, 1.5), 1.5);
    EXPECT_EQ(windowsize::startingFactor(3, 1, 1, 2.5), 2.5);

    const QSize window(522, 354);
    const struct {
        QSize available;
        double desktopScale, fits;
    } screens[] = {
        {{800, 575}, 1, 1.5}, {{782, 600}, 1, 1},     {{1024, 743}, 1, 1.5}, {{1920, 1055}, 1, 2.5},
        {{2560, 1415}, 1, 3}, {{3840, 2135}, 2, 2.5}, {{640, 455}, 1, 1},    {{}, 1, any},
    };
    for (const auto& screen : screens)
        EXPECT_EQ(windowsize::largestFitting(window, screen.available, screen.desktopScale),
                  screen.fits)
            << screen.available.width() << "x" << screen.available.height();

    EXPECT_EQ(windowsize::larger(1), 1.5);
    EXPECT_EQ(windowsize::larger(3), 3);
    EXPECT_EQ(windowsize::smaller(1.5), 1);
    EXPECT_EQ(windowsize::smaller(1), 1);
}

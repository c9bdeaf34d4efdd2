#pragma once

#include <QSize>

#include <optional>

class QProcessEnvironment;

// The window-size factor: how many screen pixels (device-independent, on top of the desktop's
// own scale) show one pixel of a window's design. Every window of the program takes the same
// factor; the windows' handlers never see it, they keep working in design units.
namespace windowsize {

constexpr double smallest = 1;
constexpr double largest = 3;
constexpr double step = 0.5;
// What a window manager's frame adds, in the desktop's pixels: a title bar and thin borders.
constexpr int frameWidth = 16;
constexpr int frameHeight = 40;

// Whether a factor is one the windows can take: 1 to 3 in half steps.
bool isStep(double factor);

// The largest step at which `design` pixels take no more than `room` pixels; the smallest where
// none does.
double largestWithin(double design, double room);

// The largest step at which a window of `design` inner size, framed, fits in a screen's
// available area of `available` pixels (the screen less its panels) on a desktop that scales by
// `desktopScale`; the smallest where none does. An unknown area sets no limit.
double largestFitting(QSize design, QSize available, double desktopScale);

// The next step up or down, staying within the steps.
double larger(double factor);
double smaller(double factor);

// The factor to start with: the command line's, else the kept one when it is a step, else the
// first start's choice; never above `fitting`, so a size kept for a larger screen waits for one.
double startingFactor(std::optional<double> commandLine, double kept, double firstStart,
                      double fitting);

// The screen the program is on, whatever factor is in force: its height in its own pixels and
// how much the desktop scales; 0 and 1 without a screen.
struct Screen {
    int pixelsHigh = 0;
    double desktopScale = 1;
};
Screen screenHere();
// The largest step at which a window of `design` inner size fits on that screen.
double largestFittingHere(QSize design);

// Sets the factor for the toolkit to apply; before the application object exists.
void applyBeforeStart(double factor);
// Gives an environment for a program started from this one back as the player had it.
void restoreEnvironment(QProcessEnvironment& environment);
// The factor in force.
double current();

} // namespace windowsize

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
// The main menu's inner size: the largest window, the one the choices are made for.
constexpr int menuWidth = 522;
constexpr int menuHeight = 354;
// What a window manager's frame adds, in the desktop's pixels: a title bar and thin borders.
constexpr int frameWidth = 16;
constexpr int frameHeight = 40;

// Whether a factor is one the windows can take: 1 to 3 in half steps.
bool isStep(double factor);

// The first start's choice: the largest step at which the main menu takes at most 40 % of a
// screen `screenPixels` high whose desktop scales by `desktopScale`; at least the smallest.
double firstStartChoice(int screenPixels, double desktopScale);

// The largest step at which the main menu, framed, fits in a screen's available area of
// `available` pixels (the screen less its panels) on a desktop that scales by `desktopScale`;
// the smallest where none does. An unknown area sets no limit.
double largestFitting(QSize available, double desktopScale);

// The next step up or down, staying within the steps.
double larger(double factor);
double smaller(double factor);

// The factor to start with: the command line's, else the kept one when it is a step, else the
// first start's choice; never above `fitting`, so a size kept for a larger screen waits for one.
double startingFactor(std::optional<double> commandLine, double kept, double firstStart,
                      double fitting);

// The first start's choice, and the largest step that fits, for the screen the program is on,
// whatever factor is in force.
double firstStartChoiceHere();
double largestFittingHere();

// Sets the factor for the toolkit to apply; before the application object exists.
void applyBeforeStart(double factor);
// Gives an environment for a program started from this one back as the player had it.
void restoreEnvironment(QProcessEnvironment& environment);
// The factor in force.
double current();

} // namespace windowsize

#pragma once

#include <optional>

// The window-size factor: how many screen pixels (device-independent, on top of the desktop's
// own scale) show one pixel of a window's design. Every window of the program takes the same
// factor; the windows' handlers never see it, they keep working in design units.
namespace windowsize {

constexpr double smallest = 1;
constexpr double largest = 3;
constexpr double step = 0.5;
// The main menu's inner height, the window the first choice is made for.
constexpr int menuHeight = 354;

// Whether a factor is one the windows can take: 1 to 3 in half steps.
bool isStep(double factor);

// The first start's choice: the largest step at which the main menu takes at most 40 % of a
// screen `screenPixels` high whose desktop scales by `desktopScale`; at least the smallest.
double firstStartChoice(int screenPixels, double desktopScale);

// The next step up or down, staying within the steps.
double larger(double factor);
double smaller(double factor);

// The factor to start with: the command line's, else the kept one when it is a step, else the
// first start's choice.
double startingFactor(std::optional<double> commandLine, double kept, double firstStart);

// The first start's choice for the screen the program is on, whatever factor is in force.
double firstStartChoiceHere();

// Sets the factor for the toolkit to apply; before the application object exists.
void applyBeforeStart(double factor);
// Gives the environment back as the player had it, for a program started from this one.
void restoreEnvironment();
// The factor in force.
double current();

} // namespace windowsize

#include "WindowSize.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QProcessEnvironment>
#include <QScreen>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace windowsize {

namespace {
double inForce = 1;
QByteArray playersOwn;
bool playerSetOne = false;
} // namespace

bool isStep(double factor) {
    return factor >= smallest && factor <= largest && std::floor(factor / step) * step == factor;
}

double firstStartChoice(int screenPixels, double desktopScale) {
    if (screenPixels <= 0 || !(desktopScale > 0))
        return smallest;
    // Two fifths, divided last, so that a screen that fits a step exactly gets it.
    const double available = 2.0 * screenPixels / (5.0 * desktopScale);
    const double steps = std::floor((available / menuHeight - smallest) / step);
    return std::clamp(smallest + std::max(0.0, steps) * step, smallest, largest);
}

double largestFitting(QSize available, double desktopScale) {
    if (available.isEmpty() || !(desktopScale > 0))
        return largest;
    double factor = largest;
    while (factor > smallest &&
           ((menuWidth * factor + frameWidth) * desktopScale > available.width() ||
            (menuHeight * factor + frameHeight) * desktopScale > available.height()))
        factor -= step;
    return factor;
}

double firstStartChoiceHere() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return smallest;
    // The screen's pixels, and the desktop's scale without this program's factor.
    const double ratio = screen->devicePixelRatio();
    return firstStartChoice(static_cast<int>(std::lround(screen->geometry().height() * ratio)),
                            ratio / inForce);
}

double largestFittingHere() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return largest;
    const double ratio = screen->devicePixelRatio();
    return largestFitting((QSizeF(screen->availableGeometry().size()) * ratio).toSize(),
                          ratio / inForce);
}

double larger(double factor) {
    return std::min(largest, factor + step);
}

double smaller(double factor) {
    return std::max(smallest, factor - step);
}

double startingFactor(std::optional<double> commandLine, double kept, double firstStart,
                      double fitting) {
    const double wanted = commandLine && isStep(*commandLine) ? *commandLine
                          : isStep(kept)                      ? kept
                                                              : firstStart;
    return std::min(wanted, fitting);
}

void applyBeforeStart(double factor) {
    inForce = factor;
    // The toolkit scales every window, its fonts, pictures and mouse positions by this factor
    // on top of the desktop's own; a scale the player set for the toolkit is kept under it.
    playerSetOne = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
    playersOwn = qgetenv("QT_SCALE_FACTOR");
    bool given = false;
    const double own = playersOwn.toDouble(&given);
    const double total = (given && own > 0 ? own : 1) * factor;
    // Unscaled, the toolkit is left exactly as it would run without us.
    if (total != 1 || playerSetOne)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(total));
}

void restoreEnvironment(QProcessEnvironment& environment) {
    if (playerSetOne)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLocal8Bit(playersOwn));
    else
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
}

double current() {
    return inForce;
}

} // namespace windowsize

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

double largestWithin(double design, double room) {
    const double steps = std::floor((room / design - smallest) / step);
    return std::clamp(smallest + std::max(0.0, steps) * step, smallest, largest);
}

double largestFitting(QSize design, QSize available, double desktopScale) {
    if (available.isEmpty() || !(desktopScale > 0))
        return largest;
    double factor = largest;
    while (factor > smallest &&
           ((design.width() * factor + frameWidth) * desktopScale > available.width() ||
            (design.height() * factor + frameHeight) * desktopScale > available.height()))
        factor -= step;
    return factor;
}

// The screen's pixels, and the desktop's scale without this program's factor.
Screen screenHere() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const double ratio = screen->devicePixelRatio();
    return {static_cast<int>(std::lround(screen->geometry().height() * ratio)), ratio / inForce};
}

double largestFittingHere(QSize design) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return largest;
    const double ratio = screen->devicePixelRatio();
    return largestFitting(design, (QSizeF(screen->availableGeometry().size()) * ratio).toSize(),
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

// Plays a game in a real window for a while with fire held and Gorvan running from edge to
// edge, then reports how often the game's timers really ticked and the CPU the process used.
// Run under an X server: make bench.

#include "Clock.h"
#include "MessageBox.h"
#include "Program.h"
#include "Random.h"
#include "Resources.h"
#include "System.h"
#include "X11Keyboard.h"
#include "frmGame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <functional>

namespace {

// Boxes would stop the run; count them instead, and run onShown (which keeps the game going).
class CountingMessageBox final : public MessageBox {
public:
    void showModal(QWidget&, const QString&) override {
        ++shown;
        if (onShown)
            onShown();
    }
    int shown = 0;
    std::function<void()> onShown;
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    resources::installFonts();
    enableDetectableAutoRepeat();

    RealClock clock;
    CountingMessageBox messageBox;
    SystemRandom random;
    ProcessLauncher launcher;
    Services services{clock, messageBox, random, launcher};
    Program program(services);
    frmGame& game = program.game();
    game.show();
    // A lost life would end the run in the end and stop Gorvan and the gun each time: keep
    // three lives, and press the keys again once the playfield has been reset.
    messageBox.onShown = [&] {
        game.lives = 3;
        QTimer::singleShot(0, [&] {
            game.keyDown(game.settings.keyFire, 0);
            game.keyDown(game.settings.keyMoveRight, 0);
        });
    };

    long shootTicks = 0, targetTicks = 0, moveTicks = 0, levelTicks = 0;
    game.tmrShoot.setOnTick([&] {
        ++shootTicks;
        game.tmrShoot_Timer();
    });
    game.tmrTarget.setOnTick([&] {
        ++targetTicks;
        game.tmrTarget_Timer();
    });
    game.tmrLevel.setOnTick([&] {
        ++levelTicks;
        game.tmrLevel_Timer();
    });
    // At an edge the running movement timer stops itself; turn round at once, as a player
    // holding the other key would.
    game.tmrRight.setOnTick([&] {
        ++moveTicks;
        game.tmrRight_Timer();
        if (!game.tmrRight.enabled())
            game.keyDown(game.settings.keyMoveLeft, 0);
    });
    game.tmrLeft.setOnTick([&] {
        ++moveTicks;
        game.tmrLeft_Timer();
        if (!game.tmrLeft.enabled())
            game.keyDown(game.settings.keyMoveRight, 0);
    });

    QElapsedTimer elapsed;
    double cpuAtStart = 0;
    QTimer::singleShot(1000, [&] { // let the window settle first
        game.keyDown(game.settings.keyFire, 0);
        game.keyDown(game.settings.keyMoveRight, 0);
        shootTicks = targetTicks = moveTicks = levelTicks = 0;
        cpuAtStart = cpuSeconds();
        elapsed.start();
        QTimer::singleShot(seconds * 1000, [&] {
            const double s = elapsed.elapsed() / 1000.0;
            const double cpu = cpuSeconds() - cpuAtStart;
            std::printf("run of %.2f s in a real window\n", s);
            std::printf("tmrShoot  %7.1f ticks/s (nominal 100.0)\n", shootTicks / s);
            std::printf("tmrTarget %7.1f ticks/s (nominal  33.3)\n", targetTicks / s);
            std::printf("tmrLeft/tmrRight %5.1f ticks/s (nominal 100.0), Gorvan %.0f px/s\n",
                        moveTicks / s, moveTicks * game.moveStep / s);
            std::printf("tmrLevel  %7ld ticks (nominal %.0f)\n", levelTicks, s / 10);
            std::printf("CPU %.1f%% of one core; %d message boxes\n", 100 * cpu / s,
                        messageBox.shown);
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}

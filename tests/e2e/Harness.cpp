// The real program with a game set up for one real-window scenario, so that a test does not
// depend on where random targets happen to fly:
//   calm       targets fly level in two lanes near the top, never in Gorvan's way
//   last-life  no spare life, level 3, 12 destroyed, and a target about to touch Gorvan
//   lost-life  a full game's start with a target about to touch Gorvan
#include "Clock.h"
#include "MessageBox.h"
#include "Program.h"
#include "Random.h"
#include "Sound.h"
#include "Sounds.h"
#include "System.h"
#include "frmGame.h"

#include <QApplication>

#include <array>
#include <cstdio>

namespace {

// Draws for PlaceTarget in order: speed 1, no drift, frame 1, a top near the strip, and a
// left edge spread over five places beyond the right edge.
class LevelFlight final : public Random {
public:
    void randomize() override {}
    float next() override {
        // Tops 38 and 80, clear of each other and of Gorvan's rows.
        const std::array<float, 5> draws = {0.0f, 0.5f, 0.7f, 0.155f * ((lane_ / 5) % 2),
                                            0.2f * (lane_ % 5)};
        const float draw = draws[step_];
        if (++step_ == draws.size()) {
            step_ = 0;
            ++lane_;
        }
        return draw;
    }

private:
    std::size_t step_ = 0;
    int lane_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    const auto app = Program::makeApplication(argc, argv);
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (scenario != QLatin1String("calm") && scenario != QLatin1String("last-life") &&
        scenario != QLatin1String("lost-life")) {
        std::fprintf(stderr, "usage: vexaroo_harness calm|last-life|lost-life\n");
        return 2;
    }

    RealClock clock;
    QtMessageBox messageBox;
    LevelFlight levelFlight;
    SystemRandom systemRandom;
    ProcessLauncher launcher;
    Random& random = scenario == QLatin1String("calm") ? static_cast<Random&>(levelFlight)
                                                       : static_cast<Random&>(systemRandom);
    SdlSound sound(sounds::files());
    Services services{clock, messageBox, random, launcher, sound};
    Program program(services);
    frmGame& game = program.game();
    if (scenario == QLatin1String("last-life")) {
        game.lives = 0;
        game.ShowLives(0);
        game.lblLevel.setCaption(QStringLiteral("3"));
        game.lblDestroyed.setCaption(QStringLiteral("12"));
    }
    if (scenario != QLatin1String("calm")) {
        game.swfTarget[0]->move(game.swfGV.left() + 60, game.swfGV.top() + 10);
        game.targetMotion[0][1] = 0;
    }
    game.show();
    return QApplication::exec();
}

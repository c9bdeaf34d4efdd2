// The real program with a game set up for one real-window scenario, so that a test does not
// depend on where random targets happen to fly:
//   calm       targets fly level in two lanes near the top, never in Gorvan's way
//   last-life  no spare life, level 3, 12 destroyed, and a target about to touch Gorvan
//   lost-life  a full game's start with a target about to touch Gorvan
//   play       a game as the menu's Play starts it, which leaves a replay that verifies
// With --pad after the scenario a virtual game controller is plugged in, driven by lines on
// standard input: "<button> 1|0" in SDL's names (dpleft, dpright, dpup, dpdown, a, b, start) or
// "unplug".
#include "Doubles.h"
#include "GamePad.h"
#include "Language.h"
#include "Program.h"
#include "RealServices.h"
#include "frmGame.h"

#include <QApplication>
#include <QSocketNotifier>

#include <SDL.h>
#include <unistd.h>

#include <cstdio>

namespace {

// SDL's virtual joystick, laid out as a game controller so its mapping comes with it.
class ScriptedPad {
public:
    explicit ScriptedPad(GamePad& pad) : input_(0, QSocketNotifier::Read) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "scripted pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = SDL_JoystickOpen(index);
        if (!joystick_)
            std::fprintf(stderr, "vexaroo_harness: no virtual pad: %s\n", SDL_GetError());
        pad.check();
        QObject::connect(&input_, &QSocketNotifier::activated, [this] { read(); });
    }

private:
    void read() {
        char buffer[256];
        const ssize_t got = ::read(0, buffer, sizeof buffer);
        if (got <= 0) {
            input_.setEnabled(false);
            return;
        }
        pending_.append(buffer, got);
        for (qsizetype end; (end = pending_.indexOf('\n')) >= 0; pending_.remove(0, end + 1))
            apply(pending_.left(end).split(' '));
    }
    void apply(const QList<QByteArray>& words) {
        if (!joystick_)
            return;
        if (words.value(0) == "unplug") {
            const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
            for (int i = 0; i < SDL_NumJoysticks(); ++i) {
                if (SDL_JoystickGetDeviceInstanceID(i) == id)
                    SDL_JoystickDetachVirtual(i);
            }
            return;
        }
        const SDL_GameControllerButton button =
            SDL_GameControllerGetButtonFromString(words.value(0).constData());
        if (button != SDL_CONTROLLER_BUTTON_INVALID)
            SDL_JoystickSetVirtualButton(joystick_, button, Uint8(words.value(1).toInt()));
    }

    QSocketNotifier input_;
    QByteArray pending_;
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace

int main(int argc, char* argv[]) {
    const auto app = Program::makeApplication(argc, argv);
    language::install(language::choose({}, {}));
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!QStringList{"calm", "last-life", "lost-life", "play"}.contains(scenario)) {
        std::fprintf(stderr, "usage: vexaroo_harness calm|last-life|lost-life|play [--pad]\n");
        return 2;
    }

    // Calm: PlaceTarget's draws in order are speed 1, no drift, frame 1, a top of 38 or 80 (clear
    // of each other and of Gorvan's rows), and a left edge spread over five places beyond the
    // right edge.
    ScriptedRandom levelFlight;
    levelFlight.fallback.clear();
    for (int lane = 0; lane < 10; ++lane)
        levelFlight.fallback.insert(levelFlight.fallback.end(),
                                    {0.0f, 0.5f, 0.7f, 0.155f * (lane / 5), 0.2f * (lane % 5)});
    RealServices real(nullptr, scenario == QLatin1String("calm") ? &levelFlight : nullptr);
    Program program(real.services);
    GamePad pad;
    program.connectPad(pad);
    std::unique_ptr<ScriptedPad> scripted;
    if (argc > 2 && QByteArray(argv[2]) == "--pad")
        scripted = std::make_unique<ScriptedPad>(pad);
    frmGame& game = program.frmGame();
    Game& rules = game.rules();
    if (scenario == QLatin1String("last-life")) {
        rules.lives = 0;
        rules.ShowLives(0);
        rules.level = 3;
        rules.destroyed = 12;
    }
    if (scenario == QLatin1String("last-life") || scenario == QLatin1String("lost-life")) {
        rules.swfTarget[0].move(rules.swfGV.left() + 60, rules.swfGV.top() + 10);
        rules.targetMotion[0][1] = 0;
    }
    game.show();
    return QApplication::exec();
}

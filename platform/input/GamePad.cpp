#include "GamePad.h"

#include <QDir>

#include <SDL.h>

#include <cstdio>

namespace {
constexpr int stickDeadZone = 8192;
constexpr int triggerPressed = 16384;
// About a frame of the game: a press is seen before the next frame is drawn.
constexpr int pollMs = 15;
} // namespace

PadButtons buttonsHeld(const PadReading& r) {
    PadButtons held{};
    held[int(PadButton::Left)] = r.dpadLeft || r.leftX < -stickDeadZone;
    held[int(PadButton::Right)] = r.dpadRight || r.leftX > stickDeadZone;
    held[int(PadButton::Up)] = r.dpadUp || r.leftY < -stickDeadZone;
    held[int(PadButton::Down)] = r.dpadDown || r.leftY > stickDeadZone;
    held[int(PadButton::South)] = r.south || r.rightTrigger > triggerPressed;
    held[int(PadButton::East)] = r.east;
    held[int(PadButton::Start)] = r.start;
    return held;
}

GamePad::GamePad() {
    // SDL must not take the program's signals, nor queue events nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "vexaroo: no game controllers: %s\n", SDL_GetError());
        return;
    }
    available_ = true;
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);
    poll_.setInterval(pollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
    // A device node appears when a pad is plugged in; udev sets its rights a moment later.
    if (QDir(QStringLiteral("/dev/input")).exists())
        devices_.addPath(QStringLiteral("/dev/input"));
    QObject::connect(&devices_, &QFileSystemWatcher::directoryChanged,
                     [this] { QTimer::singleShot(500, [this] { check(); }); });
    check();
}

GamePad::~GamePad() {
    if (controller_)
        SDL_GameControllerClose(controller_);
    if (available_)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GamePad::check() {
    if (!available_ || controller_)
        return;
    SDL_JoystickUpdate(); // finds devices that came since the last look
    for (int i = 0; i < SDL_NumJoysticks() && !controller_; ++i) {
        if (SDL_IsGameController(i))
            controller_ = SDL_GameControllerOpen(i);
    }
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (controller_)
        poll_.start();
}

void GamePad::poll() {
    SDL_GameControllerUpdate();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    if (!controller_)
        return;
    if (!SDL_GameControllerGetAttached(controller_)) {
        SDL_GameControllerClose(controller_);
        controller_ = nullptr;
        poll_.stop();
        change(PadButtons{});
        QTimer::singleShot(0, &poll_, [this] {
            if (onUnplugged)
                onUnplugged();
        });
        check(); // another pad may still be there
        return;
    }
    SDL_GameController* c = controller_;
    const auto button = [c](SDL_GameControllerButton b) {
        return SDL_GameControllerGetButton(c, b) != 0;
    };
    PadReading r;
    r.dpadLeft = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    r.dpadRight = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    r.dpadUp = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    r.dpadDown = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    r.south = button(SDL_CONTROLLER_BUTTON_A);
    r.east = button(SDL_CONTROLLER_BUTTON_B);
    r.start = button(SDL_CONTROLLER_BUTTON_START);
    r.leftX = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    r.leftY = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
    r.rightTrigger = SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    change(buttonsHeld(r));
}

// Each change is handed on from an event of its own: a handler may open a box, and the box
// must see the next readings, which this timer cannot take while its own handler runs.
void GamePad::change(const PadButtons& now) {
    for (int i = 0; i < padButtonCount; ++i) {
        if (now[i] != held_[i])
            QTimer::singleShot(0, &poll_, [this, button = PadButton(i), down = now[i]] {
                if (onButton)
                    onButton(button, down);
            });
    }
    held_ = now;
}

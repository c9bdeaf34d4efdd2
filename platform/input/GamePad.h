#pragma once

#include <QFileSystemWatcher>
#include <QTimer>

#include <array>
#include <functional>

struct _SDL_GameController;

// The pad as the program sees it: a few buttons, each held or not.
enum class PadButton { Left, Right, Up, Down, South, East, Start };
inline constexpr int padButtonCount = 7;
using PadButtons = std::array<bool, padButtonCount>;

// What a game controller reports, in SDL's ranges (sticks and triggers -32768 to 32767).
struct PadReading {
    bool dpadLeft = false, dpadRight = false, dpadUp = false, dpadDown = false;
    bool south = false, east = false, start = false;
    int leftX = 0, leftY = 0, rightTrigger = 0;
};

// The left stick counts beyond a quarter of its travel, so a worn stick's drift moves nothing;
// the right trigger counts from half way.
PadButtons buttonsHeld(const PadReading& reading);

// The first game controller plugged in (SDL's mapping database knows the common ones), at any
// time. It is read every few milliseconds while one is connected, and not at all otherwise:
// a new device is noticed through /dev/input's changes, which cost nothing while none come.
class GamePad {
public:
    GamePad();
    ~GamePad();

    // Opens a controller that SDL knows, if none is open yet.
    void check();
    bool connected() const { return controller_ != nullptr; }

    // A button pressed or released; and the controller gone, its buttons released first.
    std::function<void(PadButton, bool down)> onButton;
    std::function<void()> onUnplugged;

private:
    void poll();
    void change(const PadButtons& now);

    bool available_ = false;
    _SDL_GameController* controller_ = nullptr;
    PadButtons held_{};
    QTimer poll_;
    QFileSystemWatcher devices_;
};

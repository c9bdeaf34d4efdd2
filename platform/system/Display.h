#pragma once

#include <QString>

namespace display {

// Whether the desktop Qt will use can be reached: the X display in DISPLAY or the Wayland
// socket in WAYLAND_DISPLAY, narrowed by QT_QPA_PLATFORM; other platforms (offscreen, the
// tests) need none. Asked before QApplication exists, which aborts without a display.
// When false, problem says for the player which display was tried and why it failed ("DISPLAY is
// not set").
bool reachable(QString* problem);
// Lets go of the connection reachable() found the X display with, once the application holds
// its own: until then the program is never without a client of the server.
void release();

// Whether the windows are a Wayland compositor's clients. The compositor places them, gives the
// keys only where it decides to, and may lay out with others a window that is not of fixed size
// when it first shows.
bool onWayland();

} // namespace display

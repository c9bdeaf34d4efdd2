#pragma once

#include <QString>

namespace display {

// Whether the desktop Qt will use can be reached: the X display in DISPLAY or the Wayland
// socket in WAYLAND_DISPLAY, narrowed by QT_QPA_PLATFORM; other platforms (offscreen, the
// tests) need none. Asked before QApplication exists, which aborts without a display.
// When false, problem holds one line for the player naming the display that was tried.
bool reachable(QString* problem);

} // namespace display

#pragma once

// Asks the X server for "detectable auto-repeat": a held key then sends repeated presses
// and one release when it is let go, as Windows does, instead of press/release pairs.
// Does nothing off X11. True when the server agreed.
bool enableDetectableAutoRepeat();

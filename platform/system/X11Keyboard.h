#pragma once

// Asks the X server for "detectable auto-repeat": a held key then sends repeated presses
// and one release when it is let go, instead of press/release pairs, so the handlers see a
// held key as held. Does nothing off X11. True when the server agreed.
bool enableDetectableAutoRepeat();

#pragma once

class Clock;
class VirtualClock;
class MessageBox;
class Random;
class Launcher;
class Sound;

// What every window is handed by the program: the real ones in play, doubles in tests.
struct Services {
    Clock& clock;
    // Game time, on which a game's rules run: paced by the real clock in play, so that a game
    // can be replayed; in tests the virtual clock itself.
    VirtualClock& gameClock;
    MessageBox& messageBox;
    Random& random;
    Launcher& launcher;
    Sound& sound;
};

#pragma once

class Clock;
class MessageBox;
class Random;
class Launcher;
class Sound;

// What every window is handed by the program: the real ones in play, doubles in tests.
struct Services {
    Clock& clock;
    MessageBox& messageBox;
    Random& random;
    Launcher& launcher;
    Sound& sound;
};

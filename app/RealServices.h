#pragma once

#include "Clock.h"
#include "MessageBox.h"
#include "Random.h"
#include "Services.h"
#include "Sound.h"
#include "Sounds.h"
#include "System.h"

// What the windows are handed in play: the real clock with game time paced by it, the
// toolkit's boxes, the system's draws, the desktop's opener and SDL's sound. A scenario or a
// benchmark may hand in boxes or draws of its own.
struct RealServices {
    explicit RealServices(MessageBox* boxes = nullptr, Random* draws = nullptr)
        : services{clock,    gameClock, boxes ? *boxes : messageBox, draws ? *draws : random,
                   launcher, sound} {}

    RealClock clock;
    PacedClock gameClock{clock};
    QtMessageBox messageBox;
    SystemRandom random;
    ProcessLauncher launcher;
    SdlSound sound{sounds::files()};
    Services services;
};

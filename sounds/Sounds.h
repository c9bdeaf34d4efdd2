#pragma once

#include "System.h"

#include <QStringList>

// The game's sound effects: WAV files in sounds/ beside the program, played by their index.
namespace sounds {
enum Effect : int { shot, hit, lifeLost, levelUp, gameOver, click };

inline QStringList files() {
    QStringList all;
    for (const char* name : {"shot", "hit", "life", "level", "gameover", "click"})
        all << sys::programDirectory() + QStringLiteral("/sounds/") + QLatin1String(name) +
                   QStringLiteral(".wav");
    return all;
}
} // namespace sounds

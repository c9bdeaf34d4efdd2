#pragma once

#include "System.h"

#include <QStringList>

#include <iterator>
#include <string_view>

// The game's sound effects: WAV files in sounds/ beside the program, played by their place in
// `names`. That list is the only one of their names: the build copies and installs the files it
// names, and tools/sound/effects.py makes them.
namespace sounds {
inline constexpr const char* names[] = {"shot", "hit", "life", "level", "gameover", "click"};

// An effect's place in `names`; a name not in it does not compile.
constexpr int named(std::string_view name) {
    for (int i = 0; i < static_cast<int>(std::size(names)); ++i)
        if (names[i] == name)
            return i;
    throw "not an effect of sounds::names";
}

enum Effect : int {
    shot = named("shot"),
    hit = named("hit"),
    lifeLost = named("life"),
    levelUp = named("level"),
    gameOver = named("gameover"),
    click = named("click"),
};

inline QStringList files() {
    QStringList all;
    for (const char* name : names)
        all << sys::programDirectory() + QStringLiteral("/sounds/") + QLatin1String(name) +
                   QStringLiteral(".wav");
    return all;
}
} // namespace sounds

#pragma once

#include "Doubles.h"
#include "Program.h"
#include "SettingsFile.h"

#include <QApplication>

// The program in a world of doubles, on the virtual clock: what every window's test starts from.
struct TestProgram {
    TestWorld world;
    Program program{world.services};
    // Unloaded windows go while what they were handed is still there.
    ~TestProgram() { processDeferredDeletes(); }
};

// The settings in the file's order.
inline std::vector<qint16> values(const Settings& s) {
    return {s.imageQuality, s.keyMoveLeft, s.keyMoveRight, s.keyMoveUp, s.keyMoveDown, s.keyFire};
}

// A window of the given kind that is loaded, found without creating one.
template <class Window> Window* loaded() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* found = dynamic_cast<Window*>(window);
        if (found && !found->isUnloaded())
            return found;
    }
    return nullptr;
}

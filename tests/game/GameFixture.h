#pragma once

#include "Doubles.h"
#include "Program.h"
#include "frmGame.h"

#include <QAccessible>

#include <gtest/gtest.h>

inline constexpr float justUnderOne = 0.99999994f;

// What a screen reader is told of a control: its name and its description.
inline std::pair<QString, QString> told(QWidget& control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&control);
    return {spoken->text(QAccessible::Name), spoken->text(QAccessible::Description)};
}

// A game on the virtual clock with scripted draws and the delivered settings.
class GameWindow : public ::testing::Test {
protected:
    TestWorld world;
    Program program{world.services};

    frmGame& game() { return program.game(); }

    void writeSettings(const QByteArray& lines) {
        world.writeFile(QStringLiteral("settings"), lines);
    }

    std::vector<float> targetLefts() {
        std::vector<float> lefts;
        for (auto& target : game().swfTarget)
            lefts.push_back(target->left());
        return lefts;
    }

    std::vector<QString> lifePictures() {
        std::vector<QString> pictures;
        for (auto& life : game().imgLife)
            pictures.push_back(life->picture());
        return pictures;
    }

    // Targets far out on the right (every draw just under 1), so that only the targets a
    // test places itself take part.
    frmGame& gameWithTargetsFarAway() {
        world.random.fallback = justUnderOne;
        return game();
    }
};

#pragma once

#include <QString>

// What the game window asks of the program around it when a game ends.
class GameHost {
public:
    virtual ~GameHost() = default;
    virtual void showMainMenu() = 0;
};

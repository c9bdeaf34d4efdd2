#include "Program.h"

#include "frmGame.h"

#include <QCoreApplication>

Program::Program(Services& services) : services_(services) {}

Program::~Program() {
    delete game_.data();
}

void Program::start() {
    game().show();
}

frmGame& Program::game() {
    if (!game_ || game_->isUnloaded()) {
        game_ = new frmGame(services_, *this);
        game_->load();
    }
    return *game_;
}

void Program::showMainMenu() {
    // Until the menu exists, leaving the game leaves the program.
    QCoreApplication::quit();
}

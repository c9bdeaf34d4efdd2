#pragma once

#include "GameHost.h"
#include "Services.h"

#include <QPointer>

class frmGame;

// Owns the windows and hands each its services. A window is created and loaded on first
// use; once unloaded, the next use makes a fresh one.
class Program final : public GameHost {
public:
    explicit Program(Services& services);
    ~Program() override;

    void start();
    frmGame& game();

    void showMainMenu() override;

private:
    Services& services_;
    QPointer<frmGame> game_;
};

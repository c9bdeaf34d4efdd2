#pragma once

#include "Form.h"
#include "Label.h"
#include "Screens.h"

// Asks for the player's names after a game that reached level 3 and stores the result.
class frmRecord final : public Form {
public:
    frmRecord(Services& services, Screens& screens);
    ~frmRecord() override;

    Label lblLevel;
    Label lblDestroyed;

private:
    Screens& screens_;
};

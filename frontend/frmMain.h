#pragma once

#include "Form.h"
#include "Screens.h"

// The main menu: picture buttons to play, set up, see the high scores and leave.
class frmMain final : public Form {
public:
    frmMain(Services& services, Screens& screens);
    ~frmMain() override;

private:
    Screens& screens_;
};

#pragma once

#include "Form.h"
#include "Screens.h"

// The intro movie, shown first; it hands over to the main menu.
class frmIntro final : public Form {
public:
    frmIntro(Services& services, Screens& screens);
    ~frmIntro() override;

private:
    Screens& screens_;
};

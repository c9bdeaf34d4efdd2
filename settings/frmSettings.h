#pragma once

#include "Form.h"
#include "Screens.h"

// Picture quality and the five keys, written to the settings file on OK.
class frmSettings final : public Form {
public:
    frmSettings(Services& services, Screens& screens);
    ~frmSettings() override;

private:
    Screens& screens_;
};

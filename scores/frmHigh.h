#pragma once

#include "Form.h"
#include "Screens.h"

// The ten best results of the scores file.
class frmHigh final : public Form {
public:
    frmHigh(Services& services, Screens& screens);
    ~frmHigh() override;

private:
    Screens& screens_;
};

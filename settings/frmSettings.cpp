#include "frmSettings.h"

frmSettings::frmSettings(Services& services, Screens& screens)
    : Form(services, QStringLiteral("Settings"), 190, 300), screens_(screens) {}

frmSettings::~frmSettings() = default;

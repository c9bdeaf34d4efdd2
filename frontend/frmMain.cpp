#include "frmMain.h"

frmMain::frmMain(Services& services, Screens& screens)
    : Form(services, QStringLiteral("Main Menu"), 522, 354), screens_(screens) {}

frmMain::~frmMain() = default;


#include "frmHigh.h"

frmHigh::frmHigh(Services& services, Screens& screens)
    : Form(services, QStringLiteral("High Scores"), 277, 207), screens_(screens) {}

frmHigh::~frmHigh() = default;

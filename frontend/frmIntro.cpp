#include "frmIntro.h"

frmIntro::frmIntro(Services& services, Screens& screens)
    : Form(services, QStringLiteral(" "), 86, 59), screens_(screens) {}

frmIntro::~frmIntro() = default;

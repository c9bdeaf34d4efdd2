#include "frmRecord.h"

frmRecord::frmRecord(Services& services, Screens& screens)
    : Form(services, QStringLiteral("You have a high score!"), 286, 177), lblLevel(this, QStringLiteral("0"), 88, 96, 6, 13),
      lblDestroyed(this, QStringLiteral("0"), 108, 112, 6, 13), screens_(screens) {}

frmRecord::~frmRecord() = default;

#pragma once

#include "GamePad.h"

#include <Qt>

#include <array>

// The key each of a pad's buttons stands for, in PadButton's order.
using PadKeys = std::array<Qt::Key, padButtonCount>;

// Hands a pad's button to the program as the key that `keys` gives it: to an open message box,
// else to the active window, which may take the button as its own (Form::padButton), else to
// the focused control.
void deliverPadButton(PadButton button, bool down, const PadKeys& keys);

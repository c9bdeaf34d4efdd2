#pragma once

#include "GamePad.h"

// Hands a pad's button to the program as a key: to an open message box (south is Return,
// Start is P, east is Esc), else to the active window, which may take it as its own keys
// (Form::padButton), else as the arrows, Return and Esc to the focused control.
void deliverPadButton(PadButton button, bool down);

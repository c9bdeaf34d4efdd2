#pragma once

#include <QString>
#include <QtGlobal>

// The name a key box shows for a key code: a bracketed word for the keys that print
// nothing readable, otherwise the code's character in the single-byte set (Windows-1252).
// Codes outside 0 to 255 have no character and show as "[key N]". The bracketed words are in
// the player's language, or in English when `translated` is false.
QString KeyName(qint16 keyCode, bool translated = true);

#pragma once

#include <Qt>

class QKeyEvent;

// Key codes: one number per key, small enough for a file to store. A letter or digit is its
// upper-case character ('A' to 'Z' are 65-90, '0' to '9' 48-57); the other keys are named below.
// Shift makes no other code: Shift+; is the ';' key.
namespace keys {

enum Code : int {
    Backspace = 8,
    Tab = 9,
    Clear = 12,
    Return = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Pause = 19,
    CapsLock = 20,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    LeftWindows = 91,
    Apps = 93,
    Numpad0 = 96,
    Multiply = 106,
    Add = 107,
    Subtract = 109,
    Decimal = 110,
    Divide = 111,
    F1 = 112,
    F2 = 113,
    F3 = 114,
    F4 = 115,
    F5 = 116,
    F6 = 117,
    F7 = 118,
    F8 = 119,
    F9 = 120,
    F10 = 121,
    F11 = 122,
    NumLock = 144,
    ScrollLock = 145,
    Semicolon = 186,
    Equals = 187,
    Comma = 188,
    Minus = 189,
    Period = 190,
    Slash = 191,
    Backquote = 192,
    OpenBracket = 219,
    Backslash = 220,
    CloseBracket = 221,
    Quote = 222,
};

// The virtual-key code of a Qt key; shifted symbols fold onto their key (Shift+; is the
// ';' key). 0 for keys that have no code.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int virtualKeyCode(const QKeyEvent& event);

// The Shift/Ctrl/Alt state as the key handlers receive it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

} // namespace keys

#include "Keys.h"

#include <gtest/gtest.h>

using keys::virtualKeyCode;

// Letters and digits are their characters whatever the modifiers; the navigation and control
// keys, and the keypad's digits and operators, have codes of their own; without NumLock the
// keypad sends the navigation keys. Keys without a code give 0.
TEST(Keys, EveryKeyHasItsVirtualKeyCode) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
    } rows[] = {
        {Qt::Key_A, Qt::NoModifier, 65},           {Qt::Key_P, Qt::ShiftModifier, 80},
        {Qt::Key_Z, Qt::ControlModifier, 90},      {Qt::Key_0, Qt::NoModifier, 48},
        {Qt::Key_9, Qt::NoModifier, 57},           {Qt::Key_Left, Qt::NoModifier, 37},
        {Qt::Key_Up, Qt::NoModifier, 38},          {Qt::Key_Right, Qt::NoModifier, 39},
        {Qt::Key_Down, Qt::NoModifier, 40},        {Qt::Key_Space, Qt::NoModifier, 32},
        {Qt::Key_Return, Qt::NoModifier, 13},      {Qt::Key_Escape, Qt::NoModifier, 27},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},    {Qt::Key_Control, Qt::ControlModifier, 17},
        {Qt::Key_Alt, Qt::AltModifier, 18},        {Qt::Key_F1, Qt::NoModifier, 112},
        {Qt::Key_F12, Qt::NoModifier, 123},        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},   {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110}, {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_Home, Qt::KeypadModifier, 36},    {Qt::Key_Left, Qt::KeypadModifier, 37},
        {Qt::Key_unknown, Qt::NoModifier, 0},      {Qt::Key_VolumeUp, Qt::NoModifier, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(virtualKeyCode(row.key, row.modifiers), row.code) << row.key;
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(virtualKeyCode(Qt::Key_0 + d, Qt::KeypadModifier), 96 + d);
}

TEST(Keys, SymbolKeysFoldShiftedSymbolsOntoTheirKey) {
    const std::pair<int, int> pairs[] = {
        {Qt::Key_Semicolon, Qt::Key_Colon},      {Qt::Key_Equal, Qt::Key_Plus},
        {Qt::Key_Comma, Qt::Key_Less},           {Qt::Key_Minus, Qt::Key_Underscore},
        {Qt::Key_Period, Qt::Key_Greater},       {Qt::Key_Slash, Qt::Key_Question},
        {Qt::Key_QuoteLeft, Qt::Key_AsciiTilde}, {Qt::Key_BracketLeft, Qt::Key_BraceLeft},
        {Qt::Key_Backslash, Qt::Key_Bar},        {Qt::Key_BracketRight, Qt::Key_BraceRight},
        {Qt::Key_Apostrophe, Qt::Key_QuoteDbl}};
    const int codes[] = {186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222};
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        EXPECT_EQ(virtualKeyCode(pairs[i].first, Qt::NoModifier), codes[i]);
        EXPECT_EQ(virtualKeyCode(pairs[i].second, Qt::ShiftModifier), codes[i]);
    }
    EXPECT_EQ(virtualKeyCode(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(virtualKeyCode(Qt::Key_ParenRight, Qt::ShiftModifier), '0');
}

TEST(Keys, ShiftStateBits) {
    EXPECT_EQ(keys::shiftState(Qt::NoModifier), 0);
    EXPECT_EQ(keys::shiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(keys::shiftState(Qt::ControlModifier | Qt::AltModifier), 6);
}

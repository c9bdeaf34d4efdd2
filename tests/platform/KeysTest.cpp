#include "Keys.h"

#include <gtest/gtest.h>

using keys::virtualKeyCode;

TEST(Keys, LettersAndDigitsAreTheirCharacterCodesWhateverTheModifiers) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_A, Qt::NoModifier), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_P, Qt::ShiftModifier), 80);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Z, Qt::ControlModifier), 90);
    EXPECT_EQ(virtualKeyCode(Qt::Key_0, Qt::NoModifier), 48);
    EXPECT_EQ(virtualKeyCode(Qt::Key_9, Qt::NoModifier), 57);
}

TEST(Keys, NavigationAndControlKeys) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Left, Qt::NoModifier), 37);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Up, Qt::NoModifier), 38);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Right, Qt::NoModifier), 39);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Down, Qt::NoModifier), 40);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Space, Qt::NoModifier), 32);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Return, Qt::NoModifier), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Escape, Qt::NoModifier), 27);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Control, Qt::ControlModifier), 17);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Alt, Qt::AltModifier), 18);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1, Qt::NoModifier), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F12, Qt::NoModifier), 123);
}

TEST(Keys, KeypadDigitsAndOperatorsHaveTheirOwnCodes) {
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(virtualKeyCode(Qt::Key_0 + d, Qt::KeypadModifier), 96 + d);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Period, Qt::KeypadModifier), 110);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Slash, Qt::KeypadModifier), 111);
    // Without NumLock the keypad sends the navigation keys.
    EXPECT_EQ(virtualKeyCode(Qt::Key_Home, Qt::KeypadModifier), 36);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Left, Qt::KeypadModifier), 37);
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

TEST(Keys, KeysWithoutACodeGiveZero) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_unknown, Qt::NoModifier), 0);
    EXPECT_EQ(virtualKeyCode(Qt::Key_VolumeUp, Qt::NoModifier), 0);
}

TEST(Keys, ShiftStateBits) {
    EXPECT_EQ(keys::shiftState(Qt::NoModifier), 0);
    EXPECT_EQ(keys::shiftState(Qt::ShiftModifier), 1);
    EXPECT_EQ(keys::shiftState(Qt::ControlModifier | Qt::AltModifier), 6);
}

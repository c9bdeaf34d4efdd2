#include "Keys.h"

#include <QKeyEvent>

namespace keys {

namespace {

// Symbols as a US keyboard gives them, shifted or not, on the key that carries them.
int symbolKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return Semicolon;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return Equals;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return Comma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return Minus;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return Period;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return Slash;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return Backquote;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return OpenBracket;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return Backslash;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return CloseBracket;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return Quote;
    default:
        return 0;
    }
}

int keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return Numpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return Multiply;
    case Qt::Key_Plus:
        return Add;
    case Qt::Key_Minus:
        return Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return Decimal;
    case Qt::Key_Slash:
        return Divide;
    default:
        return 0; // navigation keys of the keypad (NumLock off) are the plain ones
    }
}

int namedKey(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Tab;
    case Qt::Key_Clear:
        return Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Return;
    case Qt::Key_Shift:
        return Shift;
    case Qt::Key_Control:
        return Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return Alt;
    case Qt::Key_Pause:
        return Pause;
    case Qt::Key_CapsLock:
        return CapsLock;
    case Qt::Key_Escape:
        return Escape;
    case Qt::Key_Space:
        return Space;
    case Qt::Key_PageUp:
        return PageUp;
    case Qt::Key_PageDown:
        return PageDown;
    case Qt::Key_End:
        return End;
    case Qt::Key_Home:
        return Home;
    case Qt::Key_Left:
        return Left;
    case Qt::Key_Up:
        return Up;
    case Qt::Key_Right:
        return Right;
    case Qt::Key_Down:
        return Down;
    case Qt::Key_Insert:
        return Insert;
    case Qt::Key_Delete:
        return Delete;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return LeftWindows;
    case Qt::Key_Menu:
        return Apps;
    case Qt::Key_NumLock:
        return NumLock;
    case Qt::Key_ScrollLock:
        return ScrollLock;
    default:
        return 0;
    }
}

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = keypadKey(qtKey))
            return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // Qt's letter keys are the upper-case character codes
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey;
    if (const int code = namedKey(qtKey))
        return code;
    return symbolKey(qtKey);
}

int virtualKeyCode(const QKeyEvent& event) {
    return virtualKeyCode(event.key(), event.modifiers());
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace keys

#include "KeyName.h"

#include "Charset.h"
#include "Keys.h"

#include <QCoreApplication>

#include <utility>

namespace {

// Keys that print nothing readable, or whose character in the single-byte set is not the
// symbol on the key (the OEM keys), show these names. The bracketed words are shown in the
// player's language; the settings file keeps only the codes.
constexpr std::pair<keys::Code, const char*> names[] = {
    {keys::Backspace, QT_TRANSLATE_NOOP("KeyName", "[backspace]")},
    {keys::Return, QT_TRANSLATE_NOOP("KeyName", "[enter]")},
    {keys::Shift, QT_TRANSLATE_NOOP("KeyName", "[shift]")},
    {keys::Control, QT_TRANSLATE_NOOP("KeyName", "[ctrl]")},
    {keys::Alt, QT_TRANSLATE_NOOP("KeyName", "[alt]")},
    {keys::Space, QT_TRANSLATE_NOOP("KeyName", "[space]")},
    {keys::PageUp, QT_TRANSLATE_NOOP("KeyName", "[page up]")},
    {keys::PageDown, QT_TRANSLATE_NOOP("KeyName", "[page down]")},
    {keys::End, QT_TRANSLATE_NOOP("KeyName", "[end]")},
    {keys::Home, QT_TRANSLATE_NOOP("KeyName", "[home]")},
    {keys::Left, QT_TRANSLATE_NOOP("KeyName", "[left arrow]")},
    {keys::Up, QT_TRANSLATE_NOOP("KeyName", "[up arrow]")},
    {keys::Right, QT_TRANSLATE_NOOP("KeyName", "[right arrow]")},
    {keys::Down, QT_TRANSLATE_NOOP("KeyName", "[down arrow]")},
    {keys::Delete, QT_TRANSLATE_NOOP("KeyName", "[delete]")},
    {keys::F1, "[F1]"},
    {keys::F2, "[F2]"},
    {keys::F3, "[F3]"},
    {keys::F4, "[F4]"},
    {keys::F5, "[F5]"},
    {keys::F6, "[F6]"},
    {keys::F7, "[F7]"},
    {keys::F8, "[F8]"},
    {keys::F9, "[F9]"},
    {keys::F10, "[F10]"},
    {keys::Semicolon, ";"},
    {keys::Equals, "="},
    {keys::Comma, ","},
    {keys::Minus, "-"},
    {keys::Period, "."},
    {keys::Slash, "/"},
    {keys::OpenBracket, "["},
    {keys::Backslash, "\\"},
    {keys::CloseBracket, "]"},
    {keys::Quote, "'"},
};

} // namespace

QString KeyName(qint16 keyCode, bool translated) {
    for (const auto& [code, name] : names) {
        if (code == keyCode)
            return translated ? QCoreApplication::translate("KeyName", name)
                              : QString::fromLatin1(name);
    }
    // A hand-written settings file may hold any 16-bit number.
    if (keyCode < 0 || keyCode > 255)
        return QCoreApplication::translate("KeyName", "[key %1]").arg(keyCode);
    return charset::fromByte(static_cast<unsigned char>(keyCode));
}

#include "KeyName.h"

#include "Charset.h"
#include "Keys.h"

#include <utility>

namespace {

// Keys that print nothing readable, or whose character in the single-byte set is not the
// symbol on the key (the OEM keys), show these names.
constexpr std::pair<keys::Code, const char*> names[] = {
    {keys::Backspace, "[backspace]"},
    {keys::Return, "[enter]"},
    {keys::Shift, "[shift]"},
    {keys::Control, "[ctrl]"},
    {keys::Alt, "[alt]"},
    {keys::Space, "[space]"},
    {keys::PageUp, "[page up]"},
    {keys::PageDown, "[page down]"},
    {keys::End, "[end]"},
    {keys::Home, "[home]"},
    {keys::Left, "[left arrow]"},
    {keys::Up, "[up arrow]"},
    {keys::Right, "[right arrow]"},
    {keys::Down, "[down arrow]"},
    {keys::Delete, "[delete]"},
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

QString KeyName(qint16 keyCode) {
    for (const auto& [code, name] : names) {
        if (code == keyCode)
            return QString::fromLatin1(name);
    }
    // A hand-written settings file may hold any 16-bit number.
    if (keyCode < 0 || keyCode > 255)
        return QStringLiteral("[key %1]").arg(keyCode);
    return charset::fromByte(static_cast<unsigned char>(keyCode));
}

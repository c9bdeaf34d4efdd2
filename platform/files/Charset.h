#pragma once

#include <QByteArray>
#include <QString>

// The single-byte character set of stored names and key names: Windows-1252.
namespace charset {

// The one-character string of a code 0 to 255. The five codes that Windows-1252 leaves
// undefined (129, 141, 143, 144, 157) map to the control characters of the same number.
QString fromByte(unsigned char code);

// Whether the set has a code for the character.
bool represents(char32_t character);

// Each character as one byte; a character the set cannot represent becomes "?".
QByteArray toBytes(const QString& text);

} // namespace charset

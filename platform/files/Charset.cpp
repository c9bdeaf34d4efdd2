#include "Charset.h"

#include <QList>

#include <array>

namespace {

// Windows-1252 codes 128 to 159; the rest of the set is Latin-1.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(unsigned char code) {
    return code >= 128 && code < 160 ? high[code - 128] : char16_t(code);
}

} // namespace

namespace charset {

QString fromByte(unsigned char code) {
    return QString(QChar(unicodeOf(code)));
}

bool represents(char32_t character) {
    for (int code = 0; code < 256; ++code)
        if (unicodeOf(static_cast<unsigned char>(code)) == character)
            return true;
    return false;
}

QByteArray toBytes(const QString& text) {
    QByteArray bytes;
    for (const uint c : text.toUcs4()) {
        char byte = '?';
        for (int code = 0; code < 256; ++code) {
            if (unicodeOf(static_cast<unsigned char>(code)) == c) {
                byte = static_cast<char>(code);
                break;
            }
        }
        bytes += byte;
    }
    return bytes;
}

} // namespace charset

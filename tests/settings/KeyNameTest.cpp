#include "KeyName.h"

#include "Charset.h"

#include <gtest/gtest.h>

#include <map>

// The keys with a name of their own, codes without a character, which show their number, and the
// characters where Windows-1252 differs from Latin-1, and above (below 32, a control character).
TEST(KeyName, EachCodeShowsItsNameItsCharacterOrItsNumber) {
    std::map<int, QString> named = {
        {8, "[backspace]"},       {13, "[enter]"},      {16, "[shift]"},
        {17, "[ctrl]"},           {18, "[alt]"},        {32, "[space]"},
        {33, "[page up]"},        {34, "[page down]"},  {35, "[end]"},
        {36, "[home]"},           {37, "[left arrow]"}, {38, "[up arrow]"},
        {39, "[right arrow]"},    {40, "[down arrow]"}, {46, "[delete]"},
        {256, "[key 256]"},       {-1, "[key -1]"},     {32767, "[key 32767]"},
        {-32768, "[key -32768]"}, {128, QChar(0x20AC)}, {140, QChar(0x152)},
        {159, QChar(0x178)},      {163, QChar(0xA3)},   {192, QChar(0xC0)},
        {255, QChar(0xFF)},       {0, QChar(0)},        {9, QChar(9)},
        {27, QChar(0x1B)},
    };
    for (int f = 1; f <= 10; ++f)
        named[111 + f] = QString("[F%1]").arg(f);
    for (int i = 0; i < 6; ++i)
        named[186 + i] = QString(QChar(";=,-./"[i]));
    for (int i = 0; i < 4; ++i)
        named[219 + i] = QString(QChar("[\\]'"[i]));
    for (const auto& [code, name] : named)
        EXPECT_EQ(KeyName(static_cast<qint16>(code)), name) << "code " << code;

    // Every other code is one character, which stored back in the single-byte set is the code
    // again: letters, digits and the other printable ASCII as themselves (the keypad's digits,
    // 96 to 105, F11, F12, 122 and 123, and Insert, 45, among them).
    int unnamed = 0;
    for (int code = 0; code <= 255; ++code) {
        if (named.count(code))
            continue;
        ++unnamed;
        const QString name = KeyName(static_cast<qint16>(code));
        ASSERT_EQ(name.size(), 1) << "code " << code;
        EXPECT_EQ(charset::toBytes(name), QByteArray(1, static_cast<char>(code)))
            << "code " << code;
        if (code >= 32 && code < 127) {
            EXPECT_EQ(name, QString(QChar(code))) << "code " << code;
        }
    }
    EXPECT_EQ(unnamed, 256 - 44);
}

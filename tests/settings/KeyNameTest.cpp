#include "KeyName.h"

#include "Charset.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::map<int, QString> named = {
    {8, "[backspace]"},
    {13, "[enter]"},
    {16, "[shift]"},
    {17, "[ctrl]"},
    {18, "[alt]"},
    {32, "[space]"},
    {33, "[page up]"},
    {34, "[page down]"},
    {35, "[end]"},
    {36, "[home]"},
    {37, "[left arrow]"},
    {38, "[up arrow]"},
    {39, "[right arrow]"},
    {40, "[down arrow]"},
    {46, "[delete]"},
    {112, "[F1]"},
    {113, "[F2]"},
    {114, "[F3]"},
    {115, "[F4]"},
    {116, "[F5]"},
    {117, "[F6]"},
    {118, "[F7]"},
    {119, "[F8]"},
    {120, "[F9]"},
    {121, "[F10]"},
    {186, ";"},
    {187, "="},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "/"},
    {219, "["},
    {220, "\\"},
    {221, "]"},
    {222, "'"},
};

QString character(char16_t unicode) {
    return QString(QChar(unicode));
}

} // namespace

TEST(KeyName, EveryNamedCodeHasItsName) {
    ASSERT_EQ(named.size(), 35u);
    for (const auto& [code, name] : named)
        EXPECT_EQ(KeyName(static_cast<qint16>(code)), name) << "code " << code;
}

TEST(KeyName, LettersAndDigitsShowAsThemselves) {
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(KeyName(static_cast<qint16>(65 + i)), character(u'A' + i));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(KeyName(static_cast<qint16>(48 + i)), character(u'0' + i));
}

TEST(KeyName, OtherCodesShowTheirWindows1252Character) {
    // The keypad's digits, F11 and F12, Insert.
    const QString keypad = "`abcdefghi";
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(KeyName(static_cast<qint16>(96 + i)), keypad.mid(i, 1)) << "keypad " << i;
    // F11, F12, the minus key; where Windows-1252 differs from Latin-1, and above; below 32, a
    // control character.
    const std::pair<qint16, char16_t> rows[] = {
        {122, u'z'},      {123, u'{'},      {45, u'-'},       {128, u'\u20AC'},
        {140, u'\u0152'}, {159, u'\u0178'}, {163, u'\u00A3'}, {192, u'\u00C0'},
        {255, u'\u00FF'}, {0, u'\0'},       {9, u'\t'},       {27, u'\x1B'}};
    for (const auto& [code, shown] : rows)
        EXPECT_EQ(KeyName(code), character(shown)) << code;
}

TEST(KeyName, EveryUnnamedCodeIsOneCharacter) {
    for (int code = 0; code <= 255; ++code) {
        if (named.count(code))
            continue;
        const QString name = KeyName(static_cast<qint16>(code));
        ASSERT_EQ(name.size(), 1) << "code " << code;
        // Stored back in the single-byte set, the character is the code again.
        EXPECT_EQ(charset::toBytes(name), QByteArray(1, static_cast<char>(code)))
            << "code " << code;
    }
}

TEST(KeyName, CodesWithoutACharacterShowTheirNumber) {
    EXPECT_EQ(KeyName(256), "[key 256]");
    EXPECT_EQ(KeyName(-1), "[key -1]");
    EXPECT_EQ(KeyName(32767), "[key 32767]");
    EXPECT_EQ(KeyName(-32768), "[key -32768]");
}

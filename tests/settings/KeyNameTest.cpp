#include "KeyName.h"

#include "Charset.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::map<int, QString> named = {
    {8, QStringLiteral("[backspace]")},
    {13, QStringLiteral("[enter]")},
    {16, QStringLiteral("[shift]")},
    {17, QStringLiteral("[ctrl]")},
    {18, QStringLiteral("[alt]")},
    {32, QStringLiteral("[space]")},
    {33, QStringLiteral("[page up]")},
    {34, QStringLiteral("[page down]")},
    {35, QStringLiteral("[end]")},
    {36, QStringLiteral("[home]")},
    {37, QStringLiteral("[left arrow]")},
    {38, QStringLiteral("[up arrow]")},
    {39, QStringLiteral("[right arrow]")},
    {40, QStringLiteral("[down arrow]")},
    {46, QStringLiteral("[delete]")},
    {112, QStringLiteral("[F1]")},
    {113, QStringLiteral("[F2]")},
    {114, QStringLiteral("[F3]")},
    {115, QStringLiteral("[F4]")},
    {116, QStringLiteral("[F5]")},
    {117, QStringLiteral("[F6]")},
    {118, QStringLiteral("[F7]")},
    {119, QStringLiteral("[F8]")},
    {120, QStringLiteral("[F9]")},
    {121, QStringLiteral("[F10]")},
    {186, QStringLiteral(";")},
    {187, QStringLiteral("=")},
    {188, QStringLiteral(",")},
    {189, QStringLiteral("-")},
    {190, QStringLiteral(".")},
    {191, QStringLiteral("/")},
    {219, QStringLiteral("[")},
    {220, QStringLiteral("\\")},
    {221, QStringLiteral("]")},
    {222, QStringLiteral("'")},
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
    const QString keypad = QStringLiteral("`abcdefghi");
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
    EXPECT_EQ(KeyName(256), QStringLiteral("[key 256]"));
    EXPECT_EQ(KeyName(-1), QStringLiteral("[key -1]"));
    EXPECT_EQ(KeyName(32767), QStringLiteral("[key 32767]"));
    EXPECT_EQ(KeyName(-32768), QStringLiteral("[key -32768]"));
}

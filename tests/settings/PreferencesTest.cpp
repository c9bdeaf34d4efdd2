#include "Preferences.h"
#include "Doubles.h"

#include <gtest/gtest.h>

TEST(Preferences, ARoundTripKeepsEveryChoiceAndKeysOfALaterVersion) {
    TestWorld world;
    world.writeFile(preferencesFileName, "[Vexaroo]\nsound=on\nvolume=7\n");
    Preferences chosen;
    chosen.sound = false;
    chosen.size = 2.5;
    chosen.fullScreen = true;
    chosen.language = QStringLiteral("fr_CA");
    QString error;
    ASSERT_TRUE(writePreferences(chosen, &error)) << error.toStdString();
    EXPECT_EQ(world.readFile(preferencesFileName),
              QByteArray("[Vexaroo]\nsound=off\nfullscreen=on\nsize=2.5\nlanguage=fr_CA\n"
                         "volume=7\n"));
    EXPECT_EQ(readPreferences(), chosen);
}

// Each value that cannot be read gives its default alone; the good ones are kept.
TEST(Preferences, AMissingOrBrokenValueGivesItsDefault) {
    const Preferences defaults;
    struct Row {
        const char* bytes; // nullptr: no file
        Preferences expected;
    };
    Preferences sized = defaults;
    sized.size = 1.5;
    Preferences muted = defaults;
    muted.sound = false;
    const Row rows[] = {
        {nullptr, defaults},
        {"", defaults},
        {"\xff\xfe garbage \x01\n=\n==\n[", defaults},
        {"size=4\nsize=0.5\nsize=1.25\nsize=nan\nsize=1,5\nlanguage=../x\nfullscreen=yes",
         defaults},
        {"sound=maybe\nsize=1.5\n", sized},
        {"; a comment\r\nsound = off\r\nsize=9\r\n", muted},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes ? row.bytes : "no file");
        TestWorld world;
        if (row.bytes)
            world.writeFile(preferencesFileName, row.bytes);
        EXPECT_EQ(readPreferences(), row.expected);
    }
}

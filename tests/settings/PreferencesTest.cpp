#include "Preferences.h"
#include "Doubles.h"

#include <gtest/gtest.h>

// A save changes only the lines of the choices: keys of a later version, comments and other
// sections stay where they were, however far into the file. A file too large to keep whole is
// left as it is.
TEST(Preferences, ARoundTripKeepsEveryChoiceAndEveryOtherLine) {
    const Preferences chosen{false, 2.5, true, "fr_CA"};
    const QByteArray ours = "sound=off\r\nfullscreen=on\nsize=2.5\nlanguage=fr_CA\n";
    // The theme spans byte 4096; after it, the game's own section.
    const QByteArray large = "# mine\n[Other]\nsize=1\n; " + QByteArray(4065, 'x') +
                             "\ntheme=midnight-blue\n[Vexaroo]\nsound=on\r\nvolume=7\n";
    const struct {
        QByteArray before, after; // after: empty when the file is to stay as it was
    } rows[] = {
        {"[Vexaroo]\nsound=on\nvolume=7\n",
         "[Vexaroo]\nsound=off\nfullscreen=on\nsize=2.5\nlanguage=fr_CA\nvolume=7\n"},
        {large, QByteArray(large).replace("sound=on\r\n", ours)},
        {"volume=7\n" + QByteArray(64 * 1024, ';') + "\nsound=on\n", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before.left(40).toStdString());
        TestWorld world;
        world.writeFile(preferencesFileName, row.before);
        QString error;
        EXPECT_EQ(writePreferences(chosen, &error), !row.after.isEmpty()) << error.toStdString();
        EXPECT_EQ(world.readFile(preferencesFileName),
                  row.after.isEmpty() ? row.before : row.after);
        EXPECT_TRUE(row.after.isEmpty() || readPreferences() == chosen);
    }
}

// Each value that cannot be read gives its default alone; the good ones are kept.
TEST(Preferences, AMissingOrBrokenValueGivesItsDefault) {
    const Preferences defaults;
    Preferences sized, muted;
    sized.size = 1.5;
    muted.sound = false;
    const struct {
        const char* bytes; // nullptr: no file
        Preferences expected;
    } rows[] = {
        {nullptr, defaults},
        {"", defaults},
        {"\xff\xfe garbage \x01\n=\n==\n[", defaults},
        {"size=4\nsize=0.5\nsize=1.25\nsize=nan\nsize=1,5\nlanguage=../x\nfullscreen=yes",
         defaults},
        {"sound=maybe\nsize=1.5\n", sized},
        {"; a comment\r\nsound = off\r\nsize=9\r\n", muted},
        {"[Other]\nsound=off\n[Vexaroo]\nsize=1.5\n[More]\nsize=2\n", sized},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes ? row.bytes : "no file");
        TestWorld world;
        if (row.bytes)
            world.writeFile(preferencesFileName, row.bytes);
        EXPECT_EQ(readPreferences(), row.expected);
    }
}

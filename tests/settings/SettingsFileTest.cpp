#include "SettingsFile.h"
#include "Numeric.h"
#include "TestProgram.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <optional>
#include <string>

#include <sys/stat.h>

const std::vector<qint16> delivered = {1, 37, 39, 38, 40, 32};

// Every form of the sequential format is read: as delivered and as the program writes it, with
// no blanks, on one line with commas, mixed. The codes of P and Esc are used as read, and
// values beyond the range saturate. A value that cannot be read takes its default, the rest are
// kept, and the problem is named in a short message; the file stays as it was.
TEST(SettingsFile, ReadsEveryFormOfTheSequentialFormatAndNamesWhatItCannotRead) {
    const struct {
        std::optional<QByteArray> bytes; // none: no file
        std::vector<qint16> values;
        const char* problem; // "": none
    } rows[] = {
        {deliveredSettings(), delivered, ""},
        {"0\r\n65\r\n68\r\n87\r\n83\r\n17\r\n", {0, 65, 68, 87, 83, 17}, ""},
        {"0,65,68,87,83,17\r\n", {0, 65, 68, 87, 83, 17}, ""},
        {"  0 , 65,68\n87\r\n\r\n 83 ,17", {0, 65, 68, 87, 83, 17}, ""},
        {"-1\r\n80\r\n27\r\n80\r\n27\r\n32\r\n", {-1, 80, 27, 80, 27, 32}, ""},
        {"0\r\n40000\r\n-40000\r\n99999\r\n1e99\r\n32\r\n",
         {0, 32767, -32768, 32767, 32767, 32},
         ""},
        {"0\r\n65\r\n", {0, 65, 39, 38, 40, 32}, "ends before value 3"},
        {"", delivered, "ends before value 1"},
        {"0\r\nleft\r\n68\r\n87\r\n83\r\n17\r\n", {0, 37, 68, 87, 83, 17}, "\"left\""},
        {"0\r\n" + QByteArray(10'000'000, '7') + "\r\n", {0, 37, 39, 38, 40, 32}, "too long"},
        {std::nullopt, delivered, "\"settings\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes.value_or("no file").left(40).toStdString());
        TestWorld world;
        QFile::remove(world.path("settings"));
        if (row.bytes)
            world.writeFile("settings", *row.bytes);
        const SettingsRead read = readSettings();
        EXPECT_EQ(values(read.settings), row.values);
        EXPECT_EQ(read.problem.isEmpty(), !*row.problem);
        EXPECT_TRUE(!*row.problem || read.problem.contains("\"settings\""));
        EXPECT_TRUE(read.problem.contains(QLatin1String(row.problem)))
            << read.problem.toStdString();
        EXPECT_LT(read.problem.size(), 200) << "the message quotes more than an excerpt";
        EXPECT_EQ(QFile::exists(world.path("settings")), row.bytes.has_value());
        EXPECT_EQ(world.readFile("settings"), row.bytes.value_or("")) << "file was touched";
    }
}

TEST(SettingsFile, TheSameBytesGiveTheSameValuesInEveryLocale) {
    TestWorld world;
    // A fraction rounds to the nearest whole number, ties to the even one.
    world.writeFile("settings", " 1 \r\n 37 \r\n 39.5 \r\n 38.5 \r\n 40 \r\n 65.6 \r\n");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    // Both write decimals with a comma; Turkish also has its own upper and lower case of i.
    for (const char* locale : {"C", "de_DE.UTF-8", "tr_TR.UTF-8"}) {
        if (!std::setlocale(LC_ALL, locale)) {
            ADD_FAILURE() << "the locale " << locale
                          << " is not installed; scripts/setup.sh generates it";
            continue;
        }
        const SettingsRead read = readSettings();
        EXPECT_TRUE(read.problem.isEmpty()) << locale;
        EXPECT_EQ(values(read.settings), (std::vector<qint16>{1, 37, 40, 38, 40, 66})) << locale;
        EXPECT_EQ(numeric::valueOf("2.5 "), 2.5) << locale; // as in a caption
    }
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(SettingsFile, FilesOfOtherKindsAreRefusedAtOnceAndOnlyAnExcerptIsQuoted) {
    const QByteArray passwd = "root:x:0:0:root:/root:/bin/bash\n";
    const struct {
        const char* kind;
        std::function<void(TestWorld&, const QString& path)> make;
        const char* mentions;
    } cases[] = {
        {"fifo", [](TestWorld&, const QString& path) { mkfifo(QFile::encodeName(path), 0600); },
         "not a regular file"},
        {"folder", [](TestWorld&, const QString& path) { QDir().mkdir(path); }, "directory"},
        {"device", [](TestWorld&, const QString& path) { QFile::link("/dev/zero", path); },
         "not a regular file"},
        {"link to another file",
         [&](TestWorld& world, const QString& path) {
             world.writeFile("other", passwd.repeated(6));
             QFile::link(world.path("other"), path);
         },
         "root:x:0:0:r..."},
        {"control bytes",
         [](TestWorld& world, const QString&) { world.writeFile("settings", "\x1b[2J\x07\x01"); },
         "\"?[2J??\""},
    };
    for (const auto& c : cases) {
        TestWorld world;
        const QString path = world.path("settings");
        QFile::remove(path);
        c.make(world, path);
        const QFileInfo before(path);
        const SettingsRead read = readSettings();
        EXPECT_EQ(values(read.settings), delivered) << c.kind;
        EXPECT_TRUE(read.problem.contains(QLatin1String(c.mentions)))
            << c.kind << ": " << read.problem.toStdString();
        EXPECT_FALSE(read.problem.contains(QLatin1String("/bin/bash"))) << c.kind;
        const QFileInfo after(path);
        EXPECT_EQ(after.isSymLink(), before.isSymLink()) << c.kind;
        EXPECT_EQ(after.isDir(), before.isDir()) << c.kind;
        EXPECT_EQ(after.size(), before.size()) << c.kind;
    }
}

// Whatever form it was read in, the file is written as six lines of a sign or a blank, the
// digits, a blank and CR LF, which read back as they were.
TEST(SettingsFile, WritingGivesSixLinesOfSignOrBlankDigitsBlankCrLfThatReadBack) {
    TestWorld world;
    world.writeFile("settings", "-1,37,0,-32768,83,17");
    QString error;
    ASSERT_TRUE(writeSettings(readSettings().settings, &error));
    EXPECT_EQ(world.readFile("settings"),
              QByteArray("-1 \r\n 37 \r\n 0 \r\n-32768 \r\n 83 \r\n 17 \r\n"));
    EXPECT_EQ(values(readSettings().settings), (std::vector<qint16>{-1, 37, 0, -32768, 83, 17}));
}

TEST(SettingsFile, WriteToAPlaceThatCannotHoldTheFileFailsWithAReason) {
    TestWorld world;
    world.writeFile("plainfile", "x");
    QString error;
    EXPECT_FALSE(writeSettings(Settings{}, &error, world.path("plainfile/settings")));
    EXPECT_FALSE(error.isEmpty());
}

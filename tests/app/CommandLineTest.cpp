#include "CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, HelpAndVersionAnswerAndAMistakeIsAnErrorWithTheUsage) {
    const struct {
        QStringList arguments;
        std::optional<int> exitCode;
        const char* output;
        const char* errors;
        const char* language = "";
        std::optional<double> size = std::nullopt;
        bool mute = false; // this run only
    } rows[] = {
        {{}, std::nullopt, "", ""},
        {{"--help"}, 0, "--version", ""},
        {{"--help"}, 0, "--mute", ""},
        {{"-h"}, 0, "Usage: vexaroo", ""},
        {{"--version"}, 0, "Vexaroo 1.", ""},
        {{"--bogus"}, 2, "", "Usage: vexaroo"},
        {{"stray"}, 2, "", "stray"},
        {{"--lang", "fr"}, std::nullopt, "", "", "fr"},
        {{"--lang=de_AT"}, std::nullopt, "", "", "de_AT"},
        {{"--lang", "German!"}, 2, "", "'German!' is not a language"},
        {{"--lang"}, 2, "", "Usage: vexaroo"},
        {{"--size", "1.5"}, std::nullopt, "", "", "", 1.5},
        {{"--size=3"}, std::nullopt, "", "", "", 3.0},
        {{"--size", "1.25"}, 2, "", "--size takes"},
        {{"--size", "big"}, 2, "", "Usage: vexaroo"},
        {{"--size"}, 2, "", "Usage: vexaroo"},
        {{"--mute"}, std::nullopt, "", "", "", std::nullopt, true},
        {{"--mute=yes"}, 2, "", "Usage: vexaroo"},
        {{"--lang", QString(100000, 'x')}, 2, "", "'xxxxxxxxxx"},
        {{"--" + QString(100000, 'x')}, 2, "", "xxxxxxxxxx"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').left(60).toStdString());
        const CommandLine command = parseCommandLine(QStringList{"vexaroo"} + row.arguments);
        EXPECT_EQ(command.exitCode, row.exitCode);
        EXPECT_TRUE(command.output.contains(QLatin1String(row.output)))
            << command.output.toStdString();
        EXPECT_TRUE(command.errors.contains(QLatin1String(row.errors)))
            << command.errors.toStdString();
        EXPECT_EQ(command.output.isEmpty(), *row.output == '\0');
        EXPECT_EQ(command.errors.isEmpty(), *row.errors == '\0');
        EXPECT_LT(command.errors.size(), 300) << "a value echoed whole";
        if (!command.exitCode) {
            EXPECT_EQ(command.language.toStdString(), row.language);
        }
        EXPECT_EQ(command.size, row.size);
        EXPECT_EQ(command.mute, row.mute);
    }
}

#include "CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, HelpAndVersionAnswerAndAMistakeIsAnErrorWithTheUsage) {
    struct Row {
        QStringList arguments;
        std::optional<int> exitCode;
        const char* output;
        const char* errors;
    };
    const Row rows[] = {
        {{}, std::nullopt, "", ""},
        {{"--help"}, 0, "--version", ""},
        {{"-h"}, 0, "Usage: vexaroo", ""},
        {{"--version"}, 0, "Vexaroo 1.", ""},
        {{"--bogus"}, 2, "", "Usage: vexaroo"},
        {{"stray"}, 2, "", "stray"},
        {{"--mute"}, std::nullopt, "", ""},
        {{"--mute=yes"}, 2, "", "Usage: vexaroo"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CommandLine command = parseCommandLine(QStringList{"vexaroo"} + row.arguments);
        EXPECT_EQ(command.exitCode, row.exitCode);
        EXPECT_TRUE(command.output.contains(QLatin1String(row.output)))
            << command.output.toStdString();
        EXPECT_TRUE(command.errors.contains(QLatin1String(row.errors)))
            << command.errors.toStdString();
        EXPECT_EQ(command.output.isEmpty(), *row.output == '\0');
        EXPECT_EQ(command.errors.isEmpty(), *row.errors == '\0');
    }
}

TEST(CommandLine, MuteSilencesThisRunAndTheHelpNamesIt) {
    EXPECT_TRUE(parseCommandLine({"vexaroo", "--mute"}).mute);
    EXPECT_FALSE(parseCommandLine({"vexaroo"}).mute);
    EXPECT_TRUE(parseCommandLine({"vexaroo", "--help"}).output.contains(QLatin1String("--mute")));
}

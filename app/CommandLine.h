#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the player asked for on the command line. Read before any window or display is
// touched, so that --help and --version answer anywhere.
struct CommandLine {
    // Set when the program should end at once with this code (after --help, --version or a
    // mistake); `output` is for standard output, `errors` for standard error.
    std::optional<int> exitCode;
    QString output, errors;
    // --lang: the language to show instead of the desktop's; empty when not given.
    QString language;
    // --size: the window-size factor, 1 to 3 in half steps.
    std::optional<double> size;
    // --mute: no sound in this run, whatever the preferences say.
    bool mute = false;
    // --replay FILE: watch a recorded game; --verify FILE: replay it with no window and say
    // whether it ends as recorded.
    QString replay, verify;
};

// `arguments` as main() has them, the program's name first.
CommandLine parseCommandLine(const QStringList& arguments);

// --verify: replays the recorded game in `path` with no window. `output` gets its outcome
// ("level 4, 37 targets destroyed"), `errors` what went wrong; the exit code is 0 when it ends as
// recorded, 1 when it does not, 2 when the file cannot be replayed.
int verifyReplay(const QString& path, QString* output, QString* errors);

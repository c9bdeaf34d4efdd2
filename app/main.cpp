#include "Clock.h"
#include "CommandLine.h"
#include "Display.h"
#include "GamePad.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "Program.h"
#include "Random.h"
#include "Sound.h"
#include "Sounds.h"
#include "System.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = parseCommandLine(arguments);
    if (command.exitCode) {
        std::fputs(qPrintable(command.output), stdout);
        std::fputs(qPrintable(command.errors), stderr);
        return *command.exitCode;
    }
    // Without a display QApplication aborts with the toolkit's own words; say it plainly.
    if (QString problem; !display::reachable(&problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    const auto app = Program::makeApplication(argc, argv);

    RealClock clock;
    QtMessageBox messageBox;
    SystemRandom random;
    ProcessLauncher launcher;
    SdlSound sound(sounds::files());
    // --mute silences this run only; the menu's switch and M keep their choice.
    sound.setMuted(command.mute || !readPreferences().sound);
    Services services{clock, messageBox, random, launcher, sound};
    Program program(services);
    GamePad pad;
    program.connectPad(pad);
    program.start();
    return QApplication::exec();
}

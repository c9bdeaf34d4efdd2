#include "Clock.h"
#include "CommandLine.h"
#include "Display.h"
#include "Language.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "Program.h"
#include "Random.h"
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
    language::install(language::choose(command.language, readPreferences().language));

    RealClock clock;
    QtMessageBox messageBox;
    SystemRandom random;
    ProcessLauncher launcher;
    Services services{clock, messageBox, random, launcher};
    Program program(services);
    program.start();
    return QApplication::exec();
}

#include "Clock.h"
#include "CommandLine.h"
#include "Display.h"
#include "GamePad.h"
#include "Language.h"
#include "MessageBox.h"
#include "Preferences.h"
#include "Program.h"
#include "Random.h"
#include "Sound.h"
#include "Sounds.h"
#include "System.h"
#include "WindowSize.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace {

// The factor every window starts at: asked for, kept, or the first start's choice for this
// screen, which a short look at the screen tells before the application proper exists.
double startingWindowSize(const CommandLine& command, int& argc, char** argv) {
    const Preferences kept = readPreferences();
    double firstStart = windowsize::smallest;
    if (!command.size && !windowsize::isStep(kept.size)) {
        const QGuiApplication look(argc, argv);
        firstStart = windowsize::firstStartChoiceHere();
    }
    const double size = windowsize::startingFactor(command.size, kept.size, firstStart);
    if (command.size && kept.size != size) {
        Preferences chosen = kept;
        chosen.size = size;
        QString ignored;
        writePreferences(chosen, &ignored);
    }
    return size;
}

// Starts this program again in its place (the same process, so the same id) at another size.
void restartAt(double size, const QStringList& arguments) {
    windowsize::restoreEnvironment();
    qputenv(Program::atMenuVariable, "1");
    std::vector<QByteArray> kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--size"))
            ++i;
        else if (!arguments[i].startsWith(QLatin1String("--size=")))
            kept.push_back(arguments[i].toLocal8Bit());
    }
    kept.push_back("--size");
    kept.push_back(QByteArray::number(size));
    std::vector<char*> argv;
    for (QByteArray& argument : kept)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    execv("/proc/self/exe", argv.data());
    std::perror("vexaroo: cannot start again");
}

} // namespace

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
    if (!command.verify.isEmpty()) {
        QString output, errors;
        const int code = verifyReplay(command.verify, &output, &errors);
        std::fputs(qPrintable(output), stdout);
        std::fputs(qPrintable(errors), stderr);
        return code;
    }
    // Without a display QApplication aborts with the toolkit's own words; say it plainly.
    if (QString problem; !display::reachable(&problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    windowsize::applyBeforeStart(startingWindowSize(command, argc, argv));
    auto app = Program::makeApplication(argc, argv);
    language::install(language::choose(command.language, readPreferences().language));

    RealClock clock;
    PacedClock gameClock(clock);
    QtMessageBox messageBox;
    SystemRandom random;
    ProcessLauncher launcher;
    SdlSound sound(sounds::files());
    // --mute silences this run only; the menu's switch and M keep their choice.
    sound.setMuted(command.mute || !readPreferences().sound);
    Services services{clock, gameClock, messageBox, random, launcher, sound};
    Program program(services);
    GamePad pad;
    program.connectPad(pad);
    if (!command.replay.isEmpty()) {
        const QString why =
            program.watchReplay(command.replay, QFileInfo(command.replay).fileName(), nullptr);
        if (!why.isEmpty()) {
            std::fprintf(stderr, "vexaroo: cannot replay %s: %s\n", qPrintable(command.replay),
                         qPrintable(why));
            return 2;
        }
    } else {
        program.start();
    }
    const int code = QApplication::exec();
    if (const std::optional<double> size = program.restartSize()) {
        restartAt(*size, arguments);
    }
    return code;
}

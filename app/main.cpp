#include "CommandLine.h"
#include "Display.h"
#include "GamePad.h"
#include "Language.h"
#include "Preferences.h"
#include "Program.h"
#include "RealServices.h"
#include "WindowSize.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

// The factor every window starts at: asked for, kept, or the first start's choice for this
// screen, and never larger than the screen takes. A short look at the screen tells before the
// application proper exists.
double startingWindowSize(const CommandLine& command, double kept, int& argc, char** argv) {
    const QGuiApplication look(argc, argv);
    return windowsize::startingFactor(command.size, kept, Program::firstStartSizeHere(),
                                      Program::largestSizeHere());
}

// Starts the program again in this one's place (the same process, so the same id) at another
// size, at the menu. It runs the program's file as the start found it: a package upgrade may
// have put a new one there meanwhile, which finds its own movies and sounds. Returns only when
// it cannot start, with the reason; this run is left as it was.
QString restartAt(const QByteArray& program, double size, const QStringList& arguments) {
    std::vector<QByteArray> kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--size"))
            ++i;
        else if (!arguments[i].startsWith(QLatin1String("--size=")))
            kept.push_back(arguments[i].toLocal8Bit());
    }
    kept.push_back("--size");
    kept.push_back(QByteArray::number(size));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    windowsize::restoreEnvironment(environment);
    environment.insert(QString::fromLatin1(Program::atMenuVariable), QStringLiteral("1"));
    std::vector<QByteArray> variables;
    for (const QString& variable : environment.toStringList())
        variables.push_back(variable.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& argument : kept)
        argv.push_back(argument.data());
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    execve(program.constData(), argv.data(), envp.data());
    return qt_error_string(errno);
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
        std::fprintf(stderr, "Vexaroo needs a graphical desktop, but %s.\n", qPrintable(problem));
        return 1;
    }
    const double keptSize = readPreferences().size;
    windowsize::applyBeforeStart(startingWindowSize(command, keptSize, argc, argv));
    auto app = Program::makeApplication(argc, argv);
    display::release();
    const QByteArray programFile = QFile::encodeName(QCoreApplication::applicationFilePath());

    RealServices real;
    Program program(real.services);
    language::install(language::choose(command.language, program.preferences().language));
    // A size asked for is the player's choice, kept even where this screen shows a smaller one.
    if (command.size && *command.size != keptSize)
        program.keepPreferences([&](Preferences& p) { p.size = *command.size; });
    // --mute silences this run only; the menu's switch and M keep their choice.
    real.sound.setMuted(command.mute || !program.preferences().sound);
    program.startAgainAt = [&](double size) { return restartAt(programFile, size, arguments); };
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
    return QApplication::exec();
}

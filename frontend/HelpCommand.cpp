#include "HelpCommand.h"

#include "System.h"

#include <QDir>

QString HelpCommand::commandLine() const {
    return QStringList{program, arguments.join(QLatin1Char(' '))}.join(QLatin1Char(' '));
}

HelpCommand windowsHelpCommand(const QString& windir) {
    HelpCommand command;
    command.program = windir + QStringLiteral("\\system32\\notepad.exe");
    command.arguments = QStringList{helpFileName};
    if (windir.isEmpty())
        command.problem = QStringLiteral("WINDIR is not set, so the text editor cannot be found.");
    return command;
}

HelpCommand desktopHelpCommand(const QString& helpFilePath) {
#ifdef Q_OS_MACOS
    return {QStringLiteral("open"), {QStringLiteral("-t"), helpFilePath}, {}};
#else
    return {QStringLiteral("xdg-open"), {helpFilePath}, {}};
#endif
}

HelpCommand helpCommand() {
#ifdef Q_OS_WIN
    return windowsHelpCommand(sys::environment(QStringLiteral("WINDIR")));
#else
    return desktopHelpCommand(QDir::current().absoluteFilePath(helpFileName));
#endif
}

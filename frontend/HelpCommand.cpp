#include "HelpCommand.h"

#include "System.h"

#include <QFile>

QString HelpCommand::commandLine() const {
    QStringList words{program};
    for (const QByteArray& argument : arguments)
        words << QFile::decodeName(argument);
    return words.join(QLatin1Char(' '));
}

HelpCommand windowsHelpCommand(const QString& windir) {
    HelpCommand command;
    command.program = windir + QStringLiteral("\\system32\\notepad.exe");
    command.arguments = QByteArrayList{helpFileName.toLatin1()};
    if (windir.isEmpty())
        command.problem = QStringLiteral("WINDIR is not set, so the text editor cannot be found.");
    return command;
}

HelpCommand desktopHelpCommand(const QByteArray& helpFilePath) {
#ifdef Q_OS_MACOS
    return {QStringLiteral("open"), {QByteArrayLiteral("-t"), helpFilePath}, {}};
#else
    return {QStringLiteral("xdg-open"), {helpFilePath}, {}};
#endif
}

HelpCommand helpCommand() {
#ifdef Q_OS_WIN
    return windowsHelpCommand(sys::environment(QStringLiteral("WINDIR")));
#else
    QString problem;
    const QByteArray path = sys::pathInCurrentDirectory(helpFileName.toLatin1(), &problem);
    if (path.isEmpty()) {
        HelpCommand none;
        none.problem =
            QStringLiteral("%1 cannot be handed to the editor: %2.").arg(helpFileName, problem);
        return none;
    }
    return desktopHelpCommand(path);
#endif
}

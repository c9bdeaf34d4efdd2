#include "HelpCommand.h"

#include "System.h"

HelpCommand desktopHelpCommand(const QByteArray& helpFilePath) {
    return {QStringLiteral("xdg-open"), {helpFilePath}, {}};
}

HelpCommand helpCommand() {
    QString problem;
    const QByteArray path = sys::pathInCurrentDirectory(helpFileName.toLatin1(), &problem);
    if (path.isEmpty()) {
        HelpCommand none;
        none.problem =
            QStringLiteral("%1 cannot be handed to the editor: %2.").arg(helpFileName, problem);
        return none;
    }
    return desktopHelpCommand(path);
}

#include "HelpCommand.h"

#include <QDir>

HelpCommand desktopHelpCommand(const QString& helpFilePath) {
    return {QStringLiteral("xdg-open"), {helpFilePath}, {}};
}

HelpCommand helpCommand() {
    return desktopHelpCommand(QDir::current().absoluteFilePath(helpFileName));
}

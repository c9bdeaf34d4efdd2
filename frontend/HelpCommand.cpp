#include "HelpCommand.h"

#include "System.h"

#include <QCoreApplication>
#include <QFileInfo>

HelpCommand desktopHelpCommand(const QByteArray& helpFilePath) {
    return {QStringLiteral("xdg-open"), {helpFilePath}, {}};
}

QString translatedHelpFileName() {
    //: The help text in this language, delivered beside HelpFile.txt
    return QCoreApplication::translate("HelpCommand", "HelpFile.txt");
}

HelpCommand helpCommand() {
    // The player's own HelpFile.txt is never replaced, so each language has a file of its own.
    QString name = translatedHelpFileName();
    if (name != helpFileName && !QFileInfo(name).isFile())
        name = helpFileName;
    QString problem;
    const QByteArray path = sys::pathInCurrentDirectory(QFile::encodeName(name), &problem);
    if (path.isEmpty()) {
        HelpCommand none;
        none.problem =
            QCoreApplication::translate("HelpCommand", "%1 cannot be handed to the editor: %2.")
                .arg(name, problem);
        return none;
    }
    return desktopHelpCommand(path);
}

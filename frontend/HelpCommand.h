#pragma once

#include <QByteArrayList>
#include <QString>

// How the help text is opened: the editor to start and its arguments, or why it cannot be.
struct HelpCommand {
    QString program;
    QByteArrayList arguments; // as the system names them: a path need not be valid text
    QString problem;          // empty when the command can be launched
};

inline const QString helpFileName = QStringLiteral("HelpFile.txt");

// The desktop's opener for text files, with the help file's absolute path.
HelpCommand desktopHelpCommand(const QByteArray& helpFilePath);

// The name of the help file in the player's language (HelpFile.de.txt), as the translations
// name it; HelpFile.txt in English.
QString translatedHelpFileName();

// The command for the help file of the current directory: the one in the player's language
// where the folder holds it, otherwise HelpFile.txt.
HelpCommand helpCommand();

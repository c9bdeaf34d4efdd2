#pragma once

#include <QString>
#include <QStringList>

// How the help text is opened: the editor to start and its arguments, or why it cannot be.
struct HelpCommand {
    QString program;
    QStringList arguments;
    QString problem; // empty when the command can be launched
};

inline const QString helpFileName = QStringLiteral("HelpFile.txt");

// The desktop's opener for text files, with the help file's absolute path.
HelpCommand desktopHelpCommand(const QString& helpFilePath);

// The command for the help file of the current directory.
HelpCommand helpCommand();

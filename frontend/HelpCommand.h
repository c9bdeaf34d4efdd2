#pragma once

#include <QByteArrayList>
#include <QString>

// How the help text is opened: the editor to start and its arguments, or why it cannot be.
struct HelpCommand {
    QString program;
    QByteArrayList arguments; // as the system names them: a path need not be valid text
    QString problem;          // empty when the command can be launched

    QString commandLine() const;
};

inline const QString helpFileName = QStringLiteral("HelpFile.txt");

// Windows: Notepad from the system32 folder of the Windows folder named by WINDIR, with the
// help file's name alone, so that it opens from the current directory.
HelpCommand windowsHelpCommand(const QString& windir);

// Other desktops: the desktop's opener for text files, with the help file's absolute path.
HelpCommand desktopHelpCommand(const QByteArray& helpFilePath);

// The command for the system the game runs on.
HelpCommand helpCommand();

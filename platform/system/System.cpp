#include "System.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <memory>
#include <vector>

#include <limits.h>
#include <unistd.h>

ProcessLauncher::~ProcessLauncher() {
    // A program still running at the end is left to run: the player may be reading the help.
    for (QProcess* process : running_)
        process->disconnect();
}

namespace {

// A program's path and arguments as the bytes execv() takes, made before the fork.
struct ByteCommand {
    ByteCommand(const QString& executable, const QByteArrayList& arguments)
        : words(QByteArrayList{QFile::encodeName(executable)} + arguments) {
        for (QByteArray& word : words)
            pointers.push_back(word.data());
        pointers.push_back(nullptr);
    }
    QByteArrayList words;
    std::vector<char*> pointers;
};

} // namespace

void ProcessLauncher::launch(const QString& program, const QByteArrayList& arguments,
                             Failed failed) {
    auto* process = new QProcess;
    running_.insert(process);
    process->setProgram(program);
    QStringList shown;
    for (const QByteArray& argument : arguments)
        shown << QFile::decodeName(argument);
    process->setArguments(shown);
#ifdef Q_OS_UNIX
    // Text cannot carry every byte a path may hold, so the child starts the program with the
    // arguments' own bytes. Should that fail, QProcess's own start meets and reports it.
    const QString executable =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (!executable.isEmpty()) {
        auto command = std::make_shared<const ByteCommand>(executable, arguments);
        process->setChildProcessModifier(
            [command] { ::execv(command->pointers[0], command->pointers.data()); });
    }
#endif
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto done = [this, process, failed](const QString& reason) {
        running_.erase(process);
        process->deleteLater();
        if (!reason.isEmpty())
            failed(reason);
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, done](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             done(process->errorString());
                     });
    QObject::connect(
        process, &QProcess::finished, process, [done](int exitCode, QProcess::ExitStatus status) {
            if (status == QProcess::CrashExit)
                done(QCoreApplication::translate("sys", "it ended unexpectedly"));
            else if (exitCode != 0)
                done(
                    QCoreApplication::translate("sys", "it ended with exit code %1").arg(exitCode));
            else
                done({});
        });
    process->start();
}

namespace sys {

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString currentDirectory() {
    return QDir::toNativeSeparators(QDir::currentPath());
}

QByteArray pathInCurrentDirectory(const QByteArray& fileName, QString* problem) {
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder)) {
        const int failure = errno;
        *problem = failure == ERANGE || failure == ENAMETOOLONG
                       ? QCoreApplication::translate(
                             "sys", "its folder's path is longer than the %1 bytes the "
                                    "system takes")
                             .arg(PATH_MAX)
                       : QCoreApplication::translate("sys", "its folder cannot be named: %1")
                             .arg(qt_error_string(failure));
        return {};
    }
    QByteArray path(folder);
    if (!path.endsWith('/'))
        path += '/';
    path += fileName;
    if (path.size() >= PATH_MAX) {
        *problem = QCoreApplication::translate(
                       "sys", "its path is longer than the %1 bytes the system takes")
                       .arg(PATH_MAX);
        return {};
    }
    return path;
}

} // namespace sys

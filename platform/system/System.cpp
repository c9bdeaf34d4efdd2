#include "System.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

ProcessLauncher::~ProcessLauncher() {
    // A program still running at the end is left to run: the player may be reading the help.
    for (QProcess* process : running_)
        process->disconnect();
}

void ProcessLauncher::launch(const QString& program, const QStringList& arguments, Failed failed) {
    auto* process = new QProcess;
    running_.insert(process);
    process->setProgram(program);
    process->setArguments(arguments);
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
    QObject::connect(process, &QProcess::finished, process,
                     [done](int exitCode, QProcess::ExitStatus status) {
                         if (status == QProcess::CrashExit)
                             done(QStringLiteral("it ended unexpectedly"));
                         else if (exitCode != 0)
                             done(QStringLiteral("it ended with exit code %1").arg(exitCode));
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

} // namespace sys

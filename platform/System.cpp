#include "System.h"

#include <QCoreApplication>
#include <QProcess>

bool ProcessLauncher::launchDetached(const QString& program, const QStringList& arguments,
                                     QString* error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!process.startDetached()) {
        *error = process.errorString();
        return false;
    }
    return true;
}

namespace sys {

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString environment(const QString& name) {
    return qEnvironmentVariable(name.toLocal8Bit());
}

} // namespace sys

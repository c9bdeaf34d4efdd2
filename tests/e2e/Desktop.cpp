#include "Desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <unistd.h>

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

QString screenshotFolder() {
    const QString folder = QStringLiteral(VEXAROO_SHOT_DIR);
    QDir().mkpath(folder);
    return folder;
}

QProcessEnvironment Desktop::gameEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The scenarios find windows by their English titles, whatever the desktop speaks.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    return env;
}

bool Desktop::startGameWith(const QProcessEnvironment& env, const QString& folder,
                            const QString& program, const QStringList& arguments) {
    game_.setProcessEnvironment(env);
    game_.setWorkingDirectory(folder);
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program, arguments);
    return game_.waitForStarted(5000);
}

void Desktop::stopPrograms() {
    for (QProcess* program : {&game_, &other_}) {
        if (program->state() != QProcess::NotRunning) {
            program->kill();
            program->waitForFinished();
        }
    }
}

qint64 Desktop::gameCpuMs() const {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(game_.processId()));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(stat.readAll());
    // Fields after the command name, which is in parentheses: utime is 14th, stime 15th.
    const QStringList fields =
        text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
    const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

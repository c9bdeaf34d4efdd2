#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <limits>

#include <signal.h>
#include <unistd.h>

namespace fuzzfolder {

inline const QString prefix = QStringLiteral("vexaroo-fuzz-");

// Whether some process works in the folder, as every run does in its own.
inline bool inUse(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    if (processes.isEmpty())
        return true; // no way to tell
    for (const QString& process : processes) {
        if (QFileInfo(QStringLiteral("/proc/%1/cwd").arg(process)).symLinkTarget() == canonical)
            return true;
    }
    return false;
}

// A run that is killed leaves its folder behind. Each folder is named after its run's
// process, so one whose process is gone is removed; one from before names none, and goes
// when no process works in it.
inline void removeLeftFolders(const QDir& parent) {
    for (const QString& name : parent.entryList({prefix + QLatin1Char('*')}, QDir::Dirs)) {
        const QString rest = name.mid(prefix.size());
        bool isNumber = false;
        const qint64 pid = rest.section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        const bool gone = rest.contains(QLatin1Char('-'))
                              ? isNumber && pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
                                    kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH
                              : !inUse(parent.filePath(name));
        if (gone)
            QDir(parent.filePath(name)).removeRecursively();
    }
}

} // namespace fuzzfolder

// Every input is a file in a private folder, which becomes the current directory: the
// readers take the files the player's folder holds. Corpus folders must be given by their
// absolute paths.
inline QTemporaryDir& fuzzFolder() {
    // In memory where the system offers it: every save waits for its bytes to reach the disk.
    static const QDir parent =
        QDir(QStringLiteral("/dev/shm")).exists() ? QDir(QStringLiteral("/dev/shm")) : QDir::temp();
    static const bool cleaned = (fuzzfolder::removeLeftFolders(parent), true);
    static QTemporaryDir folder(parent.filePath(fuzzfolder::prefix + QString::number(getpid()) +
                                                QStringLiteral("-XXXXXX")));
    static const bool entered = QDir::setCurrent(folder.path());
    (void)cleaned;
    (void)entered;
    return folder;
}

inline void writeInput(const QString& name, const uint8_t* data, size_t size) {
    fuzzFolder();
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
        abort();
}

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Every input is a file in a private folder, which becomes the current directory: the
// readers take the files the player's folder holds. Corpus folders must be given by their
// absolute paths.
inline QTemporaryDir& fuzzFolder() {
    // In memory where the system offers it: every save waits for its bytes to reach the disk.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/vexaroo-fuzz-XXXXXX")
                                    : QDir::temp().filePath(QStringLiteral("vexaroo-fuzz-XXXXXX")));
    static const bool entered = QDir::setCurrent(folder.path());
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

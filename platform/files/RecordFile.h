#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A file of fixed-length records, read and written whole.
namespace recordfile {

// Reads the whole records from the start, in file order, at most maxRecords of them and no
// byte beyond. A missing file is created empty, as opening a record file does.
bool read(const QString& path, int recordLength, qsizetype maxRecords,
          std::vector<QByteArray>* records, QString* error);

// Replaces the file with these records in one step.
bool write(const QString& path, const std::vector<QByteArray>& records, QString* error);

// Held while a file is read, merged and written back, so that two programs saving at once
// both keep their records. The lock is the system's on the file at `path`: it goes with the
// program that held it, so a lock file left by a killed program, empty or not, is free.
class Lock {
public:
    explicit Lock(QString path) : path_(std::move(path)) {}
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

    // Waits up to waitMs for another holder; false with a reason when it cannot be had.
    bool acquire(int waitMs, QString* error);

private:
    QString path_;
    int fd_ = -1;
};

} // namespace recordfile

#include "RecordFile.h"

#include "TextFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace recordfile {

bool read(const QString& path, int recordLength, qsizetype maxRecords,
          std::vector<QByteArray>* records, QString* error) {
    QByteArray bytes;
    if (!files::readStart(path, maxRecords * recordLength, &bytes, error, files::Missing::Create))
        return false;
    records->clear();
    const qsizetype whole = bytes.size() / recordLength;
    for (qsizetype k = 0; k < whole; ++k)
        records->push_back(bytes.mid(k * recordLength, recordLength));
    return true;
}

bool write(const QString& path, const std::vector<QByteArray>& records, QString* error) {
    QByteArray bytes;
    for (const QByteArray& record : records)
        bytes += record;
    return files::replaceAll(path, bytes, error);
}

Lock::~Lock() {
    if (fd_ < 0)
        return;
    // Removed while still held: whoever opened it meanwhile sees it is gone and starts anew.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

bool Lock::acquire(int waitMs, QString* error) {
    const QByteArray name = QFile::encodeName(path_);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd =
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) {
            *error = qt_error_string(errno);
            return false;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before may have removed the file after this one opened it.
            struct stat held {
            }, named{};
            if (fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                fd_ = fd;
                return true;
            }
            ::close(fd);
            continue;
        }
        const int failure = errno;
        ::close(fd);
        if (failure != EWOULDBLOCK) {
            *error = qt_error_string(failure);
            return false;
        }
        if (waited.elapsed() >= waitMs) {
            *error = QCoreApplication::translate("files", "another program is saving it");
            return false;
        }
        QThread::msleep(10);
    }
}

} // namespace recordfile

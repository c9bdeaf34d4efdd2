#include "TextFile.h"

#include "Numeric.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

SequentialReader::Value SequentialReader::readInteger() {
    Value result;
    while (pos_ < data_.size() && (isBlank(data_[pos_]) || isLineEnd(data_[pos_])))
        ++pos_;
    if (pos_ >= data_.size())
        return result;

    const qsizetype from = pos_;
    while (pos_ < data_.size() && !isBlank(data_[pos_]) && !isLineEnd(data_[pos_]) &&
           data_[pos_] != ',')
        ++pos_;
    const qsizetype length = pos_ - from;
    result.token = data_.mid(from, std::min(length, maxNumberLength + 1));

    // A comma after the value (blanks allowed before it) belongs to this value.
    qsizetype after = pos_;
    while (after < data_.size() && isBlank(data_[after]))
        ++after;
    if (after < data_.size() && data_[after] == ',')
        pos_ = after + 1;

    double number = 0;
    if (length > maxNumberLength || (cut_ && pos_ >= data_.size())) {
        result.status = Status::TooLong;
    } else if (result.token.isEmpty()) {
        result.status = Status::Ok; // an empty field between commas reads as 0
    } else if (!numeric::parseNumber(result.token, &number)) {
        result.status = Status::NotANumber;
    } else {
        result.status = Status::Ok;
        result.value = numeric::toInteger(number);
    }
    return result;
}

void SequentialWriter::writeInteger(qint16 value) {
    bytes_ += value < 0 ? '-' : ' ';
    bytes_ += QByteArray::number(qAbs(static_cast<int>(value)));
    bytes_ += " \r\n";
}

namespace files {

namespace {

qint64 systemWrite(int fd, const char* data, qint64 size) {
    return ::write(fd, data, static_cast<size_t>(size));
}

WriteCall& writeCall() {
    static WriteCall call = systemWrite;
    return call;
}

QString notRegular(const QByteArray& path) {
    return QCoreApplication::translate("files", "\"%1\" is not a regular file")
        .arg(QFile::decodeName(path));
}

// Temporaries are named after the file and the process that wrote them.
const QByteArray temporaryInfix = QByteArrayLiteral(".saving.");

// Where a name lies, as a folder to join with another name ("dir/" or nothing).
QByteArray folderOf(const QByteArray& path) {
    return path.left(path.lastIndexOf('/') + 1);
}

// A temporary whose process is gone was left by a save that was killed midway.
void removeStrayTemporaries(const QByteArray& target) {
    const QByteArray folder = folderOf(target);
    const QByteArray prefix = target.mid(folder.size()) + temporaryInfix;
    DIR* entries = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!entries)
        return;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size()).toLongLong(&isNumber);
        if (isNumber && pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
            kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            ::unlink((folder + name).constData());
    }
    ::closedir(entries);
}

// The file that a chain of links finally names, whether it exists or not: a save replaces
// that file and keeps every link. Each link's target is taken from the link's own folder.
// False with errno set when the chain cannot be followed.
bool finalTarget(QByteArray path, QByteArray* target) {
    constexpr int maxLinks = 40; // as many as the system follows before it calls it a loop
    for (int links = 0; links <= maxLinks; ++links) {
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            *target = path; // a missing end is created; other faults are met on writing
            return true;
        }
        char named[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), named, sizeof named);
        if (length < 0)
            return false;
        if (length == static_cast<ssize_t>(sizeof named)) {
            errno = ENAMETOOLONG;
            return false;
        }
        const QByteArray link(named, length);
        path = link.startsWith('/') ? link : folderOf(path) + link;
    }
    errno = ELOOP;
    return false;
}

// Renaming over a file needs only its folder, and root may write any file, so a file the
// player has made read-only would be replaced all the same: it is refused here instead. So is
// anything but a regular file: the rename would put a file in the place of a device, a FIFO
// or a folder, even /dev/null for root.
bool mayReplace(const QByteArray& target, QString* error) {
    struct stat status {};
    if (::lstat(target.constData(), &status) != 0)
        return true; // a missing file is created; other faults are met on writing
    if (!S_ISREG(status.st_mode)) {
        *error = notRegular(target);
        return false;
    }
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        *error = QCoreApplication::translate("files", "it is read-only");
        return false;
    }
    if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0) {
        *error = qt_error_string(errno);
        return false;
    }
    return true;
}

bool writeWhole(int fd, const QByteArray& contents) {
    const char* data = contents.constData();
    qint64 left = contents.size();
    while (left > 0) {
        const qint64 written = writeCall()(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

bool readStart(const QString& path, qsizetype maxBytes, QByteArray* contents, QString* error,
               Missing missing) {
    const QByteArray name = QFile::encodeName(path);
    // Without O_NONBLOCK opening a FIFO waits for a writer that never comes.
    int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && missing == Missing::Create) {
        fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *error = S_ISDIR(status.st_mode) ? qt_error_string(EISDIR) : notRegular(name);
        ::close(fd);
        return false;
    }
    contents->clear();
    const qsizetype wanted = std::min<qsizetype>(maxBytes, status.st_size);
    contents->resize(wanted);
    qsizetype got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(fd, contents->data() + got, static_cast<size_t>(wanted - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = qt_error_string(errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break; // the file shrank meanwhile
        got += n;
    }
    contents->truncate(got);
    ::close(fd);
    return true;
}

bool replaceAll(const QString& path, const QByteArray& contents, QString* error) {
    QByteArray target;
    if (!finalTarget(QFile::encodeName(path), &target)) {
        *error = qt_error_string(errno);
        return false;
    }
    if (!mayReplace(target, error))
        return false;
    removeStrayTemporaries(target);

    const QByteArray temporary = target + temporaryInfix + QByteArray::number(getpid());
    const int fd =
        ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        *error = qt_error_string(errno);
        return false;
    }
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);
    // Every byte and the flush to the disk are checked before the file is replaced.
    bool ok = writeWhole(fd, contents) && fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        *error = qt_error_string(failure);
    }
    return ok;
}

void setWriteCall(WriteCall call) {
    writeCall() = call ? std::move(call) : WriteCall(systemWrite);
}

QString excerpt(const QByteArray& bytes, qsizetype maxChars) {
    QString shown;
    for (qsizetype i = 0; i < bytes.size() && i < maxChars; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        shown += c >= 32 && c < 127 ? QChar(c) : QChar('?');
    }
    if (bytes.size() > maxChars)
        shown += QStringLiteral("...");
    return shown;
}

} // namespace files

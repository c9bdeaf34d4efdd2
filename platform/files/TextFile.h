#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

// Reads whole numbers from a sequential text file: values separated by blanks, commas or line
// ends, read one after another from the start.
class SequentialReader {
public:
    // `cut`: the data stops short of the file's end, so a value that runs into the end may
    // be longer than it looks.
    explicit SequentialReader(QByteArray data, bool cut = false)
        : data_(std::move(data)), cut_(cut) {}

    // No number the format can hold is longer; a longer value is not taken for one.
    static constexpr qsizetype maxNumberLength = 40;

    enum class Status { Ok, EndOfFile, NotANumber, TooLong };
    struct Value {
        Status status = Status::EndOfFile;
        qint16 value = 0;
        QByteArray token; // at most maxNumberLength + 1 bytes of the value
    };
    // A value beyond the 16-bit range reads as the nearest end of it (numeric::toInteger), so a
    // hand-edited huge number still gives a number.
    Value readInteger();

private:
    QByteArray data_;
    bool cut_;
    qsizetype pos_ = 0;
};

// Writes whole numbers in the same format, one a line: sign or blank, digits, blank, CR LF.
class SequentialWriter {
public:
    void writeInteger(qint16 value);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

namespace files {

enum class Missing { Fail, Create };

// The first maxBytes bytes of a regular file (fewer when it is shorter); false with a
// reason when it cannot be read. A FIFO, device or folder is refused at once, never
// waited on. With Missing::Create a missing file is created empty first.
bool readStart(const QString& path, qsizetype maxBytes, QByteArray* contents, QString* error,
               Missing missing = Missing::Fail);

// Replaces the file with the bytes in one step: the bytes go to a temporary beside it, which
// takes the file's place only once every byte is on the disk, so a crash or a full disk
// leaves the old file as it was. Temporaries left by saves that were killed midway are
// removed first. Through a chain of links the file at its end is replaced and every link
// kept. A file without write permission for the player is left as it is. False with a
// reason when it cannot be written.
bool replaceAll(const QString& path, const QByteArray& contents, QString* error);

// Every write of replaceAll goes through this call (write(2)'s contract); tests put a
// failing disk in its place. An empty function restores the real one.
using WriteCall = std::function<qint64(int fd, const char* data, qint64 size)>;
void setWriteCall(WriteCall call);

// A short, printable excerpt of bytes from a file, for a message.
QString excerpt(const QByteArray& bytes, qsizetype maxChars = 12);

} // namespace files

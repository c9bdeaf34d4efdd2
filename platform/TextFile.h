#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Reads whole numbers from the sequential text format of the settings file: values are
// separated by blanks, commas or line ends.
class SequentialReader {
public:
    explicit SequentialReader(QByteArray data) : data_(std::move(data)) {}

    enum class Status { Ok, EndOfFile, NotANumber, OutOfRange };
    struct Value {
        Status status = Status::EndOfFile;
        qint16 value = 0;
        QByteArray token;
    };
    Value readInteger();

private:
    QByteArray data_;
    qsizetype pos_ = 0;
};

// Writes values the way the settings file stores them: sign or blank, digits, blank, CR LF.
class SequentialWriter {
public:
    void writeInteger(qint16 value);
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

namespace files {

// Whole contents of a file; false with a reason when it cannot be read.
bool readAll(const QString& path, QByteArray* contents, QString* error);

// Replaces the file with the bytes in one step: a crash or a full disk never leaves half
// a file behind. False with a reason when it cannot be written.
bool replaceAll(const QString& path, const QByteArray& contents, QString* error);

} // namespace files

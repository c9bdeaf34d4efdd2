#include "TextFile.h"

#include "Numeric.h"

#include <QFile>
#include <QSaveFile>

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
    result.token = data_.mid(from, pos_ - from);

    // A comma after the value (blanks allowed before it) belongs to this value.
    qsizetype after = pos_;
    while (after < data_.size() && isBlank(data_[after]))
        ++after;
    if (after < data_.size() && data_[after] == ',')
        pos_ = after + 1;

    double number = 0;
    if (result.token.isEmpty()) {
        result.status = Status::Ok; // an empty field between commas reads as 0
    } else if (!numeric::parseNumber(result.token, &number)) {
        result.status = Status::NotANumber;
    } else if (number < -32768.5 || number >= 32767.5) {
        result.status = Status::OutOfRange;
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

bool readAll(const QString& path, QByteArray* contents, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *contents = file.readAll();
    if (file.error() != QFile::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool replaceAll(const QString& path, const QByteArray& contents, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace files

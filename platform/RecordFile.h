#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A file of fixed-length records, read and written whole.
namespace recordfile {

struct Contents {
    std::vector<QByteArray> records; // every whole record, in file order
    qsizetype trailingBytes = 0;     // bytes at the end that make no whole record
};

// Reads the whole records from the start, at most maxRecords of them (-1: all) and no byte
// beyond. A missing file is created empty, as opening a record file does.
bool read(const QString& path, int recordLength, Contents* contents, QString* error,
          qsizetype maxRecords = -1);

// Replaces the file with these records in one step.
bool write(const QString& path, const std::vector<QByteArray>& records, QString* error);

} // namespace recordfile

#include "RecordFile.h"

#include "TextFile.h"

#include <QFile>

namespace recordfile {

bool read(const QString& path, int recordLength, Contents* contents, QString* error,
          qsizetype maxRecords) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        // A read-only file can still be read.
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return false;
        }
    }
    const QByteArray bytes = maxRecords < 0 ? file.readAll() : file.read(maxRecords * recordLength);
    if (file.error() != QFile::NoError) {
        *error = file.errorString();
        return false;
    }
    contents->records.clear();
    const qsizetype whole = bytes.size() / recordLength;
    for (qsizetype k = 0; k < whole; ++k)
        contents->records.push_back(bytes.mid(k * recordLength, recordLength));
    contents->trailingBytes = maxRecords < 0 ? bytes.size() - whole * recordLength : 0;
    return true;
}

bool write(const QString& path, const std::vector<QByteArray>& records, QString* error) {
    QByteArray bytes;
    for (const QByteArray& record : records)
        bytes += record;
    return files::replaceAll(path, bytes, error);
}

} // namespace recordfile

#include "ScoresFile.h"

#include "Charset.h"
#include "RecordFile.h"

#include <QDir>
#include <QLockFile>

#include <utility>

namespace scores {

namespace {

// Room for the records of one save: at most 100 already stored plus the new one.
constexpr qsizetype keptRecords = 101;
constexpr int bestShown = 10;
constexpr int lockWaitMs = 5000;

bool ranksAtOrAbove(const ScoreRecord& a, const ScoreRecord& b) {
    return a.level > b.level || (a.level == b.level && a.targetsHit >= b.targetsHit);
}

QString describe(const QString& reason) {
    return QStringLiteral("The scores file \"%1\" in %2: %3")
        .arg(fileName, QDir::toNativeSeparators(QDir::currentPath()), reason);
}

} // namespace

std::array<char, ScoreRecord::nameLength> fixedName(const QString& name) {
    std::array<char, ScoreRecord::nameLength> stored;
    stored.fill(' ');
    const QByteArray bytes = charset::toBytes(name).left(ScoreRecord::nameLength);
    std::copy(bytes.begin(), bytes.end(), stored.begin());
    return stored;
}

QString shownName(const std::array<char, ScoreRecord::nameLength>& name) {
    QString shown;
    for (const char byte : name)
        shown += charset::fromByte(static_cast<unsigned char>(byte));
    while (shown.endsWith(QLatin1Char(' ')))
        shown.chop(1);
    return shown;
}

void SortScores(std::vector<ScoreRecord>& entries, qint16 n) {
    if (n < 0)
        return;
    for (qint16 a = 0; a <= n; ++a) {
        for (qint16 b = 0; b <= n; ++b) {
            if (ranksAtOrAbove(entries[a], entries[b]))
                std::swap(entries[a], entries[b]);
        }
    }
}

bool save(const ScoreRecord& record, QString* error) {
    // A second copy of the game saving at the same moment waits for this one.
    QLockFile lock(fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs)) {
        *error = describe(lock.error() == QLockFile::LockFailedError
                              ? QStringLiteral("another copy of the game is saving")
                              : QStringLiteral("the folder cannot be written to"));
        return false;
    }

    recordfile::Contents contents;
    QString reason;
    if (!recordfile::read(fileName, ScoreRecord::slotLength, &contents, &reason)) {
        *error = describe(reason);
        return false;
    }
    std::vector<ScoreRecord> entries;
    for (const QByteArray& slot : contents.records)
        entries.push_back(ScoreRecord::fromSlot(slot));
    entries.push_back(record);
    // A file of more records than a 16-bit index reaches keeps only its best ones anyway.
    const qsizetype n = std::min<qsizetype>(entries.size() - 1, 32767);
    SortScores(entries, static_cast<qint16>(n));
    if (static_cast<qsizetype>(entries.size()) > keptRecords)
        entries.resize(keptRecords);

    std::vector<QByteArray> slotBytes;
    for (const ScoreRecord& entry : entries)
        slotBytes.push_back(entry.toSlot());
    if (!recordfile::write(fileName, slotBytes, &reason)) {
        *error = describe(reason);
        return false;
    }
    return true;
}

bool readBestTen(std::vector<ScoreRecord>* best, QString* error) {
    recordfile::Contents contents;
    QString reason;
    if (!recordfile::read(fileName, ScoreRecord::slotLength, &contents, &reason, bestShown)) {
        *error = describe(reason);
        return false;
    }
    best->clear();
    for (const QByteArray& slot : contents.records)
        best->push_back(ScoreRecord::fromSlot(slot));
    return true;
}

} // namespace scores

#include "ScoresFile.h"

#include "Charset.h"
#include "RecordFile.h"
#include "System.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace scores {

namespace {

// Room for the records of one save: at most 100 already stored plus the new one. The file is
// kept best first, so its first 100 records are the best it holds; records after them would
// be dropped anyway and are never read, which keeps a save quick whatever the file's size.
constexpr qsizetype keptRecords = 101;
constexpr int bestShown = 10;
constexpr int lockWaitMs = 5000;

bool ranksAtOrAbove(const ScoreRecord& a, const ScoreRecord& b) {
    return a.level > b.level || (a.level == b.level && a.targetsHit >= b.targetsHit);
}

QString describe(const QString& reason) {
    return QCoreApplication::translate("ScoresFile", "The scores file \"%1\" in %2: %3")
        .arg(fileName, sys::currentDirectory(), reason);
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
    // Counters wider than n, so they cannot wrap at 32767; never past the last entry.
    const int last = std::min<int>(n, static_cast<int>(entries.size()) - 1);
    if (last < 0)
        return;
    for (int a = 0; a <= last; ++a) {
        for (int b = 0; b <= last; ++b) {
            if (ranksAtOrAbove(entries[a], entries[b]))
                std::swap(entries[a], entries[b]);
        }
    }
}

bool save(const ScoreRecord& record, QString* error, std::vector<ScoreRecord>* kept) {
    // A second copy of the game saving at the same moment waits for this one.
    recordfile::Lock lock(fileName + QStringLiteral(".lock"));
    QString reason;
    if (!lock.acquire(lockWaitMs, &reason)) {
        *error = describe(reason);
        return false;
    }

    std::vector<QByteArray> stored;
    if (!recordfile::read(fileName, ScoreRecord::slotLength, keptRecords - 1, &stored, &reason)) {
        *error = describe(reason);
        return false;
    }
    std::vector<ScoreRecord> entries;
    for (const QByteArray& slot : stored)
        entries.push_back(ScoreRecord::fromSlot(slot));
    entries.push_back(record);
    SortScores(entries, static_cast<qint16>(entries.size() - 1));

    std::vector<QByteArray> slotBytes;
    for (const ScoreRecord& entry : entries)
        slotBytes.push_back(entry.toSlot());
    if (!recordfile::write(fileName, slotBytes, &reason)) {
        *error = describe(reason);
        return false;
    }
    if (kept)
        *kept = std::move(entries);
    return true;
}

bool readBestTen(std::vector<ScoreRecord>* best, QString* error) {
    std::vector<QByteArray> stored;
    QString reason;
    if (!recordfile::read(fileName, ScoreRecord::slotLength, bestShown, &stored, &reason)) {
        *error = describe(reason);
        return false;
    }
    best->clear();
    for (const QByteArray& slot : stored)
        best->push_back(ScoreRecord::fromSlot(slot));
    return true;
}

} // namespace scores

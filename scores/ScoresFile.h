#pragma once

#include "ScoreRecord.h"

#include <QString>

#include <vector>

// The scores file: every submitted result, best first, in the current directory.
namespace scores {

inline const QString fileName = QStringLiteral("scores");

// A name as stored: the first ten characters, padded with spaces on the right.
std::array<char, ScoreRecord::nameLength> fixedName(const QString& name);

// A stored name as shown: its bytes with the trailing spaces removed.
QString shownName(const std::array<char, ScoreRecord::nameLength>& name);

// Orders entries 0 to n in place, best first: by level, then by targets hit. The double loop
// and its swap rule decide the order of ties, so it is kept exactly as it is.
void SortScores(std::vector<ScoreRecord>& entries, qint16 n);

// Merges one record into the file: read the first (best) 100, append, sort, write them back,
// so the file keeps the best 101. The file is replaced in one step under a lock, so neither
// a crash, a full disk nor a second copy of the game loses records.
// Returns false with the reason when the file cannot be read or written; it is then unchanged.
// `kept` gets the records the file keeps now.
bool save(const ScoreRecord& record, QString* error, std::vector<ScoreRecord>* kept = nullptr);

// The first ten records (the ten best), creating an empty file when there is none. Returns
// false with the reason when the file cannot be opened or read.
bool readBestTen(std::vector<ScoreRecord>* best, QString* error);

} // namespace scores

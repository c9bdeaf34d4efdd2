#pragma once

#include "ScoreRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The replays of the games in the hall of fame, in the folder "replays" of the player's
// folder: one file a game, linked to its record by the list "replays/records", never by the
// scores file, whose bytes stay as they are. A link lasts while its record is kept.
namespace hallreplays {

inline const QString folder = QStringLiteral("replays");

// Keeps the replay of a record just saved, given the records the scores file now keeps;
// links whose records are gone go, with their files. False with the reason when the replay
// cannot be kept.
bool keep(const ScoreRecord& record, const QByteArray& replay,
          const std::vector<ScoreRecord>& keptRecords, QString* error);

// For each record, the file of its game's replay, or an empty string when it has none.
std::vector<QString> files(const std::vector<ScoreRecord>& records);

} // namespace hallreplays

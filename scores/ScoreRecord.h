#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>

// One result of the hall of fame, as it lies in a 44-byte slot of the scores file: two names
// of ten single-byte characters, space-padded; level and targets hit as little-endian 16-bit
// integers; twenty filler bytes that no reader looks at (written as zeros).
struct ScoreRecord {
    static constexpr int nameLength = 10;
    static constexpr int slotLength = 44;

    std::array<char, nameLength> firstName{};
    std::array<char, nameLength> lastName{};
    qint16 level = 0;
    qint16 targetsHit = 0;

    QByteArray toSlot() const;
    static ScoreRecord fromSlot(const QByteArray& slot);
};

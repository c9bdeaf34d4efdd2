#include "ScoreRecord.h"

#include <QtEndian>

#include <algorithm>

namespace {
constexpr int levelOffset = 20;
constexpr int targetsOffset = 22;
} // namespace

QByteArray ScoreRecord::toSlot() const {
    QByteArray slot(slotLength, '\0');
    std::copy(firstName.begin(), firstName.end(), slot.begin());
    std::copy(lastName.begin(), lastName.end(), slot.begin() + nameLength);
    qToLittleEndian<qint16>(level, slot.data() + levelOffset);
    qToLittleEndian<qint16>(targetsHit, slot.data() + targetsOffset);
    return slot;
}

ScoreRecord ScoreRecord::fromSlot(const QByteArray& slot) {
    ScoreRecord record;
    if (slot.size() < slotLength)
        return record;
    std::copy_n(slot.constData(), nameLength, record.firstName.begin());
    std::copy_n(slot.constData() + nameLength, nameLength, record.lastName.begin());
    record.level = qFromLittleEndian<qint16>(slot.constData() + levelOffset);
    record.targetsHit = qFromLittleEndian<qint16>(slot.constData() + targetsOffset);
    return record;
}

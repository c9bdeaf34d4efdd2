// The scores file: the first 24 bytes are the record submitted, the rest the file it is
// saved into. The save must keep the file whole and in order, with the first 100 records
// and the new one, and the table must read its first ten.
#include "FuzzFolder.h"
#include "ScoresFile.h"

#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t recordBytes = 24;
    if (size < recordBytes)
        return 0;
    QByteArray slot(reinterpret_cast<const char*>(data), recordBytes);
    slot.append(ScoreRecord::slotLength - recordBytes, '\0');
    const ScoreRecord added = ScoreRecord::fromSlot(slot);
    writeInput(scores::fileName, data + recordBytes, size - recordBytes);

    QString error;
    if (!scores::save(added, &error))
        abort();
    QFile file(scores::fileName);
    if (!file.open(QIODevice::ReadOnly))
        abort();
    const QByteArray saved = file.readAll();
    const qsizetype before = static_cast<qsizetype>(size - recordBytes) / ScoreRecord::slotLength;
    const qsizetype records = saved.size() / ScoreRecord::slotLength;
    if (saved.size() % ScoreRecord::slotLength != 0 ||
        records != std::min<qsizetype>(before, 100) + 1)
        abort();
    for (qsizetype k = 1; k < records; ++k) {
        const ScoreRecord above = ScoreRecord::fromSlot(saved.mid((k - 1) * 44, 44));
        const ScoreRecord below = ScoreRecord::fromSlot(saved.mid(k * 44, 44));
        if (above.level < below.level ||
            (above.level == below.level && above.targetsHit < below.targetsHit))
            abort();
    }
    std::vector<ScoreRecord> best;
    if (!scores::readBestTen(&best, &error) ||
        static_cast<qsizetype>(best.size()) != std::min<qsizetype>(records, 10))
        abort();
    return 0;
}

// The replay reader: a file as it comes, and the same bytes with their check made right, so
// that the header and the inputs are read and replayed too; nothing it takes in crashes it or
// keeps it busy.
#include "Replay.h"

#include <QCryptographicHash>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Replay replay;
    QString why;
    replay::decode(bytes, &replay, &why);
    const QByteArray checked =
        bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).left(8);
    if (!replay::decode(checked, &replay, &why))
        return 0;
    // Games of up to ten minutes, so that each run stays quick; the reader bounds the rest.
    if (!replay.events.empty() && replay.events.back().ms - replay.startMs <= 600000) {
        QString result;
        ReplayRun::verify(replay, &result, &why);
    }
    return 0;
}

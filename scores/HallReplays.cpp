#include "HallReplays.h"

#include "TextFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <map>

namespace hallreplays {

namespace {

const QString listName = QStringLiteral("records");
constexpr qsizetype maxListBytes = 64 * 1024;

// A record as its link names it: the bytes of its names, level and targets, in hex. Equal
// records share a key; each of them may have a replay of its own.
QByteArray key(const ScoreRecord& record) {
    return record.toSlot().left(2 * ScoreRecord::nameLength + 4).toHex();
}

struct Link {
    QByteArray key;
    QString file;
};

QString inFolder(const QString& name) {
    return folder + QLatin1Char('/') + name;
}

// The list's links, in the order they were made; lines that are not links are passed over.
std::vector<Link> readLinks() {
    QByteArray bytes;
    QString ignored;
    std::vector<Link> links;
    if (!files::readStart(inFolder(listName), maxListBytes, &bytes, &ignored))
        return links;
    for (const QByteArray& line : bytes.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2 && fields[0].size() == 48 && fields[1].endsWith(".replay") &&
            !fields[1].contains('/'))
            links.push_back({fields[0], QString::fromLatin1(fields[1])});
    }
    return links;
}

} // namespace

bool keep(const ScoreRecord& record, const QByteArray& replay,
          const std::vector<ScoreRecord>& keptRecords, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("the folder \"%1\" cannot be made").arg(folder);
        return false;
    }
    const QString name =
        QString::fromLatin1(
            QCryptographicHash::hash(replay, QCryptographicHash::Sha256).toHex().left(16)) +
        QStringLiteral(".replay");
    if (!files::replaceAll(inFolder(name), replay, error))
        return false;

    std::vector<Link> links = readLinks();
    links.push_back({key(record), name});
    // As many links of a key as records of it are kept; the newest links go first.
    std::map<QByteArray, int> room;
    for (const ScoreRecord& kept : keptRecords)
        ++room[key(kept)];
    std::vector<Link> kept;
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        if (room[link->key]-- > 0)
            kept.insert(kept.begin(), *link);
    }
    QByteArray list;
    for (const Link& link : kept)
        list += link.key + ' ' + link.file.toLatin1() + '\n';
    if (!files::replaceAll(inFolder(listName), list, error))
        return false;
    // Replays no link names any more.
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.replay")}, QDir::Files)) {
        if (std::none_of(kept.begin(), kept.end(), [&](const Link& l) { return l.file == file; }))
            QFile::remove(inFolder(file));
    }
    return true;
}

std::vector<QString> files(const std::vector<ScoreRecord>& records) {
    std::vector<Link> links = readLinks();
    std::vector<QString> found;
    for (const ScoreRecord& record : records) {
        const QByteArray wanted = key(record);
        auto link = std::find_if(links.begin(), links.end(),
                                 [&](const Link& l) { return l.key == wanted; });
        if (link == links.end() || !QFileInfo::exists(inFolder(link->file))) {
            found.emplace_back();
        } else {
            found.push_back(inFolder(link->file));
            link->key.clear(); // the next equal record has a link of its own
        }
    }
    return found;
}

} // namespace hallreplays

#include "Preferences.h"

#include "TextFile.h"
#include "WindowSize.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Far more than a player writes by hand; a larger file is no file of ours to keep whole.
constexpr qsizetype maxPreferencesBytes = 64 * 1024;

const QByteArray ownSection = QByteArrayLiteral("[Vexaroo]");
const QStringList knownKeys = {QStringLiteral("sound"), QStringLiteral("fullscreen"),
                               QStringLiteral("size"), QStringLiteral("language")};

// The file as lines without their '\n' (a '\r' stays with its line), and whether it was cut at
// the limit, which drops the line the limit cut. False when there is a file that cannot be read.
struct Lines {
    std::vector<QByteArray> lines;
    bool tooLarge = false;
};
bool readLines(const QString& path, Lines* read, QString* error) {
    QByteArray bytes;
    if (!files::readStart(path, maxPreferencesBytes + 1, &bytes, error))
        return !QFileInfo::exists(path); // none yet is an empty file
    read->tooLarge = bytes.size() > maxPreferencesBytes;
    if (read->tooLarge)
        bytes.truncate(bytes.lastIndexOf('\n', maxPreferencesBytes - 1) + 1);
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (!bytes.isEmpty())
        for (const QByteArray& line : bytes.split('\n'))
            read->lines.push_back(line);
    return true;
}

// A line's key and value when it is a key=value line of this program's own part of the file:
// before any section line, or in [Vexaroo]. `own` follows the sections line by line.
bool ownKeyValue(const QByteArray& raw, bool& own, QString* key, QString* value) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
        own = line.toUtf8() == ownSection;
        return false;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (!own || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')) ||
        equals <= 0)
        return false;
    *key = line.left(equals).trimmed();
    *value = line.mid(equals + 1).trimmed();
    return true;
}

bool onOff(const QString& value, bool fallback) {
    if (value == QLatin1String("on"))
        return true;
    if (value == QLatin1String("off"))
        return false;
    return fallback;
}

QString onOffText(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// Plain decimals in every locale: "1.5", never "1,5".
QString sizeText(double size) {
    return QString::number(size, 'g', 3);
}

// What each known key is to hold; empty: no line (a choice not made).
QString valueText(const Preferences& p, const QString& key) {
    if (key == QLatin1String("sound"))
        return onOffText(p.sound);
    if (key == QLatin1String("fullscreen"))
        return onOffText(p.fullScreen);
    if (key == QLatin1String("size"))
        return p.size != 0 ? sizeText(p.size) : QString();
    return p.language;
}

} // namespace

bool isLanguage(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    return pattern.match(name).hasMatch();
}

Preferences readPreferences(const QString& path) {
    Preferences p;
    Lines read;
    QString error;
    if (!readLines(path, &read, &error))
        return p;
    bool own = true;
    QString key, value;
    for (const QByteArray& line : read.lines) {
        if (!ownKeyValue(line, own, &key, &value))
            continue;
        if (key == QLatin1String("sound")) {
            p.sound = onOff(value, p.sound);
        } else if (key == QLatin1String("fullscreen")) {
            p.fullScreen = onOff(value, p.fullScreen);
        } else if (key == QLatin1String("size")) {
            bool number = false;
            const double size = value.toDouble(&number); // always with a point
            if (number && windowsize::isStep(size))
                p.size = size;
        } else if (key == QLatin1String("language") && isLanguage(value)) {
            p.language = value;
        }
    }
    return p;
}

// Only the lines of the known keys change; every other line, comment and section stays where
// it was, byte for byte. A key not there yet goes after the last known one, or starts the file
// with the section line.
bool writePreferences(const Preferences& p, QString* error, const QString& path) {
    Lines read;
    if (!readLines(path, &read, error))
        return false;
    if (read.tooLarge) {
        *error = QCoreApplication::translate("Preferences",
                                             "it is larger than %1 KB and is kept as it is")
                     .arg(maxPreferencesBytes / 1024);
        return false;
    }
    std::vector<QByteArray>& lines = read.lines;
    const QByteArray lineEnd = !lines.empty() && lines.front().endsWith('\r') ? "\r" : "";
    QStringList present;
    qsizetype insertAt = -1;
    bool own = true;
    QString key, value;
    for (qsizetype i = 0; i < static_cast<qsizetype>(lines.size()); ++i) {
        if (!ownKeyValue(lines[i], own, &key, &value)) {
            if (own && lines[i].trimmed() == ownSection && insertAt < 0)
                insertAt = i + 1;
            continue;
        }
        if (!knownKeys.contains(key))
            continue;
        const QString wanted = valueText(p, key);
        if (wanted.isEmpty()) {
            lines.erase(lines.begin() + i--);
            continue;
        }
        if (value != wanted)
            lines[i] =
                (key + QLatin1Char('=') + wanted).toUtf8() + (lines[i].endsWith('\r') ? "\r" : "");
        present << key;
        insertAt = i + 1;
    }
    std::vector<QByteArray> added;
    if (insertAt < 0)
        added.push_back(ownSection + lineEnd);
    for (const QString& known : knownKeys) {
        const QString wanted = valueText(p, known);
        if (!wanted.isEmpty() && !present.contains(known))
            added.push_back((known + QLatin1Char('=') + wanted).toUtf8() + lineEnd);
    }
    lines.insert(lines.begin() + std::max<qsizetype>(insertAt, 0), added.begin(), added.end());
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + '\n';
    return files::replaceAll(path, bytes, error);
}

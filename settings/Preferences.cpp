#include "Preferences.h"

#include "TextFile.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

// A few short lines; anything past this is no file of ours.
constexpr qsizetype maxPreferencesBytes = 4096;

const QString section = QStringLiteral("[Vexaroo]");
const QStringList knownKeys = {QStringLiteral("sound"), QStringLiteral("fullscreen"),
                               QStringLiteral("size"), QStringLiteral("language")};

struct Line {
    QString key, value;
};

// key=value lines; the section line, comments and blank lines are skipped.
std::vector<Line> parse(const QByteArray& bytes) {
    std::vector<Line> lines;
    for (const QString& raw : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('[')) || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')) || equals <= 0)
            continue;
        lines.push_back({line.left(equals).trimmed(), line.mid(equals + 1).trimmed()});
    }
    return lines;
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

} // namespace

bool isWindowSize(double size) {
    return size >= 1 && size <= 3 && std::floor(size * 2) == size * 2;
}

bool isLanguage(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    return pattern.match(name).hasMatch();
}

Preferences readPreferences(const QString& path) {
    Preferences p;
    QByteArray bytes;
    QString error;
    if (!files::readStart(path, maxPreferencesBytes, &bytes, &error))
        return p;
    for (const Line& line : parse(bytes)) {
        if (line.key == QLatin1String("sound")) {
            p.sound = onOff(line.value, p.sound);
        } else if (line.key == QLatin1String("fullscreen")) {
            p.fullScreen = onOff(line.value, p.fullScreen);
        } else if (line.key == QLatin1String("size")) {
            bool number = false;
            const double size = line.value.toDouble(&number); // always with a point
            if (number && isWindowSize(size))
                p.size = size;
        } else if (line.key == QLatin1String("language") && isLanguage(line.value)) {
            p.language = line.value;
        }
    }
    return p;
}

bool writePreferences(const Preferences& p, QString* error, const QString& path) {
    std::vector<Line> known = {{QStringLiteral("sound"), onOffText(p.sound)},
                               {QStringLiteral("fullscreen"), onOffText(p.fullScreen)}};
    if (p.size != 0)
        known.push_back({QStringLiteral("size"), sizeText(p.size)});
    if (!p.language.isEmpty())
        known.push_back({QStringLiteral("language"), p.language});

    QByteArray old;
    QString ignored;
    files::readStart(path, maxPreferencesBytes, &old, &ignored);
    QByteArray bytes = section.toUtf8() + '\n';
    for (const Line& line : known)
        bytes += (line.key + QLatin1Char('=') + line.value).toUtf8() + '\n';
    for (const Line& line : parse(old)) {
        if (!knownKeys.contains(line.key))
            bytes += (line.key + QLatin1Char('=') + line.value).toUtf8() + '\n';
    }
    return files::replaceAll(path, bytes, error);
}

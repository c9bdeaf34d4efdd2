#include "SettingsFile.h"

#include "TextFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

namespace {

// Six values take a few dozen bytes; a longer file is read no further than this.
constexpr qsizetype maxSettingsBytes = 4096;

// The values in the order the file holds them.
std::vector<qint16*> fields(Settings& s) {
    std::vector<qint16*> all{&s.imageQuality};
    for (const KeyBinding& binding : keyBindings)
        all.push_back(&(s.*binding.code));
    return all;
}

QString describe(const SequentialReader::Value& value, int line) {
    const QString token = files::excerpt(value.token);
    switch (value.status) {
    case SequentialReader::Status::EndOfFile:
        return QCoreApplication::translate("SettingsFile", "it ends before value %1").arg(line);
    case SequentialReader::Status::NotANumber:
        return QCoreApplication::translate("SettingsFile", "value %1 (\"%2\") is not a number")
            .arg(line)
            .arg(token);
    case SequentialReader::Status::TooLong:
        return QCoreApplication::translate("SettingsFile",
                                           "value %1 (\"%2\") is too long for a number")
            .arg(line)
            .arg(token);
    case SequentialReader::Status::Ok:
        break;
    }
    return {};
}

QString problemText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("SettingsFile",
                                       "The settings file \"%1\" could not be read: %2.\r\n"
                                       "The default quality and keys are used instead.")
        .arg(path, reason);
}

} // namespace

Settings Settings::delivered() {
    Settings settings;
    settings.imageQuality = 1; // High
    for (const KeyBinding& binding : keyBindings)
        settings.*binding.code = binding.deliveredKey;
    return settings;
}

SettingsRead readSettings(const QString& path) {
    SettingsRead result;
    QByteArray contents;
    QString error;
    if (!files::readStart(path, maxSettingsBytes + 1, &contents, &error)) {
        result.problem = problemText(path, error);
        return result;
    }
    const bool cut = contents.size() > maxSettingsBytes;
    contents.truncate(maxSettingsBytes);
    SequentialReader reader(contents, cut);
    QStringList reasons;
    int line = 1;
    for (qint16* field : fields(result.settings)) {
        const SequentialReader::Value value = reader.readInteger();
        if (value.status == SequentialReader::Status::Ok)
            *field = value.value;
        else
            reasons << describe(value, line);
        if (value.status == SequentialReader::Status::EndOfFile)
            break;
        ++line;
    }
    if (!reasons.isEmpty())
        result.problem = problemText(path, reasons.join(QStringLiteral("; ")));
    return result;
}

bool writeSettings(const Settings& settings, QString* error, const QString& path) {
    Settings copy = settings;
    SequentialWriter writer;
    for (qint16* field : fields(copy))
        writer.writeInteger(*field);
    return files::replaceAll(path, writer.bytes(), error);
}

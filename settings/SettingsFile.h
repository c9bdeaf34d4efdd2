#pragma once

#include <QString>
#include <QtGlobal>

// The player's choices, in the order the settings file stores them.
struct Settings {
    qint16 imageQuality = 1;
    qint16 keyMoveLeft = 37;
    qint16 keyMoveRight = 39;
    qint16 keyMoveUp = 38;
    qint16 keyMoveDown = 40;
    qint16 keyFire = 32;
};

struct SettingsRead {
    Settings settings;
    // Empty when all six values were read; otherwise what went wrong, for the player.
    QString problem;
};

// The file lies in the current directory under this bare name.
inline const QString settingsFileName = QStringLiteral("settings");

// Reads the six values. Values that cannot be read keep the delivered defaults (High;
// arrows; space) and the problem says which; the file itself is never touched.
SettingsRead readSettings(const QString& path = settingsFileName);

// Rewrites the whole file: one value per line, sign or blank, digits, blank, CR LF.
bool writeSettings(const Settings& settings, QString* error,
                   const QString& path = settingsFileName);

#pragma once

#include "Keys.h"

#include <QString>
#include <QtGlobal>

#include <iterator>

// The player's choices, in the order the settings file stores them: the quality, then one
// key code per binding, in the order of keyBindings.
struct Settings {
    qint16 imageQuality = 0;
    qint16 keyMoveLeft = 0;
    qint16 keyMoveRight = 0;
    qint16 keyMoveUp = 0;
    qint16 keyMoveDown = 0;
    qint16 keyFire = 0;

    // The values delivered with the game: High, the arrows and the space bar.
    static Settings delivered();
};

// One key the player binds: its caption on the settings screen (translated there), where its code
// is kept (and so its line in the file), the delivered key, and where the key's name starts in its
// box.
struct KeyBinding {
    const char* caption;
    qint16 Settings::*code;
    keys::Code deliveredKey;
    int nameLeft;
};

// Top to bottom on the settings screen; after the quality in the settings file.
inline constexpr KeyBinding keyBindings[] = {
    {QT_TRANSLATE_NOOP("frmSettings", "Move Left:"), &Settings::keyMoveLeft, keys::Left, 22},
    {QT_TRANSLATE_NOOP("frmSettings", "Move Right:"), &Settings::keyMoveRight, keys::Right, 19},
    {QT_TRANSLATE_NOOP("frmSettings", "Move Up:"), &Settings::keyMoveUp, keys::Up, 25},
    {QT_TRANSLATE_NOOP("frmSettings", "Move Down:"), &Settings::keyMoveDown, keys::Down, 18},
    {QT_TRANSLATE_NOOP("frmSettings", "Fire:"), &Settings::keyFire, keys::Space, 17},
};
inline constexpr int keyBindingCount = static_cast<int>(std::size(keyBindings));

// P pauses a game, as the game window's caption says, so no binding may take it.
inline constexpr int pauseKey = 'P';

struct SettingsRead {
    Settings settings = Settings::delivered();
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

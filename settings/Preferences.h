#pragma once

#include <QString>

// The player's choices that the six-value settings file cannot hold, kept in an INI file of
// their own beside it, so that settings and scores keep their bytes. A missing or broken file
// gives the defaults, value by value, and never a message: these choices are a comfort, not
// the player's data. The program's keys are those before any section line and in [Vexaroo].
struct Preferences {
    bool sound = true;
    // The window-size factor, one of the steps of WindowSize.h; 0 while the player has not
    // chosen one, so the first start picks one for the screen.
    double size = 0;
    bool fullScreen = false;
    // A language such as "de" or "fr_CA"; empty: the desktop's.
    QString language;

    bool operator==(const Preferences&) const = default;
};

inline const QString preferencesFileName = QStringLiteral("preferences");

// Whether a text names a language: two or three small letters, then maybe "_" and a region.
bool isLanguage(const QString& name);

Preferences readPreferences(const QString& path = preferencesFileName);

// Rewrites the file with these choices. Every other line (keys of a later version, comments,
// other sections) is kept as it was; a file too large to keep whole is not rewritten.
bool writePreferences(const Preferences& preferences, QString* error,
                      const QString& path = preferencesFileName);

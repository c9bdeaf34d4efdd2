#pragma once

#include <QByteArray>
#include <QString>

class Form;

// What a game that ended hands to the entry screen: its counts, and its replay.
struct GameResult {
    int level = 0;
    int destroyed = 0;
    QByteArray replay;
};

// How one window reaches the others. Each accessor creates and loads the window on first
// use and after it has been unloaded, so a caller always gets a live window.
class Screens {
public:
    virtual ~Screens() = default;

    virtual Form& frmMain() = 0;
    virtual Form& frmGame() = 0;
    virtual Form& frmSettings() = 0;
    virtual Form& frmHigh() = 0;
    virtual Form& frmRecord() = 0;

    // The entry screen's result, handed over by the game at game over.
    virtual void setRecordResult(const GameResult& result) = 0;

    // Plays a recorded game in the game window, for the window that asks; an empty answer, or
    // why it cannot be watched. Once the game has been watched, the asking window comes back.
    virtual QString watchReplay(const QString& path, const QString& whose, Form* asking) = 0;
    // The watched game is over, or the watcher left it.
    virtual void replayWatched() = 0;
    // A replay could not be kept; the player hears of it once.
    virtual void replayNotKept(const QString& why) = 0;

    // Switches the sound on or off at once, and keeps the choice for the next start.
    virtual void setSoundOn(bool on) = 0;

    // Closes every window and ends the program.
    virtual void end() = 0;

    // Shows every window at this window-size factor from now on, and keeps it for the next start.
    virtual void setWindowSize(double factor) = 0;
    // The window-size factor the first start picks for this screen.
    virtual double firstWindowSize() const = 0;
    // Whether the game plays full screen; kept for the next game.
    virtual bool gameFullScreen() const = 0;
    virtual void setGameFullScreen(bool on) = 0;
};

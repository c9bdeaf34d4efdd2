#pragma once

#include <QString>

class Form;

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

    // The entry screen's result captions, written by the game at game over.
    virtual void setRecordResult(const QString& destroyed, const QString& level) = 0;

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

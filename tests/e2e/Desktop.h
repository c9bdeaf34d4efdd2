#pragma once

#include "Files.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>

// The windows' titles, as the scenarios find them (the program runs in English there).
namespace titles {
inline const QString intro = " ";
inline const QString menu = "Main Menu";
inline const QString game = "Vexaroo - Press P to pause";
inline const QString box = "Vexaroo";
inline const QString entry = "You have a high score!";
inline const QString settings = "Settings";
inline const QString high = "High Scores";
} // namespace titles

class XSession;

// The fixture of every real-window scenario: a desktop of our own, a folder holding the
// delivered settings, and what a player's hands and eyes need there: start the game, reach a
// screen, press keys, click, close windows, look. A window is a number the desktop gives it. Keys
// carry X11's keysym names ("Return", "space", "alt+F4").
class Desktop {
public:
    virtual ~Desktop() = default;
    // "" a bare X server, "jwm" or "xfwm4" on one, or "sway".
    static std::unique_ptr<Desktop> open(const QString& name = {}, QSize screen = {1024, 768});
    // The X server, for what only X11 does (another client's close request); null elsewhere.
    XSession* x11();

    bool ok() const { return problem_.isEmpty(); }
    const QString& problem() const { return problem_; }

    // Starts the game in the given folder. Returns once started; the window may not show yet.
    // The harness with a scenario name may stand in for the game.
    bool startGame(const QString& workingFolder, const QString& program = VEXAROO_EXECUTABLE,
                   const QStringList& arguments = {});
    QProcess& game() { return game_; }
    // Runs a tool on this desktop and returns its standard output; killed after the time.
    QString run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);
    // The desktop's opener (xdg-open) replaced, for the programs started from now on, by a
    // shell script.
    void replaceOpener(const QByteArray& script);
    // CPU time (user + system) the game has used so far, in milliseconds.
    qint64 gameCpuMs() const;

    // The first visible window with this title; 0 when none appears in time.
    virtual unsigned long waitForWindow(const QString& title, int timeoutMs = 30000) = 0;
    // Titles of every visible window, for a failure message.
    virtual QString visibleTitles() = 0;
    // The window's inner area in screen coordinates.
    virtual QRect geometry(unsigned long window) = 0;
    // The whole screen; kept under the name given.
    QImage screenshot(const QString& saveAs = {});
    // Closes the window as a taskbar or the compositor does.
    virtual bool closeFromTaskbar(unsigned long window) = 0;
    virtual int visibleGameWindows() = 0;

    // The window this one is a dialog of, 0 when none; where the desktop tells.
    virtual bool tellsOwners() const { return true; }
    virtual unsigned long ownerOf(unsigned long window) = 0;
    // The window that takes the keys, and giving it a window, as the player's manager does.
    virtual unsigned long activeWindow() = 0;
    virtual void activate(unsigned long window) = 0;

    // A key pressed and released, with any modifiers before it ("shift+Tab").
    virtual void key(const QString& name) = 0;
    virtual void type(const QString& text) = 0;
    // Keys held down together for about `ms`, while `meanwhile` runs; then let go.
    virtual void hold(const QStringList& keys, int ms, const std::function<void()>& meanwhile) = 0;
    // A click of the left button; false where the desktop has no pointer.
    virtual bool click(QPoint at) = 0;
    // Another program that takes the keys from the game; its window.
    virtual unsigned long startAnotherProgram() = 0;

    // The program started in `folder` as `make play` does; its intro, or 0.
    unsigned long start(const QStringList& arguments = {});
    // The harness with a game prepared for a scenario (see Harness.cpp); its game window, or 0.
    unsigned long startScenario(const QString& scenario, const QStringList& more = {});
    // From the start to the menu: Skip Intro clicked, or `skipKey` pressed (Escape where the
    // desktop has no pointer). Places in windows are the design's, times the window size.
    unsigned long menuAfterTheIntro(const QStringList& arguments = {}, const QString& skipKey = {});
    // Play on the menu: clicked, or Return on the menu's first button where there is no pointer.
    unsigned long play(unsigned long menu);
    void keys(const QStringList& names);
    bool clickOn(unsigned long window, QPointF at);
    // Answers a box as a player does: the key in the box.
    void answer(unsigned long box, const QString& answerKey = "Return");
    // The window takes the keys within a few seconds.
    bool becomesActive(unsigned long window);
    bool gone(const QString& title);
    // A screenshot kept under the scenario's name, once the windows have painted.
    QImage shot(const QString& name);
    // What is shown, and why the desktop is not up, for a failure message.
    std::string onScreen() { return (problem_ + "; on screen: " + visibleTitles()).toStdString(); }

    QTemporaryDir folder;
    QString executable = VEXAROO_EXECUTABLE; // what start() starts
    double size = 1;

protected:
    Desktop();
    // What every program started here runs with: the desktop's own display, and English.
    virtual QProcessEnvironment environment() const;
    // The tool and its arguments that take a picture of the screen into a file.
    virtual QStringList screenshotCommand(const QString& file) const = 0;
    // Ends the game and the other program, before the desktop goes.
    void stopPrograms();

    QProcess game_;
    QProcess other_;
    QString problem_;

private:
    QTemporaryDir own_; // the opener put in its place, the last screenshot
};

// Asks a program to end, then ends it; gives it `graceMs` first.
void stop(QProcess& program, int graceMs = 0);

// Polls until done() holds; false when it does not within the time.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

// Folder the scenario's screenshots are kept in, for a person to look at.
QString screenshotFolder();

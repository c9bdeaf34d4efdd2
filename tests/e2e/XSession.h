#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// A private X server (Xvfb) for real-window scenarios, with the tools a player's hands
// and eyes need: start the game, find its window, press keys, take a screenshot, close.
class XSession {
public:
    // A screen of this many pixels.
    explicit XSession(QSize screen = QSize(1024, 768));
    ~XSession();

    bool ok() const { return !display_.isEmpty(); }
    const QString& display() const { return display_; }
    const QString& problem() const { return problem_; }

    // Runs a command on this display and returns its standard output.
    QString run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

    // Starts a window manager and returns once it manages windows: "jwm", or "xfwm4" in a
    // D-Bus session of its own, as a desktop starts it.
    bool startWindowManager(const QString& name);

    // Starts the game in the given folder. Returns once started; the window may not show yet.
    // The harness with a scenario name may stand in for the game.
    bool startGame(const QString& folder,
                   const QString& program = QStringLiteral(VEXAROO_EXECUTABLE),
                   const QStringList& arguments = {});
    QProcess& game() { return game_; }

    // The first visible window with this title; 0 when none appears in time.
    unsigned long waitForWindow(const QString& title, int timeoutMs = 30000);
    // Titles of every visible window, for a failure message.
    QString visibleTitles();
    // The window's inner area in screen coordinates.
    QRect geometry(unsigned long window);
    QImage screenshot(const QString& saveAs = {});
    // Asks the window to close, as a window manager's close button does, from another client.
    bool requestClose(unsigned long window);
    // Asks the window manager to close the window, as a taskbar or a pager does.
    bool closeFromTaskbar(unsigned long window);
    // The window this one is transient for (its owner); 0 when none.
    unsigned long ownerOf(unsigned long window);
    // How many windows of the game are visible.
    int visibleGameWindows();
    // CPU time (user + system) the game has used so far, in milliseconds.
    qint64 gameCpuMs() const;

private:
    QProcess xvfb_;
    QProcess windowManager_;
    QProcess game_;
    QString display_;
    QString problem_;
};

// Polls until done() holds; false when it does not within the time.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

// Folder the scenario's screenshots are kept in, for a person to look at.
QString screenshotFolder();

#pragma once

#include "Desktop.h"

#include <QTemporaryDir>

// A private X server (Xvfb) for real-window scenarios, with the tools a player's hands
// and eyes need: start the game, find its window, press keys, take a screenshot, close.
class XSession final : public Desktop {
public:
    // A screen of this many pixels.
    explicit XSession(QSize screen = QSize(1024, 768));
    ~XSession();

    const QString& display() const { return display_; }

    // Runs a command on this display and returns its standard output.
    QString run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

    // Starts a window manager and returns once it manages windows: "jwm", or "xfwm4" in a
    // D-Bus session of its own, as a desktop starts it.
    bool startWindowManager(const QString& name);

    // Starts the game in the given folder. Returns once started; the window may not show yet.
    // The harness with a scenario name may stand in for the game.
    bool startGame(const QString& folder,
                   const QString& program = QStringLiteral(VEXAROO_EXECUTABLE),
                   const QStringList& arguments = {}) override;

    unsigned long waitForWindow(const QString& title, int timeoutMs = 30000) override;
    QString visibleTitles() override;
    QRect geometry(unsigned long window) override;
    QImage screenshot(const QString& saveAs = {}) override;
    // Asks the window to close, as a window manager's close button does, from another client.
    bool requestClose(unsigned long window);
    // Asks the window manager to close the window, as a taskbar or a pager does.
    bool closeFromTaskbar(unsigned long window) override;
    // The window this one is transient for (its owner); 0 when none.
    unsigned long ownerOf(unsigned long window) override;
    int visibleGameWindows() override;
    unsigned long activeWindow() override;
    void activate(unsigned long window) override;
    void key(const QString& name) override;
    void type(const QString& text) override;
    void hold(const QStringList& keys, int ms, const std::function<void()>& meanwhile) override;
    bool click(QPoint at) override;
    // xmessage.
    unsigned long startAnotherProgram() override;

private:
    QString xdotool(const QStringList& arguments) {
        return run(QStringLiteral("xdotool"), arguments);
    }

    QProcess xvfb_;
    QProcess windowManager_;
    QString display_;
};

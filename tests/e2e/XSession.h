#pragma once

#include "Desktop.h"

// A private X server (Xvfb), driven with xdotool, alone or under a window manager.
class XSession final : public Desktop {
public:
    explicit XSession(QSize screen = QSize(1024, 768));
    ~XSession();

    const QString& display() const { return display_; }

    // Starts a window manager and returns once it manages windows: "jwm", or "xfwm4" in a
    // D-Bus session of its own, as a desktop starts it.
    bool startWindowManager(const QString& name);

    unsigned long waitForWindow(const QString& title, int timeoutMs = 30000) override;
    QString visibleTitles() override;
    QRect geometry(unsigned long window) override;
    // Asks the window to close, as a window manager's close button does, from another client.
    bool requestClose(unsigned long window);
    bool closeFromTaskbar(unsigned long window) override;
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

protected:
    QProcessEnvironment environment() const override;
    QStringList screenshotCommand(const QString& file) const override {
        return {"import", "-window", "root", file};
    }

private:
    QString xdotool(const QStringList& arguments) { return run("xdotool", arguments); }
    // The visible windows found by xdotool search (--name, --pid and a value).
    QStringList visible(const QString& by, const QString& what);

    QProcess xvfb_;
    QProcess windowManager_;
    QString display_;
};

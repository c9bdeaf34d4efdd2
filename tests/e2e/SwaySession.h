#pragma once

#include "Desktop.h"

#include <QJsonObject>
#include <QTemporaryDir>

#include <vector>

// A headless sway compositor of our own, the game a native Wayland client of it. Keys come from
// wtype, closes and focus from swaymsg, pictures from grim. sway refuses to run as root: under
// root it runs as the ordinary user that scripts/setup.sh makes, in a runtime folder of its own,
// and the game joins its socket. The seat has no pointer, so nothing here clicks; a keyboard of
// wtype's stays plugged in for the session, as a desktop's does, so that a client holds its
// keyboard before the first key comes.
class SwaySession final : public Desktop {
public:
    explicit SwaySession(QSize screen = QSize(1024, 768));
    ~SwaySession() override;

    unsigned long waitForWindow(const QString& title, int timeoutMs = 30000) override;
    QString visibleTitles() override;
    QRect geometry(unsigned long window) override;
    // swaymsg's kill, as a taskbar, the title bar's close or a key bound to kill asks it.
    bool closeFromTaskbar(unsigned long window) override;
    int visibleGameWindows() override;
    // Nothing tells a Wayland client's dialogs to a third party, and the compositor stacks
    // them as it likes.
    bool tellsOwners() const override { return false; }
    unsigned long ownerOf(unsigned long /*window*/) override { return 0; }
    unsigned long activeWindow() override;
    void activate(unsigned long window) override;
    void key(const QString& name) override;
    void type(const QString& text) override;
    void hold(const QStringList& keys, int ms, const std::function<void()>& meanwhile) override;
    bool click(QPoint /*at*/) override { return false; }
    // A second game, in a folder of its own.
    unsigned long startAnotherProgram() override;

protected:
    QProcessEnvironment environment() const override;
    QStringList screenshotCommand(const QString& file) const override { return {"grim", file}; }

private:
    // The shown windows (sway's views), in the tree's order.
    std::vector<QJsonObject> windows();
    QString swaymsg(const QStringList& arguments);
    // The first shown window that is wanted, waiting for one as long as given.
    unsigned long find(const std::function<bool(const QJsonObject&)>& wanted,
                       int timeoutMs = 30000);

    QTemporaryDir runtime_;       // sway's, its user's own
    QTemporaryDir clientRuntime_; // the clients', ours
    QTemporaryDir otherFolder_;
    QString socket_;
    QString ipc_;
    QProcess sway_;
    QProcess keyboard_;
};

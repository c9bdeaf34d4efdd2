#pragma once

#include "Desktop.h"
#include "XSession.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

// The fixture of every real-window scenario: a desktop of our own ("" a bare X server, "jwm",
// "xfwm4" or "sway"), a folder holding the delivered settings, and the player's ways through the
// program: start it, reach a screen, press keys, close windows, look.
class Player {
public:
    explicit Player(const QString& desktop = {}, QSize screen = QSize(1024, 768));

    Desktop& desktop() { return *desktop_; }
    // The X server, for what only X11 does (another client's close request); null elsewhere.
    XSession* x11() { return dynamic_cast<XSession*>(desktop_.get()); }
    // Empty once the desktop is up; else why not.
    const QString& problem() const { return desktop_->problem(); }
    // What is shown, for a failure message.
    std::string onScreen() { return "on screen: " + desktop_->visibleTitles().toStdString(); }

    // The program started as `make play` does; its intro, or 0.
    unsigned long start(const QStringList& arguments = {});
    // The harness with a game prepared for a scenario (see Harness.cpp); its game window, or 0.
    unsigned long startGame(const QString& scenario, const QStringList& more = {});
    // From the start to the menu: Skip Intro clicked, or `skipKey` pressed (Escape where the
    // desktop has no pointer). Positions are the design's, times the window size.
    unsigned long menuAfterTheIntro(const QStringList& arguments = {}, const QString& skipKey = {});
    // Play on the menu: clicked, or Return on the menu's first button where there is no pointer.
    unsigned long play(unsigned long menu);

    void keys(const QStringList& names);
    // Clicks at a place of the design in a window; false where the desktop has no pointer.
    bool click(unsigned long window, QPointF at);
    // Answers a box as a player does: the keys in the box.
    void answer(unsigned long box, const QString& key = QStringLiteral("Return"));
    // The window takes the keys within a few seconds.
    bool becomesActive(unsigned long window);
    bool gone(const QString& title);
    // A screenshot kept under the scenario's name, once the windows have painted.
    QImage shot(const QString& name);

    QTemporaryDir folder;
    double size = 1;

private:
    std::unique_ptr<Desktop> desktop_;
};

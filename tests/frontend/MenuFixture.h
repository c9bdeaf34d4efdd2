#pragma once

#include "TestProgram.h"
#include "frmMain.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

// Between the buttons and the information boxes: nothing but the window.
inline const QPoint bareBackground(140, 250);

// A shown menu on the virtual clock, driven by mouse events through its window, so that the
// control under the pointer is found as for a real pointer.
class MenuWindow : public ::testing::Test, public TestProgram {
protected:
    template <class Window> static Window& shown(Window& window) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    frmMain& shownMenu() {
        frmMain& menu = shown(program.frmMain());
        // The pointer comes in over the background. Qt drops a move to where the pointer
        // already is, and the last test may have left it over a button.
        moveTo(bareBackground);
        return menu;
    }

    void moveTo(QPoint point) { QTest::mouseMove(program.frmMain().windowHandle(), point); }
    void clickAt(QPoint point) {
        QTest::mouseClick(program.frmMain().windowHandle(), Qt::LeftButton, {}, point);
    }

    static QPoint centreOf(const QWidget& control) { return control.geometry().center(); }
    static QPoint centreOf(const std::array<std::unique_ptr<PictureBox>, 2>& button) {
        return centreOf(*button[0]);
    }

    // Which buttons show their lit picture: play, settings, high scores, exit.
    std::vector<bool> lit() {
        frmMain& menu = program.frmMain();
        std::vector<bool> shown;
        for (const auto* button : {&menu.picPlay, &menu.picSettings, &menu.picHigh, &menu.picExit})
            shown.push_back(!(*button)[1]->isHidden());
        return shown;
    }

    // While the menu is disabled nothing on it reacts: no button, no highlight, no help, no
    // close box.
    void expectMenuTakesNothing() {
        frmMain& menu = program.frmMain();
        const std::vector<bool> before = lit();
        for (const auto* button :
             {&menu.picPlay, &menu.picExit, &menu.picHigh, &menu.picSettings}) {
            moveTo(centreOf(*button));
            clickAt(centreOf(*button));
        }
        moveTo(bareBackground);
        clickAt(centreOf(menu.lblHelp));
        closeByFrame(menu);
        EXPECT_EQ(lit(), before);
        EXPECT_TRUE(menu.isVisible());
        EXPECT_FALSE(menu.isEnabled());
        EXPECT_FALSE(program.hasEnded());
        EXPECT_TRUE(world.launcher.launches.empty());
    }
};

inline const std::vector<bool> noneLit{false, false, false, false};
inline const std::vector<bool> playLit{true, false, false, false};
inline const std::vector<bool> settingsLit{false, true, false, false};
inline const std::vector<bool> highLit{false, false, true, false};
inline const std::vector<bool> exitLit{false, false, false, true};

#pragma once

#include "Controls.h"
#include "Form.h"
#include "Label.h"
#include "Screens.h"

#include <QCoreApplication>

#include <array>
#include <memory>

// The main menu: picture buttons to play, set up, see the high scores and leave.
class frmMain final : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmMain)

public:
    frmMain(Services& services, Screens& screens);
    ~frmMain() override;

    // The inner size of the menu, the largest window: the window sizes are chosen for it, and the
    // intro takes it.
    static constexpr QSize designSize{522, 354};

    // Controls, laid out as the window is created. Each button is a pair of pictures in one
    // place: element 0 normal, element 1 lit, hidden at first and covering element 0.
    PictureBox imgTitle;
    std::array<std::unique_ptr<PictureBox>, 2> picPlay;
    std::array<std::unique_ptr<PictureBox>, 2> picSettings;
    std::array<std::unique_ptr<PictureBox>, 2> picHigh;
    std::array<std::unique_ptr<PictureBox>, 2> picExit;
    std::array<std::unique_ptr<Label>, 7> lblInformation;
    std::array<std::unique_ptr<Outline>, 6> sqrBorder;
    PictureBox imgGorvan;
    PictureBox imgGradiant;
    Label lblHelp;
    // The sound's switch beside "Help": element 0 shows it on, element 1 off.
    std::array<std::unique_ptr<PictureBox>, 2> picSound;
    // Around the button the keyboard works on.
    Outline sqrFocus;

    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseMove();
    void picPlay_MouseMove();
    void picSettings_MouseMove();
    void picHigh_MouseMove();
    void picExit_MouseMove();
    void picPlay_Click();
    void picSettings_Click();
    void picHigh_Click();
    void picExit_Click();
    void lblHelp_Click();
    void picSound_Click();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    using PictureButton = std::array<std::unique_ptr<PictureBox>, 2>;
    // A button: its pictures, its handlers, and what a screen reader calls it and tells of it.
    struct MenuButton {
        PictureButton frmMain::*pictures;
        void (frmMain::*mouseMove)();
        void (frmMain::*click)();
        const char* name;
        const char* description;
    };
    // Top to bottom, the order the keys go through them.
    static const std::array<MenuButton, 4> menuButtons;

    void LightButton(const PictureButton* lit);
    void ShowHelpProblem(const QString& reason);
    void ShowSoundSwitch();
    void FocusSoundSwitch();
    // The keyboard's place after the four buttons.
    static constexpr int soundSwitch = 4;

    Screens& screens_;
    int focusedButton_ = 0;
};

#include "frmMain.h"

#include "HelpCommand.h"
#include "Keys.h"
#include "MessageBox.h"
#include "Palette.h"
#include "Resources.h"
#include "Sound.h"
#include "Sounds.h"
#include "System.h"
#include "WindowSize.h"

#include <QMouseEvent>
#include <QPointer>

namespace {
const QColor orange(255, 128, 0);

// The runs of blanks are part of the text: they break its lines where its author wanted.
const char* const information[7] = {
    QT_TRANSLATE_NOOP("frmMain", " Created by: The Vexaroo Team"),
    QT_TRANSLATE_NOOP("frmMain", " Programming: The Vexaroo Team"),
    QT_TRANSLATE_NOOP("frmMain", " Art and Movies: The Vexaroo Team"),
    QT_TRANSLATE_NOOP("frmMain", " Version: 1.0"),
    QT_TRANSLATE_NOOP("frmMain", " Project Name: Vexaroo"),
    QT_TRANSLATE_NOOP(
        "frmMain", "    Vexaroo is the most intense third           person shooter of its time. "
                   "In the beginning of  the game, hazardous objects come flying at      Gorvan, "
                   "slow at first, but gradually            increasing in speed as the levels "
                   "progress.        Equipped with a gun, Gorvan is able to      shoot at the "
                   "approaching objects and move      up, down, left and right. This game "
                   "also            features a high scores screen and adjustable    control and "
                   "graphics settings."),
    QT_TRANSLATE_NOOP("frmMain", " Project Description:"),
};

// A button's two pictures: the normal one and, hidden over it, the lit one.
std::array<std::unique_ptr<PictureBox>, 2> pictureButton(QWidget* window, const QString& picture,
                                                         int top) {
    return {std::make_unique<PictureBox>(window, picture, 20, top, 110, 50),
            std::make_unique<PictureBox>(window, picture + QStringLiteral("_lit"), 20, top, 110, 50,
                                         false)};
}
} // namespace

frmMain::frmMain(Services& given, Screens& screens)
    : Form(given, tr("Main Menu"), designSize.width(), designSize.height()),
      imgTitle(this, QStringLiteral("title"), 11, 4, 500, 100),
      picPlay(pictureButton(this, QStringLiteral("btn_play"), 108)),
      picSettings(pictureButton(this, QStringLiteral("btn_settings"), 168)),
      picHigh(pictureButton(this, QStringLiteral("btn_high"), 228)),
      picExit(pictureButton(this, QStringLiteral("btn_exit"), 288)),
      imgGorvan(this, QStringLiteral("gorvan"), 396, 108, 109, 224),
      imgGradiant(this, QStringLiteral("gradient"), 473, 0, 49, 21),
      lblHelp(this, tr("Help"), 476, 0, 49, 21, false, orange, true),
      picSound{std::make_unique<PictureBox>(this, QStringLiteral("sound_on"), 452, 1, 20, 17),
               std::make_unique<PictureBox>(this, QStringLiteral("sound_off"), 452, 1, 20, 17)},
      sqrFocus(this, 17, 105, 116, 56, palette::grey, Qt::DotLine), screens_(screens) {
    setMouseTracking(true);
    setKeyPreview(true);

    for (const auto& [pictures, mouseMove, click] : menuButtons) {
        for (auto& element : this->*pictures) {
            element->onMouseMove = [this, mouseMove] { (this->*mouseMove)(); };
            element->onClick = [this, click] { (this->*click)(); };
            element->setCursor(resources::handCursor());
        }
    }
    // A screen reader reads each button, both its pictures, by what it does.
    const struct {
        PictureButton* pictures;
        const char* name;
        const char* description;
    } spoken[] = {
        {&picPlay, QT_TR_NOOP("Play"), QT_TR_NOOP("Start a game")},
        {&picSettings, QT_TR_NOOP("Settings"), QT_TR_NOOP("Choose the keys and the image quality")},
        {&picHigh, QT_TR_NOOP("High Scores"), QT_TR_NOOP("The ten best results")},
        {&picExit, QT_TR_NOOP("Exit"), QT_TR_NOOP("Leave Vexaroo")}};
    for (const auto& [pictures, name, description] : spoken)
        for (auto& element : *pictures) {
            element->setAccessibleName(tr(name));
            element->setAccessibleDescription(tr(description));
        }
    imgTitle.setAccessibleName(QStringLiteral("Vexaroo"));
    imgGorvan.setAccessibleName(QStringLiteral("Gorvan"));
    imgGradiant.setAccessibleName(tr("Gradient"));
    lblHelp.setAccessibleDescription(tr("Open the help text in the text editor"));

    // The normal settings picture keeps the ordinary pointer; its lit picture covers it as
    // soon as the mouse moves over it.
    picSettings[0]->unsetCursor();

    // Five one-line boxes 12 pixels apart and 13 high, so neighbours share a border line,
    // then the description's heading and text in one box below them.
    const int tops[7] = {120, 132, 144, 156, 168, 192, 180};
    for (int i = 0; i < 7; ++i) {
        const bool oneLine = i != 5;
        lblInformation[i] =
            std::make_unique<Label>(this, tr(information[i]), 152, tops[i], 225, oneLine ? 13 : 133,
                                    false, palette::white, oneLine);
        lblInformation[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblInformation[i]->setWordWrap(!oneLine);
        lblInformation[i]->setBackdrop(palette::darkGrey);
    }
    for (int i = 0; i < 5; ++i)
        sqrBorder[i] = std::make_unique<Outline>(this, 152, tops[i], 225, 13, palette::grey);
    sqrBorder[5] = std::make_unique<Outline>(this, 152, 180, 225, 145, palette::grey);

    // Labels and images take the mouse: a move over them is theirs and leaves the lit
    // button lit.
    for (auto& label : lblInformation)
        label->setAttribute(Qt::WA_NoMousePropagation);
    lblHelp.setAttribute(Qt::WA_NoMousePropagation);

    QFont helpFont = resources::textFont(true);
    helpFont.setPixelSize(15); // 11.25 points
    lblHelp.setFont(helpFont);
    lblHelp.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHelp.setCursor(resources::handCursor());
    new ClickWatcher(&lblHelp, [this] { lblHelp_Click(); });
    // "Help" stands on the gradient, over the corner of the title.
    imgGradiant.raise();
    lblHelp.raise();
    for (auto& element : picSound) {
        element->onClick = [this] { picSound_Click(); };
        element->setCursor(resources::handCursor());
        element->setAccessibleName(tr("Sound"));
        element->raise();
    }
    picSound[0]->setAccessibleDescription(tr("The sound is on; press to turn it off"));
    picSound[1]->setAccessibleDescription(tr("The sound is off; press to turn it on"));
    ShowSoundSwitch();
}

// The picture shows the sound as it is; M in a game may have switched it meanwhile.
void frmMain::ShowSoundSwitch() {
    picSound[0]->setVisible(!services.sound.muted());
    picSound[1]->setVisible(services.sound.muted());
}

void frmMain::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    ShowSoundSwitch();
}

void frmMain::picSound_Click() {
    screens_.setSoundOn(services.sound.muted());
    ShowSoundSwitch();
    services.sound.play(sounds::click); // heard only when the sound came on
}

frmMain::~frmMain() = default;

const std::array<frmMain::MenuButton, 4> frmMain::menuButtons = {{
    {&frmMain::picPlay, &frmMain::picPlay_MouseMove, &frmMain::picPlay_Click},
    {&frmMain::picSettings, &frmMain::picSettings_MouseMove, &frmMain::picSettings_Click},
    {&frmMain::picHigh, &frmMain::picHigh_MouseMove, &frmMain::picHigh_Click},
    {&frmMain::picExit, &frmMain::picExit_MouseMove, &frmMain::picExit_Click},
}};

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    Form_MouseMove();
}

// A lit button is also the one the keyboard works on; the background puts the light out but
// leaves the keyboard where it was.
void frmMain::LightButton(const PictureButton* lit) {
    for (int i = 0; i < static_cast<int>(menuButtons.size()); ++i) {
        const PictureButton* button = &(this->*menuButtons[i].pictures);
        (*button)[1]->setVisible(button == lit);
        if (button == lit)
            focusedButton_ = i;
    }
    if (focusedButton_ == soundSwitch)
        sqrFocus.setGeometry(picSound[0]->geometry().adjusted(-2, 0, 2, 2));
    else
        sqrFocus.setGeometry(17, (this->*menuButtons[focusedButton_].pictures)[0]->y() - 3, 116,
                             56);
}

// After the four buttons the keys reach the sound's switch; no button is lit meanwhile.
void frmMain::FocusSoundSwitch() {
    focusedButton_ = soundSwitch;
    LightButton(nullptr);
}

// Up and Down, Tab and Shift+Tab light the buttons in turn as the mouse does; Return or Space
// presses the one the keyboard is on. Esc does nothing: closing the menu ends the program.
void frmMain::Form_KeyDown(int keyCode, int shift) {
    const int count = static_cast<int>(menuButtons.size()) + 1; // the buttons, then the sound
    const bool back = keyCode == keys::Up || (keyCode == keys::Tab && (shift & keys::ShiftMask));
    if (back || keyCode == keys::Down || keyCode == keys::Tab) {
        const int next = (focusedButton_ + (back ? count - 1 : 1)) % count;
        if (next == soundSwitch)
            FocusSoundSwitch();
        else
            (this->*menuButtons[next].mouseMove)();
    }
    if (keyCode == keys::Return || keyCode == keys::Space) {
        if (focusedButton_ == soundSwitch)
            picSound_Click();
        else
            (this->*menuButtons[focusedButton_].click)();
    }
    if (keyCode == keys::F1)
        lblHelp_Click();
    // Ctrl+Plus and Ctrl+Minus (on the main keys or the keypad), Ctrl+0: every window's size.
    if ((shift & keys::CtrlMask) && isEnabled()) {
        const double size = windowsize::current();
        if (keyCode == keys::Equals || keyCode == keys::Add)
            screens_.setWindowSize(windowsize::larger(size));
        else if (keyCode == keys::Minus || keyCode == keys::Subtract)
            screens_.setWindowSize(windowsize::smaller(size));
        else if (keyCode == '0' || keyCode == keys::Numpad0)
            screens_.setWindowSize(screens_.firstWindowSize());
    }
}

void frmMain::Form_MouseMove() {
    LightButton(nullptr);
}

void frmMain::picPlay_MouseMove() {
    LightButton(&picPlay);
}

void frmMain::picSettings_MouseMove() {
    LightButton(&picSettings);
}

void frmMain::picHigh_MouseMove() {
    LightButton(&picHigh);
}

void frmMain::picExit_MouseMove() {
    LightButton(&picExit);
}

void frmMain::picPlay_Click() {
    services.sound.play(sounds::click);
    screens_.frmGame().show();
    hide();
}

// The screens opened over the menu enable it again when they unload, however they close.
void frmMain::picSettings_Click() {
    services.sound.play(sounds::click);
    screens_.frmSettings().show(*this);
    setEnabled(false);
}

void frmMain::picHigh_Click() {
    services.sound.play(sounds::click);
    screens_.frmHigh().show(*this);
    setEnabled(false);
}

void frmMain::picExit_Click() {
    screens_.end();
}

void frmMain::Form_Unload(int& /*cancel*/) {
    screens_.end();
}

// The opener hands the file to the editor and usually ends at once; whether it failed, at its
// start or by its exit code, is told later, so the game never waits for it.
void frmMain::lblHelp_Click() {
    services.sound.play(sounds::click);
    const HelpCommand command = helpCommand();
    if (!command.problem.isEmpty()) {
        ShowHelpProblem(command.problem);
        return;
    }
    QPointer<frmMain> menu(this);
    services.launcher.launch(command.program, command.arguments,
                             [menu, program = command.program](const QString& reason) {
                                 if (menu)
                                     menu->ShowHelpProblem(
                                         tr("%1 failed: %2").arg(program, reason));
                             });
}

void frmMain::ShowHelpProblem(const QString& reason) {
    MsgBox(tr("The help could not be opened.\r\n") + reason);
}

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

// The information column: its labels' texts, tops and heights. One-line boxes are 12 pixels
// apart and 13 high, so neighbours share a border line; the description's text has a box of
// its own below its heading. The runs of blanks are part of the text: they break its lines
// where its author wanted.
constexpr int informationLeft = 152;
constexpr int informationWidth = 225;
constexpr int lineHeight = 13;
const struct {
    const char* text;
    int top, height;
} information[7] = {
    {QT_TRANSLATE_NOOP("frmMain", " Created by: The Vexaroo Team"), 120, lineHeight},
    {QT_TRANSLATE_NOOP("frmMain", " Programming: The Vexaroo Team"), 132, lineHeight},
    {QT_TRANSLATE_NOOP("frmMain", " Art and Movies: The Vexaroo Team"), 144, lineHeight},
    {QT_TRANSLATE_NOOP("frmMain", " Version: 1.0"), 156, lineHeight},
    {QT_TRANSLATE_NOOP("frmMain", " Project Name: Vexaroo"), 168, lineHeight},
    {QT_TRANSLATE_NOOP(
         "frmMain", "    Vexaroo is the most intense third           person shooter of its time. "
                    "In the beginning of  the game, hazardous objects come flying at      Gorvan, "
                    "slow at first, but gradually            increasing in speed as the levels "
                    "progress.        Equipped with a gun, Gorvan is able to      shoot at the "
                    "approaching objects and move      up, down, left and right. This game "
                    "also            features a high scores screen and adjustable    control and "
                    "graphics settings."),
     192, 133},
    {QT_TRANSLATE_NOOP("frmMain", " Project Description:"), 180, lineHeight},
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

    for (const auto& [pictures, mouseMove, click, name, description] : menuButtons)
        for (auto& element : this->*pictures) {
            element->onMouseMove = [this, mouseMove] { (this->*mouseMove)(); };
            element->onClick = [this, click] { (this->*click)(); };
            element->setCursor(resources::handCursor());
            element->setAccessibleName(tr(name));
            element->setAccessibleDescription(tr(description));
        }
    // The normal settings picture keeps the ordinary pointer; its lit picture covers it as
    // soon as the mouse moves over it.
    picSettings[0]->unsetCursor();

    for (int i = 0; i < static_cast<int>(std::size(information)); ++i) {
        const auto& [text, top, height] = information[i];
        const bool oneLine = height == lineHeight;
        lblInformation[i] =
            std::make_unique<Label>(this, tr(text), informationLeft, top, informationWidth, height,
                                    false, palette::white, oneLine);
        lblInformation[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblInformation[i]->setWordWrap(!oneLine);
        lblInformation[i]->setBackdrop(palette::darkGrey);
    }
    // A border round each one-line box, and one round the description's heading and text.
    for (int i = 0; i < 5; ++i)
        sqrBorder[i] = std::make_unique<Outline>(this, informationLeft, information[i].top,
                                                 informationWidth, lineHeight, palette::grey);
    sqrBorder[5] =
        std::make_unique<Outline>(this, informationLeft, 180, informationWidth, 145, palette::grey);

    QFont helpFont = resources::textFont(true);
    helpFont.setPixelSize(15); // 11.25 points
    lblHelp.setFont(helpFont);
    lblHelp.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    new ClickWatcher(&lblHelp, [this] { lblHelp_Click(); });
    for (auto& element : picSound)
        element->onClick = [this] { picSound_Click(); };

    // The other controls: what a screen reader calls each (none: its caption; the names are
    // offered no translation) and tells of it, the hand over those that are clicked, and those
    // that stand over the title's corner, raised in this order. Labels take the mouse: a move
    // over them is theirs and leaves the lit button lit.
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
        bool clicked, overTitle;
    } controls[] = {
        {&imgTitle, "Vexaroo", nullptr, false, false},
        {&imgGorvan, "Gorvan", nullptr, false, false},
        {&imgGradiant, QT_TR_NOOP("Gradient"), nullptr, false, true},
        {&lblHelp, nullptr, QT_TR_NOOP("Open the help text in the text editor"), true, true},
        {picSound[0].get(), QT_TR_NOOP("Sound"),
         QT_TR_NOOP("The sound is on; press to turn it off"), true, true},
        {picSound[1].get(), QT_TR_NOOP("Sound"),
         QT_TR_NOOP("The sound is off; press to turn it on"), true, true},
    };
    for (const auto& [control, name, description, clicked, overTitle] : controls) {
        if (name)
            control->setAccessibleName(tr(name));
        if (description)
            control->setAccessibleDescription(tr(description));
        if (clicked)
            control->setCursor(resources::handCursor());
        if (overTitle)
            control->raise();
    }
    for (auto& label : lblInformation)
        label->setAttribute(Qt::WA_NoMousePropagation);
    lblHelp.setAttribute(Qt::WA_NoMousePropagation);
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
    {&frmMain::picPlay, &frmMain::picPlay_MouseMove, &frmMain::picPlay_Click,
     QT_TRANSLATE_NOOP("frmMain", "Play"), QT_TRANSLATE_NOOP("frmMain", "Start a game")},
    {&frmMain::picSettings, &frmMain::picSettings_MouseMove, &frmMain::picSettings_Click,
     QT_TRANSLATE_NOOP("frmMain", "Settings"),
     QT_TRANSLATE_NOOP("frmMain", "Choose the keys and the image quality")},
    {&frmMain::picHigh, &frmMain::picHigh_MouseMove, &frmMain::picHigh_Click,
     QT_TRANSLATE_NOOP("frmMain", "High Scores"),
     QT_TRANSLATE_NOOP("frmMain", "The ten best results")},
    {&frmMain::picExit, &frmMain::picExit_MouseMove, &frmMain::picExit_Click,
     QT_TRANSLATE_NOOP("frmMain", "Exit"), QT_TRANSLATE_NOOP("frmMain", "Leave Vexaroo")},
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

#include "frmSettings.h"

#include "KeyName.h"
#include "Keys.h"
#include "Palette.h"
#include "Resources.h"
#include "SettingsFile.h"

#include <QApplication>

namespace {
// A key the platform has no virtual-key code for arrives as 0.
constexpr int keyWithoutCode = 0;

// The Controls frame has a row per binding, OK stands below it and the window ends below OK.
constexpr int controlsTop = 140;
constexpr int rowHeight = 20;
constexpr int controlsHeight = 23 + rowHeight * frmSettings::keyBoxes;
constexpr int okTop = controlsTop + controlsHeight + 9;
constexpr int clientHeight = okTop + 28;

const QString waiting = QStringLiteral("...");

// The screen's two sections, top to bottom: a banner, framed by a rectangle one pixel wider and
// higher drawn over it, then a frame as wide as that rectangle, its caption on its top line.
const struct {
    const char* banner;
    int bannerTop, bannerHeight;
    QGroupBox frmSettings::*frame;
    const char* caption;
    int frameTop, frameHeight;
} sections[] = {
    {QT_TRANSLATE_NOOP("frmSettings",
                       " Set the quality of the flash images to  improve performance."),
     4, 28, &frmSettings::fraGraphics, QT_TRANSLATE_NOOP("frmSettings", "Graphics"), 36, 45},
    {QT_TRANSLATE_NOOP("frmSettings", " Customize the controls by clicking on  the control box "
                                      "and then press the     key of your choice."),
     96, 40, &frmSettings::fraControls, QT_TRANSLATE_NOOP("frmSettings", "Controls"), controlsTop,
     controlsHeight},
};
} // namespace

frmSettings::frmSettings(Services& given, Screens& screens)
    : Form(given, tr("Settings"), 190, clientHeight), fraGraphics(this),
      lblQualityText(&fraGraphics, tr("Image Quality:"), 8, 20, 1, 13, true, palette::white),
      comQuality(&fraGraphics), fraControls(this), cmdOk(this, tr("Ok"), 65, okTop, 61, 20),
      screens_(screens) {
    for (int i = 0; i < static_cast<int>(std::size(sections)); ++i) {
        const auto& section = sections[i];
        lblGraphicsText[i] =
            std::make_unique<Label>(this, tr(section.banner), 4, section.bannerTop, 180,
                                    section.bannerHeight, false, palette::white);
        lblGraphicsText[i]->setWordWrap(true);
        lblGraphicsText[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        lblGraphicsText[i]->setBackdrop(palette::darkGrey);
        sqrBorder[i] = std::make_unique<Outline>(this, 4, section.bannerTop, 181,
                                                 section.bannerHeight + 1, palette::grey);
        QGroupBox& frame = this->*section.frame;
        frame.setTitle(tr(section.caption));
        frame.setGeometry(4, section.frameTop, 181, section.frameHeight);
        frame.setFont(resources::textFont());
        // The caption interrupts the frame's top line.
        frame.setStyleSheet(
            QStringLiteral("QGroupBox { border: 1px solid %1; margin-top: 6px; }"
                           "QGroupBox::title { subcontrol-origin: margin; left: 6px; top: 0px;"
                           " padding: 0px 1px; color: %2; background-color: black; }")
                .arg(palette::grey.name(), palette::lightGrey.name()));
    }

    comQuality.setGeometry(104, 16, 69, 21);
    comQuality.addItems({tr("Low"), tr("High")});
    comQuality.setCurrentIndex(-1);
    // Orca names a list by the label tied to it, other screen readers by its accessible name.
    comQuality.setAccessibleName(tr("Image Quality"));
    lblQualityText.setBuddy(&comQuality);
    QPalette colors = comQuality.palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base})
        colors.setColor(role, palette::grey);
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text})
        colors.setColor(role, palette::white);
    comQuality.setPalette(colors);
    connect(&comQuality, &QComboBox::currentIndexChanged, this, [this] { comQuality_Click(); });

    // A row per binding: its caption in the frame, and its key box beside it.
    for (int i = 0; i < keyBoxes; ++i) {
        const KeyBinding& binding = keyBindings[i];
        lblKeyText[i] = std::make_unique<Label>(&fraControls, tr(binding.caption), 8,
                                                20 + rowHeight * i, 1, 13, true, palette::white);
        picAssign[i] = std::make_unique<PictureBox>(this, QStringLiteral("keybox"), 108,
                                                    158 + rowHeight * i, 70, rowHeight);
        // A clicked box takes the focus, so the key that follows goes to it and not to OK; Tab
        // reaches it too.
        picAssign[i]->setFocusPolicy(Qt::StrongFocus);
        picAssign[i]->setShowFocus(true);
        picAssign[i]->setCursor(resources::handCursor());
        picAssign[i]->onClick = [this, i] { picAssign_Click(i); };
        // Read as "Move Left", described by the key it holds.
        picAssign[i]->setAccessibleName(lblKeyText[i]->caption().chopped(1).trimmed());
        lblAssign[i] = std::make_unique<Label>(picAssign[i].get(), QString(), binding.nameLeft, 4,
                                               1, 13, true, palette::white);
        lblAssign[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // Long names such as "[right arrow]" would be cut off at the box's edge.
        lblAssign[i]->setKeepInside(true);
        lblAssign[i]->setCursor(resources::handCursor());
        new ClickWatcher(lblAssign[i].get(), [this, i] { lblAssign_Click(i); });
    }

    connect(&cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });

    // OK first, as the screen opens on it, then top to bottom and round again; the window
    // itself is no stop, or Tab would lose the focus frame in it.
    setFocusPolicy(Qt::ClickFocus);
    setTabOrder(&cmdOk, &comQuality);
    QWidget* previous = &comQuality;
    for (auto& box : picAssign) {
        setTabOrder(previous, box.get());
        previous = box.get();
    }
    setKeyPreview(true);
}

frmSettings::~frmSettings() {
    // No key may reach the handlers while the controls go.
    qApp->removeEventFilter(this);
}

void frmSettings::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    cmdOk.setFocus();
}

void frmSettings::Form_Load() {
    const SettingsRead read = readSettings();
    if (!read.problem.isEmpty())
        MsgBox(read.problem);
    settings = read.settings;
    // The list has only Low and High; any other value leaves it without a selection.
    const qint16 quality = settings.imageQuality;
    comQuality.setCurrentIndex(quality == 0 || quality == 1 ? quality : -1);
    for (int i = 0; i < keyBoxes; ++i)
        ShowKeyName(i);
}

// A name starts where the screen's design puts it, which centres the English names of the
// delivered keys; a translated name has other widths, so it is centred in its box.
void frmSettings::ShowKeyName(int box) {
    const qint16 code = keyCodeOf(box);
    lblAssign[box]->setCentred(KeyName(code) != KeyName(code, false));
    lblAssign[box]->setCaption(KeyName(code));
}

void frmSettings::comQuality_Click() {
    settings.imageQuality = static_cast<qint16>(comQuality.currentIndex());
}

void frmSettings::picAssign_Click(int index) {
    lblAssign_Click(index);
}

// A box waits while its label shows "..."; clicking one ends any other wait.
void frmSettings::lblAssign_Click(int index) {
    for (int j = 0; j < keyBoxes; ++j)
        ShowKeyName(j);
    lblAssign[index]->setCaption(waiting);
}

bool frmSettings::KeyBoxWaits() const {
    for (const auto& label : lblAssign) {
        if (label->caption() == waiting)
            return true;
    }
    return false;
}

// While no box waits for a key, Return or Space on a focused key box starts its wait as a
// click does; otherwise Return is OK and Esc leaves without saving. A waiting box takes Return
// like any other key; Esc ends its wait and it keeps the key it had.
void frmSettings::Form_KeyDown(int keyCode, int /*shift*/) {
    if (!KeyBoxWaits()) {
        const int focused = FocusedKeyBox();
        if (focused >= 0 && (keyCode == keys::Return || keyCode == keys::Space))
            picAssign_Click(focused);
        else if (keyCode == keys::Return)
            cmdOk_Click();
        else if (keyCode == keys::Escape)
            unload();
        return;
    }
    if (keyCode == keys::Escape) {
        for (int i = 0; i < keyBoxes; ++i)
            ShowKeyName(i);
        return;
    }
    if (keyCode == pauseKey || keyCode == keyWithoutCode)
        return;
    for (int i = 0; i < keyBoxes; ++i) {
        if (lblAssign[i]->caption() == waiting) {
            keyCodeOf(i) = static_cast<qint16>(keyCode);
            ShowKeyName(i);
        }
    }
}

// The key box that Tab brought the keyboard to, or -1. A clicked box has the focus too, but
// for the keys that follow a click Return stays OK.
int frmSettings::FocusedKeyBox() const {
    for (int i = 0; i < keyBoxes; ++i) {
        if (picAssign[i]->hasKeyboardFocus())
            return i;
    }
    return -1;
}

void frmSettings::cmdOk_Click() {
    QString error;
    if (!writeSettings(settings, &error)) {
        // The choices stay on the screen: the player may try again or close without saving.
        MsgBox(
            tr("The settings file \"%1\" could not be written: %2.").arg(settingsFileName, error));
        return;
    }
    unload();
}

void frmSettings::Form_Unload(int& /*cancel*/) {
    screens_.frmMain().setEnabled(true);
}

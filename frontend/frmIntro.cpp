#include "frmIntro.h"

#include "Controls.h"
#include "Keys.h"
#include "Movies.h"
#include "Palette.h"
#include "Resources.h"

frmIntro::frmIntro(Services& given, Screens& screens)
    : Form(given, QStringLiteral(" "), 86, 59),
      tmrIntro(services.clock, 100, [this] { tmrIntro_Timer(); }),
      swfIntro(canvas(), 0, 0, 85, 57, AnimationPlayer::Scale::NoScale),
      lblSkipIntro(this, tr("Skip Intro"), 4, 4, 46, 13, true, palette::grey), screens_(screens) {
    lblSkipIntro.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSkipIntro.setCursor(resources::handCursor());
    new ClickWatcher(&lblSkipIntro, [this] { lblSkipIntro_Click(); });
    setKeyPreview(true);
    tmrIntro.setEnabled(true);
}

frmIntro::~frmIntro() = default;

void frmIntro::Form_Load() {
    // Both windows have the same frame, so taking the menu's size gives the same client
    // area. Using the menu loads it, hidden.
    const QSize menu = screens_.frmMain().size();
    setFixedSize(menu);
    canvas().setGeometry(rect());
    swfIntro.move(0, 0, scaleWidth(), scaleHeight());
    swfIntro.setMovie(movies::path(movies::intro));
    swfIntro.play();
}

// The movie stops by itself at its end; the menu then takes the intro's place, and the intro
// stays loaded, hidden.
void frmIntro::tmrIntro_Timer() {
    if (swfIntro.isPlaying())
        return;
    tmrIntro.setEnabled(false);
    screens_.frmMain().show();
    hide();
    // Never shown again: its window and the pictures painted for it go now.
    destroy();
}

void frmIntro::lblSkipIntro_Click() {
    tmrIntro.setEnabled(false);
    screens_.frmMain().show();
    unload();
}

// The keys a player tries first to get past a movie skip it, as the click does.
void frmIntro::Form_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode == keys::Escape || keyCode == keys::Return || keyCode == keys::Space)
        lblSkipIntro_Click();
}

// Closed by its frame, the intro hands over as "Skip Intro" does; otherwise nothing would
// ever show the menu. After Skip this changes nothing.
void frmIntro::Form_Unload(int& /*cancel*/) {
    tmrIntro.setEnabled(false);
    screens_.frmMain().show();
}

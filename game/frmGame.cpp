#include "frmGame.h"

#include "Clock.h"
#include "Keys.h"
#include "MessageBox.h"
#include "Movies.h"
#include "Numeric.h"
#include "Palette.h"
#include "Random.h"
#include "SettingsFile.h"
#include "Sound.h"
#include "Sounds.h"

#include <QGuiApplication>
#include <QTimer>

#include <cmath>

namespace {
constexpr qint16 True = -1;
constexpr qint16 False = 0;

// How long the program must have been left before the game pauses: longer than the focus
// takes to pass between two of its own windows.
constexpr int leaveSettleMs = 100;

const QString lifePresent = QStringLiteral("life_present");
const QString lifeLost = QStringLiteral("life_lost");
} // namespace

frmGame::frmGame(Services& given, Screens& screens)
    : Form(given, tr("Vexaroo - Press P to pause"), 471, 353),
      sqrStatsBackground(canvas(), 1, 1, 470, 37, palette::grey, Qt::black, 2),
      lblDestroyedText(this, tr("Enemies Destroyed:"), 4, 5, 94, 13),
      lblDestroyed(this, QStringLiteral("0"), 100, 5, 6, 13),
      lblLevelText(this, tr("Level:"), 4, 19, 29, 13),
      lblLevel(this, QStringLiteral("0"), 36, 19, 6, 13),
      lblLivesText(this, tr("Bananas Remaining:"), 299, 12, 98, 13, false),
      imgLife1(canvas(), lifePresent, 428, 40, 20, 31, false),
      imgLife0(canvas(), lifeLost, 448, 40, 20, 31, false), swfGV(canvas(), 124, 142.47f, 34, 68),
      tmrLevel(services.clock, 10000, [this] { tmrLevel_Timer(); }),
      // A target takes one step in each frame of the clock.
      tmrTarget(services.clock, Clock::frameMs, [this] { tmrTarget_Timer(); }),
      tmrROF(services.clock, 200, [this] { tmrROF_Timer(); }),
      tmrShoot(services.clock, 10, [this] { tmrShoot_Timer(); }),
      tmrUp(services.clock, 10, [this] { tmrUp_Timer(); }),
      tmrDown(services.clock, 10, [this] { tmrDown_Timer(); }),
      tmrLeft(services.clock, 10, [this] { tmrLeft_Timer(); }),
      tmrRight(services.clock, 10, [this] { tmrRight_Timer(); }),
      tmrLeave(services.clock, leaveSettleMs, [this] { tmrLeave_Timer(); }), screens_(screens) {
    lblLivesText.setAlignment(Qt::AlignRight | Qt::AlignTop);
    // A screen reader hears each count by its name, its value as it changes.
    for (auto [label, name] : {std::pair{&lblDestroyed, QT_TR_NOOP("Enemies Destroyed")},
                               {&lblLevel, QT_TR_NOOP("Level")}}) {
        label->setAccessibleName(tr(name));
        label->setAccessibleDescription(label->caption());
    }
    for (int left : {404, 424, 444})
        imgLife.push_back(std::make_unique<PictureSprite>(canvas(), lifePresent, left, 4, 20, 31));
    imgBullet.push_back(
        std::make_unique<PictureSprite>(canvas(), QStringLiteral("bullet"), 12, 68, 4, 2, false));
    swfTarget.push_back(std::make_unique<AnimationPlayer>(canvas(), 24, 52, 37, 37));
    setKeyPreview(true);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    Application_Activate();
                else
                    Application_Deactivate();
            });
}

frmGame::~frmGame() = default;

void frmGame::Form_Load() {
    services.random.randomize();
    lives = 3;
    speedSpread = 1;
    speedBase = 1;
    targetCount = 10;
    bulletCount = 5;
    moveStep = 5;
    swfGV.setMovie(movies::path(movies::gorvan));
    swfTarget[0]->setMovie(movies::path(movies::target));

    const SettingsRead read = readSettings();
    if (!read.problem.isEmpty())
        MsgBox(read.problem);
    settings = read.settings;
    swfGV.setQuality(settings.imageQuality);
    swfTarget[0]->setQuality(settings.imageQuality);

    for (qint16 i = 1, last = bulletCount; i <= last; ++i)
        imgBullet.push_back(imgBullet[0]->copyHidden());
    for (qint16 i = 0, last = targetCount; i <= last; ++i) {
        if (i > 0)
            swfTarget.push_back(swfTarget[0]->copyHidden());
        PlaceTarget(i);
        swfTarget[i]->setVisible(true);
    }
    // As the last game was left.
    setFullScreen(screens_.gameFullScreen());
    ResumePlay();
}

void frmGame::Form_Unload(int& /*cancel*/) {
    tmrLeave.setEnabled(false);
    ResetPlayfield(True);
    screens_.frmMain().show();
    if (highScorePending) {
        highScorePending = False;
        // The entry screen enables the menu again however it is closed.
        screens_.frmMain().setEnabled(false);
        screens_.frmRecord().show(screens_.frmMain());
    }
}

void frmGame::ResetPlayfield(qint16 fullReset) {
    nextBullet = 0;
    if (fullReset) {
        lives = 3;
        lblDestroyed.setCaption(QStringLiteral("0"));
        lblLevel.setCaption(QStringLiteral("0"));
    }
    ShowLives(lives);
    // Every game timer stops, the bullets' too: they leave the playfield with this reset.
    HoldPlay();
    tmrShoot.setEnabled(false);
    for (qint16 i = 0, last = bulletCount; i <= last; ++i) {
        imgBullet[i]->move(0, 0);
        imgBullet[i]->setVisible(false);
    }
    for (qint16 i = 0, last = targetCount; i <= last; ++i) {
        PlaceTarget(i);
        swfTarget[i]->setVisible(true);
    }
    swfGV.move(scaleWidth() / 3 - swfGV.width() / 2, scaleHeight() / 2 - swfGV.height() / 2);
}

void frmGame::ShowLives(qint16 count) {
    if (count < 0 || count > 3)
        return;
    for (int k = 0; k < 3; ++k)
        imgLife[k]->setPicture(k < count ? imgLife1.picture() : imgLife0.picture());
    lblLivesText.setAccessibleDescription(QString::number(count));
}

void frmGame::PlaceTarget(qint16 index) {
    Random& r = services.random;
    AnimationPlayer& target = *swfTarget[index];
    targetMotion[index][0] = numeric::toInteger(std::floor(r.next() * speedSpread) + speedBase);
    targetMotion[index][1] = numeric::toInteger(4 * r.next() - 2);
    target.setFrameNum(static_cast<int>(std::floor(2 * r.next())));
    const float strip = sqrStatsBackground.height();
    const float firstHeight = swfTarget[0]->height();
    const float top = std::floor(r.next() * (scaleHeight() - firstHeight - strip - 2)) + strip + 1;
    const float left = std::floor(500 * r.next()) + (scaleWidth() + 1);
    target.move(left, top);
}

void frmGame::tmrTarget_Timer() {
    qint16 gameOver = False;
    for (qint16 i = 0, last = targetCount; i <= last; ++i) {
        if (TouchesGorvan(*swfTarget[i])) {
            swfGV.setFrameNum(0);
            --lives;
            HoldPlay();
            if (lives < 0) {
                services.sound.play(sounds::gameOver);
                MsgBox(tr("GAME OVER"));
                // Reaching level 3 is the whole test for the hall of fame.
                if (numeric::valueOf(lblLevel.caption()) >= 3) {
                    highScorePending = True;
                    screens_.setRecordResult(lblDestroyed.caption(), lblLevel.caption());
                }
                gameOver = True;
                // The remaining targets are not tested; the last one still takes its step.
                i = targetCount;
            } else {
                services.sound.play(sounds::lifeLost);
                MsgBox(tr("Death come to Banana!\r\nYou have %1 banana(s) remaining.")
                           .arg(numeric::decimalText(lives)));
                ResetPlayfield(False);
                ResumePlay();
            }
        }

        AnimationPlayer& target = *swfTarget[i];
        if (target.left() + target.width() <= 0) {
            PlaceTarget(i);
            target.setVisible(true);
        }
        // One move for both steps; the drift turns on the top before this step.
        const float left = target.left() - targetMotion[i][0];
        if (target.top() <= sqrStatsBackground.height() ||
            target.top() + target.height() >= scaleHeight())
            targetMotion[i][1] = static_cast<qint16>(-targetMotion[i][1]);
        target.move(left, target.top() + targetMotion[i][1]);
    }
    if (gameOver)
        unload();
}

// Gorvan's hit box is his control less 5 pixels left and top and 10 right and bottom; both
// boxes are closed, so touching edges collide. Sums in single precision, as the controls hold.
bool frmGame::TouchesGorvan(const AnimationPlayer& target) const {
    const float gLeft = swfGV.left(), gTop = swfGV.top();
    const float gWidth = swfGV.width(), gHeight = swfGV.height();
    return target.visible() && gLeft + 5 <= target.left() + target.width() &&
           (gLeft - 5) + gWidth - 5 >= target.left() &&
           gTop + 5 <= target.top() + target.height() && (gTop - 5) + gHeight - 5 >= target.top();
}

void frmGame::Form_KeyDown(int keyCode, int shift) {
    if (FullScreenKey(keyCode, shift))
        return;
    // Independent rows in this order: a code bound to several actions performs them all.
    if (keyCode == keys::P) // named in the window's caption
        PauseGame();
    if (keyCode == keys::M && !IsBound(keys::M))
        screens_.setSoundOn(services.sound.muted());
    if (keyCode == settings.keyMoveRight) {
        tmrLeft.setEnabled(false);
        tmrRight.setEnabled(true);
        swfGV.setFrameNum(1);
    }
    if (keyCode == settings.keyMoveLeft) {
        tmrRight.setEnabled(false);
        tmrLeft.setEnabled(true);
        swfGV.setFrameNum(2);
    }
    if (keyCode == settings.keyMoveUp) {
        tmrUp.setEnabled(true);
        tmrDown.setEnabled(false);
        swfGV.setFrameNum(1);
    }
    if (keyCode == settings.keyMoveDown) {
        tmrDown.setEnabled(true);
        tmrUp.setEnabled(false);
        swfGV.setFrameNum(1);
    }
    if (keyCode == settings.keyFire) {
        // The first bullet leaves at once; auto-repeat finds tmrROF running and adds none.
        if (!tmrROF.enabled())
            tmrROF_Timer();
        tmrROF.setEnabled(true);
    }
}

// M switches the sound, unless the player made it one of the five keys.
bool frmGame::IsBound(int keyCode) const {
    for (const KeyBinding& binding : keyBindings)
        if (settings.*binding.code == keyCode)
            return true;
    return false;
}

// A pause box needs a game on the screen that no box holds yet.
bool frmGame::MayPause() const {
    return isVisible() && !isUnloaded() && !services.messageBox.isOpen();
}

// F11 and Alt+Return switch full screen; a key the player bound to an action keeps that
// action instead, so the game's keys are never taken from it.
bool frmGame::FullScreenKey(int keyCode, int shift) {
    const bool asked = keyCode == keys::F11 || (keyCode == keys::Return && (shift & keys::AltMask));
    if (!asked || keyCode == keys::P || IsBound(keyCode))
        return false;
    setFullScreen(!fullScreen());
    screens_.setGameFullScreen(fullScreen());
    return true;
}

// The pause lasts as long as its box: afterwards targets and levels go on, and Gorvan stands
// until a key is pressed again.
void frmGame::PauseGame() {
    HoldPlay();
    MsgBox(tr("Game Paused"), keys::P);
    ResumePlay();
}

// Gorvan, the gun, the targets and the level clock stop; bullets already fired fly on.
void frmGame::HoldPlay() {
    for (Timer* timer : {&tmrLeft, &tmrRight, &tmrUp, &tmrDown, &tmrROF, &tmrTarget, &tmrLevel})
        timer->setEnabled(false);
}

// Targets and the level clock go on; Gorvan and the gun wait for a key.
void frmGame::ResumePlay() {
    tmrLevel.setEnabled(true);
    tmrTarget.setEnabled(true);
}

// The player went to another program: once that has settled, the game waits for him as with P.
void frmGame::Application_Deactivate() {
    applicationActive_ = false;
    tmrLeave.setEnabled(true);
}

void frmGame::Application_Activate() {
    applicationActive_ = true;
    tmrLeave.setEnabled(false);
}

// No box for a window that is closing, hidden or minimised, or when one of our boxes already
// holds the game. No key held then can keep Gorvan moving, since the pause stops him.
void frmGame::tmrLeave_Timer() {
    tmrLeave.setEnabled(false);
    if (applicationActive_ || !MayPause())
        return;
    if (isMinimized()) {
        HoldPlay();
        pauseWhenShown_ = true;
        return;
    }
    PauseGame();
}

// The pad plays with the player's own keys: every rule stays with the keyboard's handlers.
bool frmGame::padButton(PadButton button, bool down) {
    const int codes[padButtonCount] = {settings.keyMoveLeft,
                                       settings.keyMoveRight,
                                       settings.keyMoveUp,
                                       settings.keyMoveDown,
                                       settings.keyFire,
                                       0,
                                       keys::P};
    if (const int code = codes[int(button)]) {
        if (down)
            keyDown(code, 0);
        else
            keyUp(code, 0);
    }
    return true;
}

// A pad pulled out mid-game: the game waits, as when the player leaves the program.
void frmGame::Pad_Unplugged() {
    if (MayPause())
        PauseGame();
}

void frmGame::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && pauseWhenShown_ && !isMinimized()) {
        pauseWhenShown_ = false;
        // After the window manager has shown the window again, so that the box has an owner
        // on the screen.
        QTimer::singleShot(0, this, [this] {
            if (MayPause())
                PauseGame();
            else
                ResumePlay();
        });
    }
}

void frmGame::Form_KeyUp(int keyCode, int /*shift*/) {
    if (keyCode == settings.keyMoveRight) {
        tmrRight.setEnabled(false);
        swfGV.setFrameNum(0);
    }
    if (keyCode == settings.keyMoveLeft) {
        tmrLeft.setEnabled(false);
        swfGV.setFrameNum(0);
    }
    if (keyCode == settings.keyMoveUp) {
        tmrUp.setEnabled(false);
        swfGV.setFrameNum(0);
    }
    if (keyCode == settings.keyMoveDown) {
        tmrDown.setEnabled(false);
        swfGV.setFrameNum(0);
    }
    if (keyCode == settings.keyFire)
        tmrROF.setEnabled(false);
}

void frmGame::tmrLevel_Timer() {
    services.sound.play(sounds::levelUp);
    lblLevel.setCaption(
        numeric::decimalText(static_cast<qint64>(numeric::valueOf(lblLevel.caption())) + 1));
    speedSpread = numeric::toInteger(std::floor(numeric::valueOf(lblLevel.caption()) / 2) + 1);
    speedBase = numeric::toInteger(std::floor(numeric::valueOf(lblLevel.caption()) / 4) + 1);
}

// Movement: the edge test comes before the step and nothing is clamped, so the last step
// may carry Gorvan up to one step past an edge.

void frmGame::tmrUp_Timer() {
    StepGorvan(tmrUp, swfGV.top() <= sqrStatsBackground.height(), 0, -moveStep);
}

void frmGame::tmrDown_Timer() {
    StepGorvan(tmrDown, swfGV.top() + swfGV.height() >= scaleHeight(), 0, moveStep);
}

void frmGame::tmrLeft_Timer() {
    StepGorvan(tmrLeft, swfGV.left() <= 0, -moveStep, 0);
}

void frmGame::tmrRight_Timer() {
    StepGorvan(tmrRight, swfGV.left() + swfGV.width() >= scaleWidth(), moveStep, 0);
}

// At the edge the direction's timer stops; elsewhere Gorvan takes one step.
void frmGame::StepGorvan(Timer& direction, bool atEdge, float dx, float dy) {
    if (atEdge)
        direction.setEnabled(false);
    else
        swfGV.move(swfGV.left() + dx, swfGV.top() + dy);
}

void frmGame::tmrROF_Timer() {
    // A plain rotation: a bullet still in flight when its turn comes is recalled.
    PictureSprite& bullet = *imgBullet[nextBullet];
    bullet.move(swfGV.left() + 36, swfGV.top() + 32);
    bullet.setVisible(true);
    if (nextBullet == bulletCount)
        nextBullet = 0;
    else
        ++nextBullet;
    tmrShoot.setEnabled(true);
    services.sound.play(sounds::shot);
}

void frmGame::tmrShoot_Timer() {
    for (qint16 b = 0, lastBullet = bulletCount; b <= lastBullet; ++b) {
        PictureSprite& bullet = *imgBullet[b];
        for (qint16 t = 0, lastTarget = targetCount; t <= lastTarget; ++t) {
            AnimationPlayer& target = *swfTarget[t];
            // Closed boxes: touching edges count as a hit.
            if (target.left() <= bullet.left() + bullet.width() &&
                target.left() + target.width() >= bullet.left() &&
                target.top() <= bullet.top() + bullet.height() &&
                target.top() + target.height() >= bullet.top() && target.visible() &&
                bullet.visible()) {
                bullet.setVisible(false);
                target.setVisible(false);
                bullet.setLeft(scaleWidth() + 1);
                lblDestroyed.setCaption(numeric::decimalText(
                    static_cast<qint64>(numeric::valueOf(lblDestroyed.caption())) + 1));
                services.sound.play(sounds::hit);
                break;
            }
        }
        if (bullet.left() > scaleWidth())
            bullet.setVisible(false);
        else
            bullet.setLeft(bullet.left() + 10);
    }
}

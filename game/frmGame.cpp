#include "frmGame.h"

#include "Clock.h"
#include "Keys.h"
#include "MessageBox.h"
#include "Movies.h"
#include "Numeric.h"
#include "Palette.h"
#include "Random.h"
#include "Sound.h"
#include "Sounds.h"
#include "TextFile.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QTimer>

namespace {

// How long the program must have been left before the game pauses: longer than the focus
// takes to pass between two of its own windows.
constexpr int leaveSettleMs = 100;
// A watched game moves on in steps of this many milliseconds of real time.
constexpr int watchStepMs = 10;
// How much faster F or Right plays a watched game.
constexpr int fastWatch = 4;

const QString lifePresent = QStringLiteral("life_present");
const QString lifeLost = QStringLiteral("life_lost");

// The sound of each of the rules' events.
constexpr int effects[] = {sounds::shot, sounds::hit, sounds::lifeLost, sounds::levelUp,
                           sounds::gameOver};

// The actions the player binds a key to, in the order a key's rows are tested; the pause has P.
constexpr struct {
    Action action;
    qint16 Settings::*key;
} boundActions[] = {{Action::Right, &Settings::keyMoveRight},
                    {Action::Left, &Settings::keyMoveLeft},
                    {Action::Up, &Settings::keyMoveUp},
                    {Action::Down, &Settings::keyMoveDown},
                    {Action::Fire, &Settings::keyFire}};

} // namespace

frmGame::frmGame(Services& given, Screens& screens) : frmGame(given, screens, nullptr, {}) {}

frmGame::frmGame(Services& given, Screens& screens, Replay watched, const QString& whose)
    : frmGame(given, screens, std::make_unique<Replay>(std::move(watched)), whose) {}

frmGame::frmGame(Services& given, Screens& screens, std::unique_ptr<Replay> watched,
                 const QString& whose)
    : Form(given,
           watched ? tr("Vexaroo - Replay of %1").arg(whose) : tr("Vexaroo - Press P to pause"),
           471, 353),
      sqrStatsBackground(canvas(), 1, 1, 470, 37, palette::grey, Qt::black, 2),
      lblDestroyedText(this, tr("Enemies Destroyed:"), 4, 5, 94, 13),
      lblDestroyed(this, QStringLiteral("0"), 100, 5, 6, 13),
      lblLevelText(this, tr("Level:"), 4, 19, 29, 13),
      lblLevel(this, QStringLiteral("0"), 36, 19, 6, 13),
      lblLivesText(this, tr("Bananas Remaining:"), 299, 12, 98, 13, false),
      // A long name is cut to the strip's room.
      lblWatching(this,
                  tr("Replay of %1").arg(fontMetrics().elidedText(whose, Qt::ElideRight, 120)), 126,
                  5, 178, 13, false),
      lblWatchKeys(this, tr("Space pauses, F faster, Esc leaves"), 126, 19, 178, 13, false),
      // A watched game's box, at the top of the field, where it hides the least.
      lblBox(this, {}, 60, 42, 351, 30, false, palette::white, true),
      imgLife1(canvas(), lifePresent, 428, 40, 20, 31, false),
      imgLife0(canvas(), lifeLost, 448, 40, 20, 31, false), swfGV(canvas(), 124, 142.47f, 34, 68),
      tmrLeave(given.clock, leaveSettleMs, [this] { tmrLeave_Timer(); }),
      tmrWatch(given.clock, watchStepMs, [this] { tmrWatch_Timer(); }), screens_(screens),
      watched_(std::move(watched)) {
    // The watched game moves on while one of its boxes shows.
    tmrWatch.setNested(true);
    if (watched_) {
        replayRandom_ = std::make_unique<SystemRandom>(watched_->seed);
        clock_ = std::make_unique<VirtualClock>();
    }
    VirtualClock& clock = watched_ ? *clock_ : services.gameClock;
    rules_ = std::make_unique<Game>(clock, watched_ ? *replayRandom_ : services.random,
                                    static_cast<Game::Host&>(*this));
    if (watched_)
        replayRun_ = std::make_unique<ReplayRun>(*watched_, clock, *rules_);

    lblLivesText.setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (Label* label : {&lblWatching, &lblWatchKeys}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setVisible(watched_ != nullptr);
    }
    lblBox.setAlignment(Qt::AlignCenter);
    lblBox.setWordWrap(true);
    lblBox.setBackdrop(palette::darkGrey, palette::grey);
    lblBox.hide();
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
    // A held key is one press: its repeats neither take Gorvan back from a later press on the
    // pad nor start him again after a box.
    setKeyRepeats(false);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    Application_Activate();
                else
                    Application_Deactivate();
            });
}

frmGame::~frmGame() {
    // A game ended without its unload (the program ended): its stalls are no longer told.
    if (!watched_ && !isUnloaded())
        services.gameClock.onStall = nullptr;
}

void frmGame::Form_Load() {
    swfGV.setMovie(movies::path(movies::gorvan));
    swfTarget[0]->setMovie(movies::path(movies::target));
    if (watched_) {
        settings_.imageQuality = watched_->quality;
    } else {
        const SettingsRead read = readSettings();
        if (!read.problem.isEmpty())
            MsgBox(read.problem);
        settings_ = read.settings;
    }
    swfGV.setQuality(settings_.imageQuality);
    swfTarget[0]->setQuality(settings_.imageQuality);

    if (watched_) {
        clock_->advance(watched_->startMs);
    } else {
        services.gameClock.moveOnQuietly();
        recording_.program = QStringLiteral(VEXAROO_VERSION);
        recording_.quality = settings_.imageQuality;
        recording_.dateMs = QDateTime::currentMSecsSinceEpoch();
        recording_.startMs = services.gameClock.nowMs();
        services.gameClock.onStall = [this](qint64 from, qint64 to) {
            Record(Replay::Input::Stall, Action::Pause, to - from, from);
        };
    }
    rules_->Form_Load();
    recording_.seed = rules_->seed;

    for (std::size_t i = 1; i < rules_->imgBullet.size(); ++i)
        imgBullet.push_back(imgBullet[0]->copyHidden());
    for (std::size_t i = 1; i < rules_->swfTarget.size(); ++i)
        swfTarget.push_back(swfTarget[0]->copyHidden());
    Draw();
    // As the last game was left.
    setFullScreen(screens_.gameFullScreen());
    if (watched_) {
        watchedAt_ = services.clock.nowMs();
        watchedMs_ = double(clock_->nowMs());
        tmrWatch.setEnabled(true);
    }
}

void frmGame::Form_Unload(int& cancel) {
    if (watched_ && boxDepth_ > 0) {
        // The game's handler still waits in its box: the window goes once it has returned.
        replayRun_->stop();
        cancel = 1;
        return;
    }
    tmrLeave.setEnabled(false);
    tmrWatch.setEnabled(false);
    if (watched_) {
        replayRun_->stop();
        rules_->Form_Unload();
        screens_.replayWatched();
        return;
    }
    if (!recordingEnded_)
        EndRecording(true);
    services.gameClock.onStall = nullptr;
    rules_->Form_Unload();
    screens_.frmMain().show();
    if (rules_->highScorePending) {
        rules_->highScorePending = 0;
        // The entry screen enables the menu again however it is closed.
        screens_.frmMain().setEnabled(false);
        screens_.frmRecord().show(screens_.frmMain());
    }
}

// The field as the rules left it; only what changed is drawn again.
void frmGame::Draw() {
    const auto place = [](Sprite& sprite, const Body& body) {
        if (sprite.left() != body.left() || sprite.top() != body.top())
            sprite.move(body.left(), body.top());
        sprite.setVisible(body.visible());
    };
    const Game& g = *rules_;
    place(swfGV, g.swfGV);
    if (swfGV.frameNum() != g.swfGV.frameNum())
        swfGV.setFrameNum(g.swfGV.frameNum());
    for (std::size_t i = 0; i < swfTarget.size() && i < g.swfTarget.size(); ++i) {
        place(*swfTarget[i], g.swfTarget[i]);
        if (swfTarget[i]->frameNum() != g.swfTarget[i].frameNum())
            swfTarget[i]->setFrameNum(g.swfTarget[i].frameNum());
    }
    for (std::size_t i = 0; i < imgBullet.size() && i < g.imgBullet.size(); ++i)
        place(*imgBullet[i], g.imgBullet[i]);
    if (g.level != shownLevel_)
        lblLevel.setCaption(numeric::decimalText(shownLevel_ = g.level));
    if (g.destroyed != shownDestroyed_)
        lblDestroyed.setCaption(numeric::decimalText(shownDestroyed_ = g.destroyed));
    if (g.livesShown != shownLives_) {
        shownLives_ = g.livesShown;
        for (int k = 0; k < int(imgLife.size()); ++k)
            imgLife[k]->setPicture(k < shownLives_ ? imgLife1.picture() : imgLife0.picture());
        lblLivesText.setAccessibleDescription(QString::number(shownLives_));
    }
}

// A window that is going draws nothing more: it shows the field as the game left it.
void frmGame::changed() {
    if (!isUnloaded())
        Draw();
}

void frmGame::Form_KeyDown(int keyCode, int shift) {
    if (FullScreenKey(keyCode, shift))
        return;
    if (watched_)
        return WatchKey(keyCode);
    // Independent rows in this order: a code bound to several actions performs them all.
    if (keyCode == pauseKey)
        Press(Keyboard, Action::Pause);
    if (keyCode == soundKey && !IsBound(soundKey))
        screens_.setSoundOn(services.sound.muted());
    for (const auto& [action, key] : boundActions)
        if (keyCode == settings_.*key)
            Press(Keyboard, action);
}

void frmGame::Form_KeyUp(int keyCode, int /*shift*/) {
    if (watched_)
        return;
    for (const auto& [action, key] : boundActions)
        if (keyCode == settings_.*key)
            Release(Keyboard, action);
}

// The pad plays the player's actions, as the keys bound to them do.
bool frmGame::padButton(PadButton button, bool down) {
    if (watched_) {
        if (down)
            WatchKey(button == PadButton::East    ? keys::Escape
                     : button == PadButton::Right ? keys::Right
                                                  : keys::Space);
        return true;
    }
    static constexpr std::array<std::optional<Action>, padButtonCount> actions = {
        Action::Left, Action::Right, Action::Up,   Action::Down,
        Action::Fire, std::nullopt,  Action::Pause};
    if (const std::optional<Action> action = actions[int(button)]) {
        if (down)
            Press(Pad, *action);
        else if (*action != Action::Pause)
            Release(Pad, *action);
    }
    return true;
}

// Every source of input is one keyboard: the later press wins, a press of an action that
// its source already holds is a repeat and changes nothing, and an action is released once
// no source holds it any more. While a box holds the game, what still reaches the window (a
// release the window had before the box came, keys a compositor sends it) is not the game's.
void frmGame::Press(Source source, Action action) {
    if (services.messageBox.isOpen())
        return;
    if (action != Action::Pause) {
        if (heldBy_[int(action)] & source)
            return;
        heldBy_[int(action)] |= source;
    }
    Act(Replay::Input::Press, action);
}

void frmGame::Release(Source source, Action action) {
    if (services.messageBox.isOpen())
        return;
    heldBy_[int(action)] &= ~source;
    if (!heldBy_[int(action)])
        Act(Replay::Input::Release, action);
}

// Something from outside the ticks reaches the rules: kept first, at its time in the game.
void frmGame::Act(Replay::Input input, Action action) {
    services.gameClock.moveOnQuietly();
    Record(input, action);
    switch (input) {
    case Replay::Input::Press:
        rules_->Form_KeyDown(action);
        break;
    case Replay::Input::Release:
        rules_->Form_KeyUp(action);
        break;
    case Replay::Input::Hold:
        rules_->HoldPlay();
        break;
    case Replay::Input::Resume:
        rules_->ResumePlay();
        break;
    default:
        break;
    }
    if (!isUnloaded())
        Draw();
}

void frmGame::Record(Replay::Input input, Action action, qint64 stallMs, qint64 atMs) {
    if (watched_ || recordingEnded_)
        return;
    recording_.events.push_back(
        {atMs >= 0 ? atMs : services.gameClock.nowMs(), input, action, stallMs});
}

// The game's replay is finished and kept as the last game's.
void frmGame::EndRecording(bool closed) {
    if (closed)
        Record(Replay::Input::End);
    recordingEnded_ = true;
    recording_.level = rules_->level;
    recording_.destroyed = rules_->destroyed;
    recording_.closed = closed;
    recording_.endMs = services.gameClock.nowMs();
    recording_.digest = rules_->Digest();
    QString error;
    if (!files::replaceAll(replay::lastGameFileName, replay::encode(recording_), &error))
        screens_.replayNotKept(error);
}

void frmGame::box(Box which) {
    // Keys released while a box holds them never reach the game.
    heldBy_.fill(0);
    Draw();
    const QString text = which == Box::LifeLost
                             ? tr("Death come to Banana!\r\nYou have %1 banana(s) remaining.")
                                   .arg(numeric::decimalText(rules_->lives))
                         : which == Box::GameOver ? tr("GAME OVER")
                                                  : tr("Game Paused");
    if (watched_) {
        // The watcher sees the box for as long as the player did; nothing of his closes it.
        lblBox.setCaption(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        lblBox.show();
        replayRun_->openBox();
        ++boxDepth_;
        while (replayRun_->boxOpen())
            services.clock.wait(watchStepMs);
        --boxDepth_;
        replayRun_->leaveBox();
        lblBox.hide();
        return;
    }
    MsgBox(text, which == Box::Paused ? pauseKey : 0);
    services.gameClock.moveOnQuietly();
    Record(Replay::Input::BoxClosed);
}

void frmGame::event(Event what) {
    services.sound.play(effects[int(what)]);
}

void frmGame::gameOver() {
    if (watched_) {
        replayRun_->gameOver();
    } else {
        EndRecording(false);
        if (rules_->highScorePending)
            screens_.setRecordResult(
                {rules_->level, rules_->destroyed, replay::encode(recording_)});
    }
    unload();
}

bool frmGame::IsBound(int keyCode) const {
    return std::any_of(std::begin(boundActions), std::end(boundActions),
                       [&](const auto& bound) { return settings_.*bound.key == keyCode; });
}

// A pause box needs a game on the screen that no box holds yet.
bool frmGame::MayPause() const {
    return !watched_ && isVisible() && !isUnloaded() && !services.messageBox.isOpen();
}

// F11 and Alt+Return switch full screen; a key the player bound to an action keeps that
// action instead, so the game's keys are never taken from it.
bool frmGame::FullScreenKey(int keyCode, int shift) {
    const bool asked = keyCode == keys::F11 || (keyCode == keys::Return && (shift & keys::AltMask));
    if (!asked || keyCode == pauseKey || (!watched_ && IsBound(keyCode)))
        return false;
    setFullScreen(!fullScreen());
    screens_.setGameFullScreen(fullScreen());
    return true;
}

// The player went to another program: once that has settled, the game waits for him as with P.
void frmGame::Application_Deactivate() {
    applicationActive_ = false;
    // Keys released elsewhere never reach the game.
    heldBy_.fill(0);
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
        Act(Replay::Input::Hold);
        pauseWhenShown_ = true;
        return;
    }
    Act(Replay::Input::Press, Action::Pause);
}

// A pad pulled out mid-game: the game waits, as when the player leaves the program.
void frmGame::Pad_Unplugged() {
    if (MayPause())
        Act(Replay::Input::Press, Action::Pause);
}

void frmGame::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && pauseWhenShown_ && !isMinimized()) {
        pauseWhenShown_ = false;
        // After the window manager has shown the window again, so that the box has an owner
        // on the screen.
        QTimer::singleShot(0, this, [this] {
            if (MayPause())
                Act(Replay::Input::Press, Action::Pause);
            else if (!isUnloaded())
                Act(Replay::Input::Resume);
        });
    }
}

// Watching: Space pauses, Right or F plays four times faster, Esc leaves; nothing else of the
// watcher reaches the game.
void frmGame::WatchKey(int keyCode) {
    if (keyCode == keys::Space)
        watchPaused_ = !watchPaused_;
    else if (keyCode == keys::Right || keyCode == 'F')
        watchSpeed_ = watchSpeed_ == 1 ? fastWatch : 1;
    else if (keyCode == keys::Escape)
        close();
}

// The watched game moves on by the real time since the last step, at the chosen speed.
void frmGame::tmrWatch_Timer() {
    const qint64 now = services.clock.nowMs();
    if (!watchPaused_)
        watchedMs_ += double(now - watchedAt_) * watchSpeed_;
    watchedAt_ = now;
    replayRun_->moveTo(qint64(watchedMs_));
    if (isUnloaded())
        return;
    Draw();
    if (replayRun_->ended() && boxDepth_ == 0)
        unload();
}

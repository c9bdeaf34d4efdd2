#pragma once

#include "AnimationPlayer.h"
#include "Form.h"
#include "Game.h"
#include "Label.h"
#include "Replay.h"
#include "Screens.h"
#include "SettingsFile.h"
#include "Sprite.h"
#include "Timer.h"

#include <QCoreApplication>

#include <array>
#include <memory>
#include <vector>

class Random;
class VirtualClock;

// The window in which one game is played, from the menu's Play to its unloading, or a recorded
// game is watched. The rules are the Game's: the window lays them out and draws them, turns
// keys and pad buttons into the player's actions, shows the boxes, pauses when the player
// leaves, and keeps every game it plays as a replay.
class frmGame final : public Form, private Game::Host {
    Q_DECLARE_TR_FUNCTIONS(frmGame)

public:
    frmGame(Services& services, Screens& screens);
    // Watches a recorded game; `whose` names the player in the status strip.
    frmGame(Services& services, Screens& screens, Replay watched, const QString& whose);
    ~frmGame() override;

    // M switches the sound in a game, unless the player bound it to an action.
    static constexpr int soundKey = 'M';

    Game& rules() { return *rules_; }
    const Settings& settings() const { return settings_; }
    bool watching() const { return watched_ != nullptr; }
    // The replay of this game so far.
    const Replay& recording() const { return recording_; }

    // Controls, laid out as the window is created; the rules' field drawn.
    ShapeSprite sqrStatsBackground;
    Label lblDestroyedText;
    Label lblDestroyed;
    Label lblLevelText;
    Label lblLevel;
    Label lblLivesText;
    Label lblWatching;
    Label lblWatchKeys;
    Label lblBox;
    std::vector<std::unique_ptr<PictureSprite>> imgLife;
    PictureSprite imgLife1;
    PictureSprite imgLife0;
    std::vector<std::unique_ptr<PictureSprite>> imgBullet;
    AnimationPlayer swfGV;
    std::vector<std::unique_ptr<AnimationPlayer>> swfTarget;

    bool padButton(PadButton button, bool down) override;
    void Pad_Unplugged();

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyUp(int keyCode, int shift) override;
    void changeEvent(QEvent* event) override;

private:
    frmGame(Services& services, Screens& screens, std::unique_ptr<Replay> watched,
            const QString& whose);

    // Where an action comes from: one keyboard and one pad.
    enum Source : quint8 { Keyboard = 1, Pad = 2 };
    void Press(Source source, Action action);
    void Release(Source source, Action action);
    void Act(Replay::Input input, Action action = Action::Pause);
    void Record(Replay::Input input, Action action = Action::Pause, qint64 stallMs = 0,
                qint64 atMs = -1);
    void EndRecording(bool closed);

    void box(Box which) override;
    void event(Event what) override;
    void gameOver() override;
    void changed() override;

    void Application_Deactivate();
    void Application_Activate();
    void tmrLeave_Timer();
    void tmrWatch_Timer();
    void WatchKey(int keyCode);
    bool FullScreenKey(int keyCode, int shift);
    bool IsBound(int keyCode) const;
    bool MayPause() const;
    void Draw();

    // Leaving the program pauses the game once the leave has settled: a close of the game
    // that comes with it, or a return at once, is no reason for a box.
    Timer tmrLeave;
    // Moves a watched game on as time passes.
    Timer tmrWatch;
    Screens& screens_;
    std::unique_ptr<Replay> watched_;
    std::unique_ptr<Random> replayRandom_;
    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<Game> rules_;
    std::unique_ptr<ReplayRun> replayRun_;
    Settings settings_;
    Replay recording_;
    bool recordingEnded_ = false;
    // Which sources hold each action down: a release counts once none does.
    std::array<quint8, actionCount> heldBy_{};
    bool applicationActive_ = true;
    // Left while minimised: the pause box waits until the window shows again.
    bool pauseWhenShown_ = false;
    // Watching: game time shown so far, the real time it was shown at, and how fast it runs.
    double watchedMs_ = 0;
    qint64 watchedAt_ = 0;
    int watchSpeed_ = 1;
    bool watchPaused_ = false;
    // Watching: how many of the game's boxes are open; the window goes only when none is.
    int boxDepth_ = 0;
    // What the strip showed last, so that only a change is drawn.
    int shownLevel_ = -1;
    int shownDestroyed_ = -1;
    int shownLives_ = -1;
};

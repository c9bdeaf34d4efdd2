#pragma once

#include "AnimationPlayer.h"
#include "Form.h"
#include "Label.h"
#include "Screens.h"
#include "SettingsFile.h"
#include "Sprite.h"
#include "Timer.h"

#include <QCoreApplication>

#include <array>
#include <memory>
#include <vector>

// The window in which one game is played, from the menu's Play to its unloading.
class frmGame final : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmGame)

public:
    frmGame(Services& services, Screens& screens);
    ~frmGame() override;

    // Controls, laid out as the window is created.
    ShapeSprite sqrStatsBackground;
    Label lblDestroyedText;
    Label lblDestroyed;
    Label lblLevelText;
    Label lblLevel;
    Label lblLivesText;
    std::vector<std::unique_ptr<PictureSprite>> imgLife;
    PictureSprite imgLife1;
    PictureSprite imgLife0;
    std::vector<std::unique_ptr<PictureSprite>> imgBullet;
    AnimationPlayer swfGV;
    std::vector<std::unique_ptr<AnimationPlayer>> swfTarget;
    Timer tmrLevel;
    Timer tmrTarget;
    Timer tmrROF;
    Timer tmrShoot;
    Timer tmrUp;
    Timer tmrDown;
    Timer tmrLeft;
    Timer tmrRight;
    // Leaving the program pauses the game once the leave has settled: a close of the game
    // that comes with it, or a return at once, is no reason for a box.
    Timer tmrLeave;

    // Game state: 16-bit integers; flags hold -1 for true and 0 for false.
    Settings settings; // the quality and the bound keys, read from the settings file
    qint16 moveStep = 0;
    std::array<std::array<qint16, 2>, 11> targetMotion{}; // per target: speed, drift
    qint16 nextBullet = 0;
    qint16 bulletCount = 0;
    qint16 targetCount = 0;
    qint16 lives = 0;
    qint16 speedSpread = 0;
    qint16 speedBase = 0;
    qint16 highScorePending = 0;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyUp(int keyCode, int shift) override;
    void tmrTarget_Timer();
    void tmrLevel_Timer();
    void tmrUp_Timer();
    void tmrDown_Timer();
    void tmrLeft_Timer();
    void tmrRight_Timer();
    void tmrROF_Timer();
    void tmrShoot_Timer();
    void Application_Deactivate();
    void Application_Activate();
    void tmrLeave_Timer();
    bool padButton(PadButton button, bool down) override;
    void Pad_Unplugged();

    void PlaceTarget(qint16 index);
    void ResetPlayfield(qint16 fullReset);
    void ShowLives(qint16 count);
    void PauseGame();

private:
    bool FullScreenKey(int keyCode, int shift);
    void HoldPlay();
    void ResumePlay();
    void StepGorvan(Timer& direction, bool atEdge, float dx, float dy);
    bool TouchesGorvan(const AnimationPlayer& target) const;
    bool IsBound(int keyCode) const;
    bool MayPause() const;

    Screens& screens_;
    bool applicationActive_ = true;
    // Left while minimised: the pause box waits until the window shows again.
    bool pauseWhenShown_ = false;

protected:
    void changeEvent(QEvent* event) override;
};

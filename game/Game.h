#pragma once

#include "Timer.h"

#include <QRectF>
#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

class Clock;
class Random;

// A thing on the field: a rectangle in pixels of the game window, single precision, whether it
// is in play, and the frame its movie shows.
class Body {
public:
    Body(float left, float top, float width, float height, bool visible = true)
        : left_(left), top_(top), width_(width), height_(height), visible_(visible) {}

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    bool visible() const { return visible_; }
    int frameNum() const { return frame_; }
    QRectF rect() const { return {left_, top_, width_, height_}; }

    void setLeft(float left) { left_ = left; }
    void setTop(float top) { top_ = top; }
    void move(float left, float top) { left_ = left, top_ = top; }
    void setVisible(bool visible) { visible_ = visible; }
    void setFrameNum(int frame) { frame_ = frame; }

private:
    float left_, top_, width_, height_;
    bool visible_;
    int frame_ = 0;
};

// The player's five actions and the pause, in the order a key's rows are tested.
enum class Action : quint8 { Pause, Right, Left, Up, Down, Fire };
inline constexpr int actionCount = 6;

// The rules of one game, with no window: the field as numbers and rectangles, the timers on
// the clock it is given, the draws of the random generator it is given, and the player's
// actions as input. Whoever shows the game (the game window, a replay, a verifier) is its Host.
class Game {
public:
    class Host {
    public:
        enum class Box { LifeLost, GameOver, Paused };
        enum class Event { Shot, Hit, LifeLost, LevelUp, GameOver };

        virtual ~Host() = default;
        // Shows the box and returns once it is closed; the timers still enabled go on meanwhile.
        virtual void box(Box which) = 0;
        // Something happened that the player hears; it comes before the box it leads to.
        virtual void event(Event /*what*/) {}
        // Game over: after the pass in which it came, the game is left.
        virtual void gameOver() = 0;
        // A tick has moved the field on.
        virtual void changed() {}
    };

    Game(Clock& clock, Random& random, Host& host);

    // The field. Gorvan, the targets and the bullets; the grey strip's height is the upper
    // edge of the flight area.
    Body sqrStatsBackground{1, 1, 470, 37};
    Body swfGV{124, 142.47f, 34, 68};
    std::vector<Body> swfTarget{{24, 52, 37, 37}};
    std::vector<Body> imgBullet{{12, 68, 4, 2, false}};
    static constexpr float ScaleWidth = 471, ScaleHeight = 353;
    float scaleWidth() const { return ScaleWidth; }
    float scaleHeight() const { return ScaleHeight; }

    Timer tmrLevel;
    Timer tmrTarget;
    Timer tmrROF;
    Timer tmrShoot;
    Timer tmrUp;
    Timer tmrDown;
    Timer tmrLeft;
    Timer tmrRight;

    // Game state: 16-bit integers; flags hold -1 for true and 0 for false.
    static constexpr qint16 startLives = 3;
    qint16 moveStep = 0;
    std::array<std::array<qint16, 2>, 11> targetMotion{}; // per target: speed, drift
    qint16 nextBullet = 0;
    qint16 bulletCount = 0;
    qint16 targetCount = 0;
    qint16 lives = 0;
    qint16 speedSpread = 0;
    qint16 speedBase = 0;
    qint16 highScorePending = 0;
    // The counts the status strip shows, and the lives its pictures show.
    int level = 0;
    int destroyed = 0;
    qint16 livesShown = startLives;
    // The seed of this game's draws, from Form_Load.
    quint32 seed = 0;

    void Form_Load();
    void Form_Unload();
    // One action's rows of the key handlers; the window turns keys and pad buttons into them.
    void Form_KeyDown(Action action);
    void Form_KeyUp(Action action);
    void tmrTarget_Timer();
    void tmrLevel_Timer();
    void tmrUp_Timer();
    void tmrDown_Timer();
    void tmrLeft_Timer();
    void tmrRight_Timer();
    void tmrROF_Timer();
    void tmrShoot_Timer();

    // The whole state of the field and the counts, as one number: two games that differ in
    // anything the rules keep differ in it.
    quint64 Digest() const;

    void PlaceTarget(qint16 index);
    void ResetPlayfield(qint16 fullReset);
    void ShowLives(qint16 count);
    void PauseGame();
    // Gorvan, the gun, the targets and the level clock stop; bullets already fired fly on.
    void HoldPlay();
    // Targets and the level clock go on; Gorvan and the gun wait for a key.
    void ResumePlay();

private:
    // A timer's tick: its handler, then the host hears that the field moved.
    std::function<void()> Tick(void (Game::*handler)());
    void StepGorvan(Timer& direction, bool atEdge, float dx, float dy);
    bool TouchesGorvan(const Body& target) const;

    Random& random_;
    Host& host_;
};

#include "Game.h"

#include "Clock.h"
#include "Numeric.h"
#include "Random.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <cmath>

namespace {
constexpr qint16 True = -1;
constexpr qint16 False = 0;
} // namespace

Game::Game(Clock& clock, Random& random, Host& host)
    : tmrLevel(clock, 10000, Tick(&Game::tmrLevel_Timer)),
      // A target takes one step in each frame of the clock.
      tmrTarget(clock, Clock::frameMs, Tick(&Game::tmrTarget_Timer)),
      tmrROF(clock, 200, Tick(&Game::tmrROF_Timer)),
      tmrShoot(clock, 10, Tick(&Game::tmrShoot_Timer)), tmrUp(clock, 10, Tick(&Game::tmrUp_Timer)),
      tmrDown(clock, 10, Tick(&Game::tmrDown_Timer)),
      tmrLeft(clock, 10, Tick(&Game::tmrLeft_Timer)),
      tmrRight(clock, 10, Tick(&Game::tmrRight_Timer)), random_(random), host_(host) {}

std::function<void()> Game::Tick(void (Game::*handler)()) {
    return [this, handler] {
        (this->*handler)();
        host_.changed();
    };
}

void Game::Form_Load() {
    seed = random_.randomize();
    lives = startLives;
    speedSpread = 1;
    speedBase = 1;
    targetCount = 10;
    bulletCount = 5;
    moveStep = 5;
    for (qint16 i = 1, last = bulletCount; i <= last; ++i) {
        imgBullet.push_back(imgBullet[0]);
        imgBullet.back().setVisible(false);
    }
    for (qint16 i = 0, last = targetCount; i <= last; ++i) {
        if (i > 0) {
            swfTarget.push_back(swfTarget[0]);
            swfTarget.back().setVisible(false);
        }
        PlaceTarget(i);
        swfTarget[i].setVisible(true);
    }
    ResumePlay();
}

void Game::Form_Unload() {
    ResetPlayfield(True);
}

void Game::ResetPlayfield(qint16 fullReset) {
    nextBullet = 0;
    if (fullReset) {
        lives = startLives;
        destroyed = 0;
        level = 0;
    }
    ShowLives(lives);
    // Every game timer stops, the bullets' too: they leave the playfield with this reset.
    HoldPlay();
    tmrShoot.setEnabled(false);
    for (qint16 i = 0, last = bulletCount; i <= last; ++i) {
        imgBullet[i].move(0, 0);
        imgBullet[i].setVisible(false);
    }
    for (qint16 i = 0, last = targetCount; i <= last; ++i) {
        PlaceTarget(i);
        swfTarget[i].setVisible(true);
    }
    swfGV.move(scaleWidth() / 3 - swfGV.width() / 2, scaleHeight() / 2 - swfGV.height() / 2);
}

quint64 Game::Digest() const {
    QByteArray state;
    const auto add = [&state](auto value) {
        state.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    for (const Body* body : {&swfGV})
        add(body->rect()), add(body->frameNum());
    for (const std::vector<Body>* bodies : {&swfTarget, &imgBullet})
        for (const Body& body : *bodies)
            add(body.rect()), add(body.visible()), add(body.frameNum());
    add(targetMotion);
    for (int value : {int(lives), int(livesShown), level, destroyed, int(nextBullet),
                      int(speedSpread), int(speedBase)})
        add(value);
    for (const Timer* timer :
         {&tmrLevel, &tmrTarget, &tmrROF, &tmrShoot, &tmrUp, &tmrDown, &tmrLeft, &tmrRight})
        add(timer->enabled());
    return qFromLittleEndian<quint64>(
        QCryptographicHash::hash(state, QCryptographicHash::Sha256).constData());
}

// Counts outside what the three pictures can show change nothing.
void Game::ShowLives(qint16 count) {
    if (count >= 0 && count <= startLives)
        livesShown = count;
}

void Game::PlaceTarget(qint16 index) {
    Body& target = swfTarget[index];
    targetMotion[index][0] =
        numeric::toInteger(std::floor(random_.next() * speedSpread) + speedBase);
    targetMotion[index][1] = numeric::toInteger(4 * random_.next() - 2);
    target.setFrameNum(static_cast<int>(std::floor(2 * random_.next())));
    const float strip = sqrStatsBackground.height();
    const float firstHeight = swfTarget[0].height();
    const float top =
        std::floor(random_.next() * (scaleHeight() - firstHeight - strip - 2)) + strip + 1;
    const float left = std::floor(500 * random_.next()) + (scaleWidth() + 1);
    target.move(left, top);
}

void Game::tmrTarget_Timer() {
    qint16 gameOver = False;
    for (qint16 i = 0, last = targetCount; i <= last; ++i) {
        if (TouchesGorvan(swfTarget[i])) {
            swfGV.setFrameNum(0);
            --lives;
            HoldPlay();
            if (lives < 0) {
                host_.event(Host::Event::GameOver);
                host_.box(Host::Box::GameOver);
                // Reaching level 3 is the whole test for the hall of fame.
                if (level >= 3)
                    highScorePending = True;
                gameOver = True;
                // The remaining targets are not tested; the last one still takes its step.
                i = targetCount;
            } else {
                host_.event(Host::Event::LifeLost);
                host_.box(Host::Box::LifeLost);
                ResetPlayfield(False);
                ResumePlay();
            }
        }

        Body& target = swfTarget[i];
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
        host_.gameOver();
}

// Gorvan's hit box is his rectangle less 5 pixels left and top and 10 right and bottom; both
// boxes are closed, so touching edges collide. Each sum is rounded to single precision.
bool Game::TouchesGorvan(const Body& target) const {
    const float gLeft = swfGV.left(), gTop = swfGV.top();
    const float gWidth = swfGV.width(), gHeight = swfGV.height();
    return target.visible() && gLeft + 5 <= target.left() + target.width() &&
           (gLeft - 5) + gWidth - 5 >= target.left() &&
           gTop + 5 <= target.top() + target.height() && (gTop - 5) + gHeight - 5 >= target.top();
}

namespace {
// Each direction: its action, its timer, the opposite timer that its press stops, and Gorvan's
// frame while it is pressed (1 moving right, up or down, 2 moving left).
constexpr struct {
    Action action;
    Timer Game::*own;
    Timer Game::*opposite;
    int frame;
} directions[] = {{Action::Right, &Game::tmrRight, &Game::tmrLeft, 1},
                  {Action::Left, &Game::tmrLeft, &Game::tmrRight, 2},
                  {Action::Up, &Game::tmrUp, &Game::tmrDown, 1},
                  {Action::Down, &Game::tmrDown, &Game::tmrUp, 1}};
} // namespace

// The rows of a key's press, for one action: pressing a direction stops its opposite.
void Game::Form_KeyDown(Action action) {
    if (action == Action::Pause)
        PauseGame();
    if (action == Action::Fire) {
        // The first bullet leaves at once; the rate of fire brings the next ones.
        if (!tmrROF.enabled())
            tmrROF_Timer();
        tmrROF.setEnabled(true);
    }
    for (const auto& direction : directions) {
        if (direction.action == action) {
            (this->*direction.opposite).setEnabled(false);
            (this->*direction.own).setEnabled(true);
            swfGV.setFrameNum(direction.frame);
        }
    }
}

// A release stops its own timer; a direction's also rests the frame, even when its timer had
// already stopped. The pause has no release.
void Game::Form_KeyUp(Action action) {
    if (action == Action::Fire)
        tmrROF.setEnabled(false);
    for (const auto& direction : directions) {
        if (direction.action == action) {
            (this->*direction.own).setEnabled(false);
            swfGV.setFrameNum(0);
        }
    }
}

// The pause lasts as long as its box: afterwards targets and levels go on, and Gorvan stands
// until a key is pressed again.
void Game::PauseGame() {
    HoldPlay();
    host_.box(Host::Box::Paused);
    ResumePlay();
}

void Game::HoldPlay() {
    for (Timer* timer : {&tmrLeft, &tmrRight, &tmrUp, &tmrDown, &tmrROF, &tmrTarget, &tmrLevel})
        timer->setEnabled(false);
}

void Game::ResumePlay() {
    tmrLevel.setEnabled(true);
    tmrTarget.setEnabled(true);
}

void Game::tmrLevel_Timer() {
    host_.event(Host::Event::LevelUp);
    ++level;
    speedSpread = numeric::toInteger(std::floor(level / 2.0) + 1);
    speedBase = numeric::toInteger(std::floor(level / 4.0) + 1);
}

// Movement: the edge test comes before the step and nothing is clamped, so the last step
// may carry Gorvan up to one step past an edge.

void Game::tmrUp_Timer() {
    StepGorvan(tmrUp, swfGV.top() <= sqrStatsBackground.height(), 0, -moveStep);
}

void Game::tmrDown_Timer() {
    StepGorvan(tmrDown, swfGV.top() + swfGV.height() >= scaleHeight(), 0, moveStep);
}

void Game::tmrLeft_Timer() {
    StepGorvan(tmrLeft, swfGV.left() <= 0, -moveStep, 0);
}

void Game::tmrRight_Timer() {
    StepGorvan(tmrRight, swfGV.left() + swfGV.width() >= scaleWidth(), moveStep, 0);
}

// At the edge the direction's timer stops; elsewhere Gorvan takes one step.
void Game::StepGorvan(Timer& direction, bool atEdge, float dx, float dy) {
    if (atEdge)
        direction.setEnabled(false);
    else
        swfGV.move(swfGV.left() + dx, swfGV.top() + dy);
}

void Game::tmrROF_Timer() {
    // A plain rotation: a bullet still in flight when its turn comes is recalled.
    Body& bullet = imgBullet[nextBullet];
    bullet.move(swfGV.left() + 36, swfGV.top() + 32);
    bullet.setVisible(true);
    if (nextBullet == bulletCount)
        nextBullet = 0;
    else
        ++nextBullet;
    tmrShoot.setEnabled(true);
    host_.event(Host::Event::Shot);
}

void Game::tmrShoot_Timer() {
    for (qint16 b = 0, lastBullet = bulletCount; b <= lastBullet; ++b) {
        Body& bullet = imgBullet[b];
        for (qint16 t = 0, lastTarget = targetCount; t <= lastTarget; ++t) {
            Body& target = swfTarget[t];
            // Closed boxes: touching edges count as a hit.
            if (target.left() <= bullet.left() + bullet.width() &&
                target.left() + target.width() >= bullet.left() &&
                target.top() <= bullet.top() + bullet.height() &&
                target.top() + target.height() >= bullet.top() && target.visible() &&
                bullet.visible()) {
                bullet.setVisible(false);
                target.setVisible(false);
                bullet.setLeft(scaleWidth() + 1);
                ++destroyed;
                host_.event(Host::Event::Hit);
                break;
            }
        }
        if (bullet.left() > scaleWidth())
            bullet.setVisible(false);
        else
            bullet.setLeft(bullet.left() + 10);
    }
}

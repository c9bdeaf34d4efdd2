#include "AnimationPlayer.h"
#include "Clock.h"
#include "Sprite.h"

#include <QAbstractEventDispatcher>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString gorvanMovie = VEXAROO_SOURCE_DIR "/anim/gv";

// A shown window whose canvas reports every paint it gets.
struct Stage : QObject {
    VirtualClock clock;
    QWidget window;
    SpriteCanvas canvas{&window, clock};
    std::vector<QRegion> paints;

    Stage() {
        window.resize(400, 300);
        canvas.setGeometry(window.rect());
        canvas.installEventFilter(this);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            paints.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
    // The end of a pass of the event loop, when every due timer has run.
    void endOfPass() { emit QAbstractEventDispatcher::instance()->aboutToBlock(); }
    void settle() {
        clock.advance(100);
        endOfPass();
        paints.clear();
    }
};

// The pixels a sprite at this place covers.
QRect covered(int left, int top) {
    return QRect(left - 1, top - 1, 22, 22);
}

} // namespace

TEST(SpriteCanvas, ChangesInOneSlotPaintOnceWhereSpritesWereAndAre) {
    Stage stage;
    ShapeSprite a(stage.canvas, 10, 10, 20, 20, Qt::red, Qt::red, 1);
    ShapeSprite b(stage.canvas, 100, 100, 20, 20, Qt::red, Qt::red, 1);
    ShapeSprite hidden(stage.canvas, 200, 200, 20, 20, Qt::red, Qt::red, 1);
    hidden.setVisible(false);
    stage.settle();

    // Three timers' changes in one pass, and a fourth later in the same slot.
    const int slot = Clock::frameMs;
    stage.clock.advance(slot - stage.clock.nowMs() % slot);
    a.move(14, 10);
    b.setTop(103);
    a.setLeft(18);
    hidden.move(250, 200);
    stage.endOfPass();
    stage.clock.advance(4);
    b.setLeft(104);
    stage.endOfPass();
    ASSERT_EQ(stage.paints.size(), 1u);
    const QRegion first = stage.paints[0];
    for (QRect place : {covered(10, 10), covered(18, 10), covered(100, 100), covered(100, 103)})
        EXPECT_TRUE(first.contains(place)) << place.x() << "," << place.y();
    // Nothing else: the old and new places of a moved sprite and no other pixels.
    EXPECT_FALSE(first.intersects(QRect(40, 0, 55, 300)));
    EXPECT_FALSE(first.intersects(QRect(130, 0, 270, 300)));

    // The next slot brings the last change.
    stage.clock.advance(slot - 4);
    stage.endOfPass();
    ASSERT_EQ(stage.paints.size(), 2u);
    EXPECT_TRUE(stage.paints[1].contains(covered(104, 103)));
    EXPECT_FALSE(stage.paints[1].intersects(covered(18, 10)));

    // A hidden sprite that moves paints nothing, and without a pass the clock brings the frame.
    hidden.move(260, 200);
    stage.clock.advance(100);
    EXPECT_EQ(stage.paints.size(), 2u);
    a.setVisible(false);
    stage.clock.advance(100);
    ASSERT_EQ(stage.paints.size(), 3u);
    EXPECT_TRUE(stage.paints[2].contains(covered(18, 10)));
}

TEST(SpriteCanvas, ItsTimerRunsOnlyWhileAVisibleMovieAnimatesOrAChangeWaits) {
    struct Case {
        const char* what;
        int frameNum; // -1: no movie
        bool visible;
        bool windowShown;
        bool running;
    };
    const Case cases[] = {
        {"still shape", -1, true, true, false},
        {"looping movie", 0, true, true, true},
        {"hidden looping movie", 0, false, true, false},
        {"looping movie in a hidden window", 0, true, false, false},
    };
    for (const Case& c : cases) {
        Stage stage;
        ShapeSprite shape(stage.canvas, 0, 0, 10, 10, Qt::red, Qt::red, 1);
        AnimationPlayer player(stage.canvas, 50, 50, 34, 68);
        if (c.frameNum >= 0) {
            player.setMovie(gorvanMovie);
            player.setFrameNum(c.frameNum);
        }
        player.setVisible(c.visible);
        stage.window.setVisible(c.windowShown);
        stage.settle();
        EXPECT_EQ(stage.clock.runningTimers(), c.running ? 1u : 0u) << c.what;
        EXPECT_EQ(stage.canvas.frameTimerRunning(), c.running) << c.what;
        shape.setLeft(5); // a change wakes it, for one frame when nothing animates
        EXPECT_EQ(stage.canvas.frameTimerRunning(), c.windowShown) << c.what;
        stage.settle();
        EXPECT_EQ(stage.canvas.frameTimerRunning(), c.running) << c.what;
    }
}

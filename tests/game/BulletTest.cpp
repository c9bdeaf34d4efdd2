#include "GameFixture.h"

// A launch puts the next bullet beside Gorvan and starts the flight; the seventh shot recalls
// bullet 0 from its flight.
TEST_F(Rules, ALaunchPutsTheNextBulletBesideGorvanAndTheSeventhRecallsBulletZero) {
    startWithTargetsFarAway();
    g.swfGV.move(100, 50);
    g.tmrROF_Timer();
    EXPECT_EQ(g.imgBullet[0].rect(), QRectF(136, 82, 4, 2));
    EXPECT_TRUE(g.imgBullet[0].visible());
    EXPECT_EQ(g.nextBullet, 1);
    EXPECT_TRUE(g.tmrShoot.enabled());
    clock.advance(10);
    EXPECT_EQ(g.imgBullet[0].rect().topLeft(), QPointF(146, 82));
    for (int shot = 1; shot < 6; ++shot)
        g.tmrROF_Timer();
    EXPECT_EQ(g.nextBullet, 0);
    clock.advance(20);
    EXPECT_EQ(g.imgBullet[0].left(), 166.0f);
    g.swfGV.move(120, 60);
    g.tmrROF_Timer();
    EXPECT_EQ(g.imgBullet[0].rect().topLeft(), QPointF(156, 92));
    EXPECT_TRUE(g.imgBullet[0].visible());
    EXPECT_EQ(g.nextBullet, 1);
}

// Bullets (4 x 2) and targets (37 x 37) placed, then tmrShoot's ticks: a bullet destroys the
// first target it touches, the lower index first (boxes that only touch count), hides and goes
// beyond the right edge; every other bullet moves ten pixels on, a hidden one unseen, and one
// past the edge hides. Hidden bullets and hidden targets never hit. Each hit counts one more.
TEST_F(Rules, EachBulletDestroysTheFirstTargetItTouches) {
    const struct {
        const char* before;
        int ticks;
        const char* after;
        int hits;
    } rows[] = {
        {"t3@200,100 b1@210,110 b2@220,120", 1, "-t3@200,100 -b1@472,110 b2@230,120", 1},
        {"t5@200,100 t2@190,90 b0@220,120", 1, "t5@200,100 -t2@190,90", 1},
        {"t0@100,100 b0@100,100 t1@300,200 b1@300,200", 1, "-t0@100,100 -t1@300,200", 2},
        {"t0@104,90 b0@100,100", 1, "-t0@104,90", 1},
        {"t0@63,90 b0@100,100", 1, "-t0@63,90", 1},
        {"t0@80,102 b0@100,100", 1, "-t0@80,102", 1},
        {"t0@80,63 b0@100,100", 1, "-t0@80,63", 1},
        {"t0@104.5,90 b0@100,100", 1, "t0@104.5,90", 0},
        {"t0@62.5,90 b0@100,100", 1, "t0@62.5,90", 0},
        {"t0@80,102.5 b0@100,100", 1, "t0@80,102.5", 0},
        {"t0@80,62.5 b0@100,100", 1, "t0@80,62.5", 0},
        {"t0@100,100 -b0@110,110", 1, "t0@100,100 -b0@120,110", 0},
        {"-t0@100,100 b0@110,110", 1, "b0@120,110", 0},
        {"b4@471,200", 1, "b4@481,200", 0},
        {"b4@471,200", 2, "-b4@481,200", 0},
    };
    startWithTargetsFarAway();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before);
        for (Body& bullet : g.imgBullet)
            bullet.setVisible(false);
        for (Body& target : g.swfTarget)
            put(target, 971, 38);
        g.destroyed = 8;
        place(row.before);
        for (int tick = 0; tick < row.ticks; ++tick)
            g.tmrShoot_Timer();
        EXPECT_EQ(standing(row.after), row.after);
        EXPECT_EQ(g.destroyed, 8 + row.hits);
    }
}

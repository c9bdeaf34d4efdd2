#include "GameFixture.h"

#include <QPointer>

TEST_F(Rules, AFreshGameHasItsStartValues) {
    random.fallback = {0.5f};
    start();
    EXPECT_EQ(random.randomizeCalls, 1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ((std::vector<int>{g.lives, g.speedSpread, g.speedBase, g.targetCount, g.bulletCount,
                                g.moveStep, g.nextBullet, g.highScorePending, g.level, g.destroyed,
                                g.livesShown}),
              (std::vector<int>{3, 1, 1, 10, 5, 5, 0, 0, 0, 0, 3}));
    EXPECT_EQ(g.sqrStatsBackground.rect(), QRectF(1, 1, 470, 37));
    EXPECT_EQ(g.swfGV.rect(), QRectF(124, 142.47f, 34, 68));
    ASSERT_EQ(g.imgBullet.size(), 6u);
    for (const Body& bullet : g.imgBullet) {
        EXPECT_FALSE(bullet.visible());
        EXPECT_EQ(bullet.rect(), QRectF(12, 68, 4, 2));
    }
    ASSERT_EQ(g.swfTarget.size(), 11u);
    for (const Body& target : g.swfTarget) {
        EXPECT_TRUE(target.visible());
        EXPECT_GE(target.left(), 472.0f); // all start beyond the right edge
        EXPECT_EQ(target.width(), 37.0f);
        EXPECT_EQ(target.height(), 37.0f);
    }
    EXPECT_TRUE(g.tmrLevel.enabled());
    EXPECT_TRUE(g.tmrTarget.enabled());
    for (Timer* t : {&g.tmrROF, &g.tmrShoot, &g.tmrUp, &g.tmrDown, &g.tmrLeft, &g.tmrRight})
        EXPECT_FALSE(t->enabled());
    EXPECT_EQ((std::vector<int>{g.tmrLevel.interval(), g.tmrTarget.interval(), g.tmrROF.interval(),
                                g.tmrShoot.interval(), g.tmrUp.interval()}),
              (std::vector<int>{10000, 30, 200, 10, 10}));
}

// The window draws the rules' field where they put it, whatever the size it is shown at.
TEST_F(GameWindow, TheWindowShowsAFreshGameAsDesigned) {
    world.random.fallback = {0.5f};
    frmGame& g = game();
    EXPECT_EQ(g.windowTitle(), "Vexaroo - Press P to pause");
    EXPECT_EQ(g.scaleWidth(), 471.0f);
    EXPECT_EQ(g.scaleHeight(), 353.0f);
    // The rules run again with every window at size 2 (QT_SCALE_FACTOR): the same figures.
    g.show();
    EXPECT_EQ(g.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    g.hide();
    EXPECT_EQ(values(g.settings()), (std::vector<qint16>{1, 37, 39, 38, 40, 32}));

    EXPECT_EQ(g.sqrStatsBackground.rect(), QRectF(1, 1, 470, 37));
    const struct {
        Label& label;
        QString caption;
        QRect place;
    } labels[] = {{g.lblDestroyedText, "Enemies Destroyed:", {4, 5, 94, 13}},
                  {g.lblDestroyed, "0", {100, 5, 6, 13}},
                  {g.lblLevelText, "Level:", {4, 19, 29, 13}},
                  {g.lblLevel, "0", {36, 19, 6, 13}},
                  {g.lblLivesText, "Bananas Remaining:", {299, 12, 98, 13}}};
    for (const auto& l : labels) {
        EXPECT_EQ(l.label.caption(), l.caption);
        EXPECT_EQ(l.label.pos(), l.place.topLeft()) << l.caption.toStdString();
    }
    EXPECT_EQ(g.lblLivesText.geometry(), QRect(299, 12, 98, 13));
    EXPECT_TRUE(g.lblLivesText.alignment() & Qt::AlignRight);
    EXPECT_FALSE(g.lblWatching.isVisibleTo(&g));

    ASSERT_EQ(g.imgLife.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(g.imgLife[k]->rect(), QRectF(404 + 20 * k, 4, 20, 31));
        EXPECT_TRUE(g.imgLife[k]->visible());
    }
    EXPECT_EQ(lifePictures(), std::vector<QString>(3, g.imgLife1.picture()));
    EXPECT_NE(g.imgLife1.picture(), g.imgLife0.picture());
    EXPECT_FALSE(g.imgLife1.visible());
    EXPECT_FALSE(g.imgLife0.visible());

    const Game& r = g.rules();
    EXPECT_EQ(g.swfGV.rect(), r.swfGV.rect());
    ASSERT_EQ(g.imgBullet.size(), 6u);
    for (auto& bullet : g.imgBullet)
        EXPECT_FALSE(bullet->visible());
    ASSERT_EQ(g.swfTarget.size(), 11u);
    for (std::size_t i = 0; i < g.swfTarget.size(); ++i) {
        EXPECT_EQ(g.swfTarget[i]->rect(), r.swfTarget[i].rect());
        EXPECT_EQ(g.swfTarget[i]->quality(), 1);
    }
}

// The five draws in order: speed, drift, frame, top and left.
TEST_F(Rules, PlaceTargetDrawsSpeedDriftFrameTopAndLeft) {
    constexpr float u = justUnderOne;
    const struct {
        qint16 base, spread;
        std::initializer_list<float> draws;
        int speed, drift, frame;
        float top, left;
    } rows[] = {
        {3, 4, {0, 0, 0, 0, 0}, 3, -2, 0, 38, 472},
        {3, 4, {u, u, u, u, u}, 6, 2, 1, 314, 971},
        // floor(1.2) + 1; 4 * 0.3 - 2 = -0.8; floor(1.4); floor(0.5 * 277) + 38; 125 + 472
        {1, 2, {0.6f, 0.3f, 0.7f, 0.5f, 0.25f}, 2, -1, 1, 176, 597},
    };
    start();
    for (const auto& row : rows) {
        g.speedBase = row.base;
        g.speedSpread = row.spread;
        const bool wasVisible = g.swfTarget[2].visible();
        random.queue(row.draws);
        g.PlaceTarget(2);
        EXPECT_EQ(random.pending(), 0u);
        EXPECT_EQ(g.targetMotion[2], (std::array<qint16, 2>{qint16(row.speed), qint16(row.drift)}));
        EXPECT_EQ(g.swfTarget[2].frameNum(), row.frame);
        EXPECT_EQ(g.swfTarget[2].rect().topLeft(), QPointF(row.left, row.top));
        EXPECT_EQ(g.swfTarget[2].visible(), wasVisible);
    }
}

TEST_F(Rules, ATargetWhollyPastTheLeftEdgeIsPlacedAgainBeforeItMoves) {
    start();
    Body& target = g.swfTarget[4];
    target.setLeft(-37); // Left + Width is exactly 0
    target.setVisible(false);
    g.targetMotion[4] = {1, 0};
    // Targets 0 to 3 move without drawing; target 4 takes the five draws.
    random.queue({0, 0, 0, 0, 0});
    g.tmrTarget_Timer();
    EXPECT_TRUE(target.visible());
    EXPECT_EQ(target.left(), 471.0f); // placed at 472, then moved by its new speed 1
    EXPECT_EQ(target.top(), 36.0f);   // and its new drift -2
    EXPECT_EQ(random.pending(), 0u);

    // Half a pixel short of the edge it is not placed again.
    target.setLeft(-36.5f);
    g.tmrTarget_Timer();
    EXPECT_EQ(target.left(), -37.5f);
    EXPECT_EQ(random.drawsMade, 5 * 11 + 5);
}

// A target turns where it reaches or passes the strip or the bottom edge (316 + 37 = 353).
TEST_F(Rules, TargetsBounceOffTheStripAndTheBottomEdge) {
    const struct {
        float top;
        qint16 drift;
        std::vector<float> tops;
    } rows[] = {{38, -2, {36, 38, 40}}, {314, 2, {316, 314, 312}}, {37, -2, {39}}, {316, 2, {314}}};
    startWithTargetsFarAway();
    Body& target = g.swfTarget[0];
    for (const auto& row : rows) {
        target.setTop(row.top);
        g.targetMotion[0] = {1, row.drift};
        std::vector<float> tops;
        for (std::size_t tick = 0; tick < row.tops.size(); ++tick) {
            g.tmrTarget_Timer();
            tops.push_back(target.top());
        }
        EXPECT_EQ(tops, row.tops) << row.top;
        EXPECT_EQ(g.targetMotion[0][1], -row.drift) << row.top;
    }
}

// At level zero every target flies in from the right at one pixel a tick and, wholly past the
// left edge, is placed again at its next tick: shown, or after a hit, hidden until then.
TEST_F(Rules, TargetsComeInFromTheRightAndReturnAfterLeavingOnTheLeft) {
    random.queue({0, 0.5f, 0, 0, 0}); // target 0: speed 1, drift 0, starts at 472
    random.fallback = {justUnderOne}; // the others start far out, at 971, with speed 1 too
    start();
    Body& target = g.swfTarget[0];
    clock.advance(29);
    EXPECT_EQ(target.left(), 472.0f);
    // 472 + 37 pixels at one pixel per 30 ms: wholly past the left edge after 509 ticks.
    clock.advance(30 * 508 - 29);
    std::vector<float> lefts(11, 971 - 508);
    lefts[0] = -36;
    EXPECT_EQ(targetLefts(), lefts);
    random.queue({0, 0.5f, 0, 0, 0});
    clock.advance(30);
    EXPECT_EQ(target.left(), -37.0f);
    clock.advance(30);
    EXPECT_EQ(target.left(), 471.0f);
    EXPECT_TRUE(target.visible());

    put(target, 20, 100);
    put(g.imgBullet[0], 30, 110);
    g.tmrShoot_Timer();
    ASSERT_FALSE(target.visible());
    clock.advance(30 * 57); // 20 + 37 pixels to go
    EXPECT_FALSE(target.visible());
    EXPECT_EQ(target.left(), -37.0f);
    clock.advance(30);
    EXPECT_TRUE(target.visible());
    EXPECT_GE(target.left(), 471.0f);
}

TEST_F(Rules, ShowLivesForEachCountAndNothingOutsideTheRange) {
    start();
    const std::pair<qint16, qint16> shown[] = {{0, 0}, {1, 1},  {2, 2}, {3, 3},
                                               {1, 1}, {-1, 1}, {4, 1}};
    for (const auto& [count, lives] : shown) {
        g.ShowLives(count);
        EXPECT_EQ(g.livesShown, lives) << count;
    }
}

TEST_F(GameWindow, ClosingTheWindowEndsTheGameAndTheNextGameStartsFresh) {
    QPointer<frmGame> first = &game();
    first->show();
    Game& r = first->rules();
    r.lives = 1;
    r.speedSpread = 5;
    r.speedBase = 3;
    r.level = 9;
    r.destroyed = 40;
    first->close();
    EXPECT_TRUE(first->isUnloaded());
    EXPECT_FALSE(r.tmrTarget.enabled());
    EXPECT_FALSE(r.tmrLevel.enabled());
    world.clock.advance(60000); // no timer of the closed game fires
    processDeferredDeletes();
    EXPECT_FALSE(first);

    frmGame& second = game();
    const Game& s = second.rules();
    EXPECT_EQ((std::vector<int>{s.lives, s.speedSpread, s.speedBase, s.level, s.destroyed}),
              (std::vector<int>{3, 1, 1, 0, 0}));
    EXPECT_EQ(second.lblLevel.caption(), "0");
    EXPECT_EQ(second.swfGV.rect(), QRectF(124, 142.47f, 34, 68));
    EXPECT_TRUE(s.tmrTarget.enabled());
}

TEST_F(GameWindow, BrokenSettingsFileIsReportedOnceAndPlayGoesOnWithDefaults) {
    world.writeFile("settings", "0\r\n65\r\nxx\r\n");
    frmGame& g = game();
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains("\"settings\""));
    EXPECT_EQ(values(g.settings()), (std::vector<qint16>{0, 65, 39, 38, 40, 32}));
    EXPECT_EQ(g.swfGV.quality(), 0);
    EXPECT_EQ(g.swfTarget[10]->quality(), 0); // copies take element 0's quality
    EXPECT_TRUE(g.rules().tmrTarget.enabled());
    EXPECT_EQ(world.readFile("settings"), QByteArray("0\r\n65\r\nxx\r\n"));
}

#include "GameFixture.h"

#include <QCoreApplication>
#include <QPointer>

TEST_F(GameWindow, AFreshGameHasItsStartValuesAndLayout) {
    world.random.fallback = 0.5f;
    frmGame& g = game();
    EXPECT_EQ(g.windowTitle(), QStringLiteral("Vexaroo - Press P to pause"));
    EXPECT_EQ(g.scaleWidth(), 471.0f);
    EXPECT_EQ(g.scaleHeight(), 353.0f);
    // The rules run again with every window at size 2 (QT_SCALE_FACTOR): the same figures.
    g.show();
    EXPECT_EQ(g.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    g.hide();
    EXPECT_EQ(world.random.randomizeCalls, 1);
    EXPECT_TRUE(world.messageBox.texts.empty());

    EXPECT_EQ(g.lives, 3);
    EXPECT_EQ(g.speedSpread, 1);
    EXPECT_EQ(g.speedBase, 1);
    EXPECT_EQ(g.targetCount, 10);
    EXPECT_EQ(g.bulletCount, 5);
    EXPECT_EQ(g.moveStep, 5);
    EXPECT_EQ(g.nextBullet, 0);
    EXPECT_EQ(g.highScorePending, 0);
    EXPECT_EQ((std::vector<qint16>{g.settings.imageQuality, g.settings.keyMoveLeft,
                                   g.settings.keyMoveRight, g.settings.keyMoveUp,
                                   g.settings.keyMoveDown, g.settings.keyFire}),
              (std::vector<qint16>{1, 37, 39, 38, 40, 32}));

    EXPECT_EQ(g.sqrStatsBackground.rect(), QRectF(1, 1, 470, 37));
    EXPECT_EQ(g.lblDestroyedText.caption(), QStringLiteral("Enemies Destroyed:"));
    EXPECT_EQ(g.lblDestroyedText.pos(), QPoint(4, 5));
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("0"));
    EXPECT_EQ(g.lblDestroyed.pos(), QPoint(100, 5));
    EXPECT_EQ(g.lblLevelText.caption(), QStringLiteral("Level:"));
    EXPECT_EQ(g.lblLevelText.pos(), QPoint(4, 19));
    EXPECT_EQ(g.lblLevel.caption(), QStringLiteral("0"));
    EXPECT_EQ(g.lblLevel.pos(), QPoint(36, 19));
    EXPECT_EQ(g.lblLivesText.caption(), QStringLiteral("Bananas Remaining:"));
    EXPECT_EQ(g.lblLivesText.geometry(), QRect(299, 12, 98, 13));
    EXPECT_TRUE(g.lblLivesText.alignment() & Qt::AlignRight);

    ASSERT_EQ(g.imgLife.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(g.imgLife[k]->rect(), QRectF(404 + 20 * k, 4, 20, 31));
        EXPECT_TRUE(g.imgLife[k]->visible());
    }
    EXPECT_EQ(lifePictures(), std::vector<QString>(3, g.imgLife1.picture()));
    EXPECT_NE(g.imgLife1.picture(), g.imgLife0.picture());
    EXPECT_FALSE(g.imgLife1.visible());
    EXPECT_FALSE(g.imgLife0.visible());

    EXPECT_EQ(g.swfGV.rect(), QRectF(124, 142.47f, 34, 68));
    ASSERT_EQ(g.imgBullet.size(), 6u);
    for (auto& bullet : g.imgBullet) {
        EXPECT_FALSE(bullet->visible());
        EXPECT_EQ(bullet->rect(), QRectF(12, 68, 4, 2));
    }
    ASSERT_EQ(g.swfTarget.size(), 11u);
    for (auto& target : g.swfTarget) {
        EXPECT_TRUE(target->visible());
        EXPECT_GE(target->left(), 472.0f); // all start beyond the right edge
        EXPECT_EQ(target->width(), 37.0f);
        EXPECT_EQ(target->height(), 37.0f);
        EXPECT_EQ(target->quality(), 1);
    }

    EXPECT_TRUE(g.tmrLevel.enabled());
    EXPECT_TRUE(g.tmrTarget.enabled());
    for (Timer* t : {&g.tmrROF, &g.tmrShoot, &g.tmrUp, &g.tmrDown, &g.tmrLeft, &g.tmrRight})
        EXPECT_FALSE(t->enabled());
    EXPECT_EQ(g.tmrLevel.interval(), 10000);
    EXPECT_EQ(g.tmrTarget.interval(), 30);
    EXPECT_EQ(g.tmrROF.interval(), 200);
    EXPECT_EQ(g.tmrShoot.interval(), 10);
}

TEST_F(GameWindow, PlaceTargetWithEveryDrawZero) {
    frmGame& g = game();
    g.speedBase = 3;
    g.speedSpread = 4;
    world.random.queue({0, 0, 0, 0, 0});
    g.PlaceTarget(7);
    EXPECT_EQ(world.random.pending(), 0u);
    EXPECT_EQ(g.targetMotion[7][0], 3);
    EXPECT_EQ(g.targetMotion[7][1], -2);
    EXPECT_EQ(g.swfTarget[7]->frameNum(), 0);
    EXPECT_EQ(g.swfTarget[7]->top(), 38.0f);
    EXPECT_EQ(g.swfTarget[7]->left(), 472.0f);
}

TEST_F(GameWindow, PlaceTargetWithEveryDrawJustUnderOne) {
    frmGame& g = game();
    g.speedBase = 3;
    g.speedSpread = 4;
    const bool wasVisible = g.swfTarget[2]->visible();
    world.random.queue({justUnderOne, justUnderOne, justUnderOne, justUnderOne, justUnderOne});
    g.PlaceTarget(2);
    EXPECT_EQ(g.targetMotion[2][0], 6);
    EXPECT_EQ(g.targetMotion[2][1], 2);
    EXPECT_EQ(g.swfTarget[2]->frameNum(), 1);
    EXPECT_EQ(g.swfTarget[2]->top(), 314.0f);
    EXPECT_EQ(g.swfTarget[2]->left(), 971.0f);
    EXPECT_EQ(g.swfTarget[2]->visible(), wasVisible);
}

TEST_F(GameWindow, PlaceTargetDrawsInOrderSpeedDriftFrameTopLeft) {
    frmGame& g = game();
    g.speedSpread = 2;
    world.random.queue({0.6f, 0.3f, 0.7f, 0.5f, 0.25f});
    g.PlaceTarget(0);
    EXPECT_EQ(g.targetMotion[0][0], 2);        // floor(1.2) + 1
    EXPECT_EQ(g.targetMotion[0][1], -1);       // 4 * 0.3 - 2 = -0.8
    EXPECT_EQ(g.swfTarget[0]->frameNum(), 1);  // floor(1.4)
    EXPECT_EQ(g.swfTarget[0]->top(), 176.0f);  // floor(0.5 * 277) + 38
    EXPECT_EQ(g.swfTarget[0]->left(), 597.0f); // floor(125) + 472
}

TEST_F(GameWindow, ATargetWhollyPastTheLeftEdgeIsPlacedAgainBeforeItMoves) {
    frmGame& g = game();
    auto& target = *g.swfTarget[4];
    target.setLeft(-37); // Left + Width is exactly 0
    target.setVisible(false);
    g.targetMotion[4] = {1, 0};
    // Targets 0 to 3 move without drawing; target 4 takes the five draws.
    world.random.queue({0, 0, 0, 0, 0});
    g.tmrTarget_Timer();
    EXPECT_TRUE(target.visible());
    EXPECT_EQ(target.left(), 471.0f); // placed at 472, then moved by its new speed 1
    EXPECT_EQ(target.top(), 36.0f);   // and its new drift -2
    EXPECT_EQ(world.random.pending(), 0u);

    // Half a pixel short of the edge it is not placed again.
    target.setLeft(-36.5f);
    g.tmrTarget_Timer();
    EXPECT_EQ(target.left(), -37.5f);
    EXPECT_EQ(world.random.drawsMade, 5 * 11 + 5);
}

TEST_F(GameWindow, TargetsBounceOffTheStripAndTheBottomEdge) {
    frmGame& g = game();
    auto& top = *g.swfTarget[0];
    auto& bottom = *g.swfTarget[1];
    top.setTop(38);
    g.targetMotion[0] = {1, -2};
    bottom.setTop(314);
    g.targetMotion[1] = {1, 2};
    std::vector<float> tops, bottoms;
    for (int tick = 0; tick < 3; ++tick) {
        g.tmrTarget_Timer();
        tops.push_back(top.top());
        bottoms.push_back(bottom.top());
    }
    EXPECT_EQ(tops, (std::vector<float>{36, 38, 40}));
    EXPECT_EQ(bottoms, (std::vector<float>{316, 314, 312}));
    EXPECT_EQ(g.targetMotion[0][1], 2);
    EXPECT_EQ(g.targetMotion[1][1], -2);
}

TEST_F(GameWindow, ATargetTurnsWhenItReachesAnEdgeExactly) {
    frmGame& g = gameWithTargetsFarAway();
    auto& target = *g.swfTarget[0];
    const struct {
        float top;
        qint16 drift;
        float next;
    } rows[] = {
        {37, -2, 39},  // top on the strip's height
        {316, 2, 314}, // 316 + 37 = 353
    };
    for (const auto& row : rows) {
        target.setTop(row.top);
        g.targetMotion[0][1] = row.drift;
        g.tmrTarget_Timer();
        EXPECT_EQ(target.top(), row.next);
    }
}

TEST_F(GameWindow, AtLevelZeroEveryTargetMovesOnePixelPerTick) {
    world.random.fallback = 0.3f;
    game();
    const std::vector<float> before = targetLefts();
    world.clock.advance(29);
    EXPECT_EQ(targetLefts(), before);
    world.clock.advance(1);
    std::vector<float> after = targetLefts();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i] - 1) << "target " << i;
    world.clock.advance(300);
    after = targetLefts();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i], before[i] - 11) << "target " << i;
}

TEST_F(GameWindow, TargetsComeInFromTheRightAndReturnAfterLeavingOnTheLeft) {
    world.random.queue({0, 0.5f, 0, 0, 0}); // target 0: speed 1, drift 0, starts at 472
    world.random.fallback = justUnderOne;   // the others start far out, at 971
    frmGame& g = game();
    auto& target = *g.swfTarget[0];
    // 472 + 37 pixels at one pixel per 30 ms: wholly past the left edge after 509 ticks.
    world.clock.advance(30 * 508);
    EXPECT_EQ(target.left(), -36.0f);
    world.random.queue({0, 0.5f, 0, 0, 0});
    world.clock.advance(30);
    EXPECT_EQ(target.left(), -37.0f);
    world.clock.advance(30);
    EXPECT_EQ(target.left(), 471.0f);
    EXPECT_TRUE(target.visible());
}

TEST_F(GameWindow, ShowLivesPicturesForEachCountAndNothingOutsideTheRange) {
    frmGame& g = game();
    const QString present = g.imgLife1.picture(), lost = g.imgLife0.picture();
    const std::vector<std::vector<QString>> expected = {{lost, lost, lost},
                                                        {present, lost, lost},
                                                        {present, present, lost},
                                                        {present, present, present}};
    for (qint16 count = 0; count <= 3; ++count) {
        g.ShowLives(count);
        EXPECT_EQ(lifePictures(), expected[count]) << "count " << count;
    }
    g.ShowLives(1);
    g.ShowLives(-1);
    EXPECT_EQ(lifePictures(), expected[1]);
    g.ShowLives(4);
    EXPECT_EQ(lifePictures(), expected[1]);
}

TEST_F(GameWindow, ResetAfterALostLifeClearsThePlayfieldButKeepsTheScore) {
    frmGame& g = game();
    g.lives = 1;
    g.lblLevel.setCaption(QStringLiteral("4"));
    g.lblDestroyed.setCaption(QStringLiteral("12"));
    g.nextBullet = 3;
    for (auto& bullet : g.imgBullet) {
        bullet->move(200, 100);
        bullet->setVisible(true);
    }
    g.swfGV.move(300, 250);
    g.swfTarget[5]->setLeft(100);
    g.tmrShoot.setEnabled(true);
    g.tmrLeft.setEnabled(true);

    g.ResetPlayfield(0);
    EXPECT_EQ(g.nextBullet, 0);
    EXPECT_EQ(g.lives, 1);
    EXPECT_EQ(g.lblLevel.caption(), QStringLiteral("4"));
    EXPECT_EQ(g.lblDestroyed.caption(), QStringLiteral("12"));
    EXPECT_EQ(lifePictures(), (std::vector<QString>{g.imgLife1.picture(), g.imgLife0.picture(),
                                                    g.imgLife0.picture()}));
    EXPECT_EQ(g.swfGV.left(), 140.0f);
    EXPECT_EQ(g.swfGV.top(), 142.5f);
    for (auto& bullet : g.imgBullet) {
        EXPECT_FALSE(bullet->visible());
        EXPECT_EQ(bullet->rect().topLeft(), QPointF(0, 0));
    }
    for (auto& target : g.swfTarget) {
        EXPECT_TRUE(target->visible());
        EXPECT_GE(target->left(), 472.0f);
    }
    for (Timer* t : {&g.tmrLeft, &g.tmrRight, &g.tmrUp, &g.tmrDown, &g.tmrROF, &g.tmrShoot,
                     &g.tmrTarget, &g.tmrLevel})
        EXPECT_FALSE(t->enabled());
}

TEST_F(GameWindow, ClosingTheWindowEndsTheGameAndTheNextGameStartsFresh) {
    QPointer<frmGame> first = &game();
    first->show();
    first->lives = 1;
    first->speedSpread = 5;
    first->speedBase = 3;
    first->lblLevel.setCaption(QStringLiteral("9"));
    first->lblDestroyed.setCaption(QStringLiteral("40"));
    first->close();
    EXPECT_TRUE(first->isUnloaded());
    EXPECT_FALSE(first->tmrTarget.enabled());
    EXPECT_FALSE(first->tmrLevel.enabled());
    world.clock.advance(60000); // no timer of the closed game fires
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);

    frmGame& second = game();
    EXPECT_EQ(second.lives, 3);
    EXPECT_EQ(second.speedSpread, 1);
    EXPECT_EQ(second.speedBase, 1);
    EXPECT_EQ(second.lblLevel.caption(), QStringLiteral("0"));
    EXPECT_EQ(second.lblDestroyed.caption(), QStringLiteral("0"));
    EXPECT_EQ(second.swfGV.rect(), QRectF(124, 142.47f, 34, 68));
    EXPECT_TRUE(second.tmrTarget.enabled());
}

TEST_F(GameWindow, BrokenSettingsFileIsReportedOnceAndPlayGoesOnWithDefaults) {
    world.writeFile(QStringLiteral("settings"), "0\r\n65\r\nxx\r\n");
    frmGame& g = game();
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains(QStringLiteral("\"settings\"")));
    EXPECT_EQ((std::vector<qint16>{g.settings.imageQuality, g.settings.keyMoveLeft,
                                   g.settings.keyMoveRight, g.settings.keyMoveUp,
                                   g.settings.keyMoveDown, g.settings.keyFire}),
              (std::vector<qint16>{0, 65, 39, 38, 40, 32}));
    EXPECT_EQ(g.swfGV.quality(), 0);
    EXPECT_EQ(g.swfTarget[10]->quality(), 0); // copies take element 0's quality
    EXPECT_TRUE(g.tmrTarget.enabled());
    EXPECT_EQ(world.readFile(QStringLiteral("settings")), QByteArray("0\r\n65\r\nxx\r\n"));
}

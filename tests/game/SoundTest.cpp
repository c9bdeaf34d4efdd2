#include "GameFixture.h"
#include "Preferences.h"
#include "Sounds.h"

// Each rule event asks for its effect in the tick where it happens; a lost life and the game
// over sound before their boxes open.
TEST_F(GameWindow, EachRuleEventPlaysItsEffectWhenItHappens) {
    frmGame& g = gameWithTargetsFarAway();
    Game& r = g.rules();
    std::vector<std::size_t> heardWhenBoxOpened;
    world.messageBox.whileOpen = [&](const QString&) {
        heardWhenBoxOpened.push_back(world.sound.played.size());
    };
    r.swfGV.move(100, 100);
    g.keyDown(keys::Space, 0); // a shot at once, the next 200 ms later
    world.clock.advance(200);
    g.keyUp(keys::Space, 0);
    world.clock.advance(100); // the key's release settles
    // A target just in front of bullet 0.
    r.swfTarget[2].move(r.imgBullet[0].left() + 2, r.imgBullet[0].top() - 10);
    world.clock.advance(10);
    EXPECT_EQ(r.destroyed, 1);
    const qint64 hitAt = world.clock.nowMs();
    world.clock.advance(10000 - hitAt); // the level rises at 10 s
    r.lives = 1;
    for (int target : {4, 5}) { // a life goes, then the last
        r.swfTarget[target].move(r.swfGV.left(), r.swfGV.top());
        r.tmrTarget_Timer();
    }

    const std::vector<RecordingSound::Played> expected = {
        {sounds::shot, 0},        {sounds::shot, 200},       {sounds::hit, hitAt},
        {sounds::levelUp, 10000}, {sounds::lifeLost, 10000}, {sounds::gameOver, 10000}};
    EXPECT_EQ(world.sound.played, expected);
    EXPECT_EQ(heardWhenBoxOpened, (std::vector<std::size_t>{5, 6}));
}

// M switches the sound and keeps the choice, unless the player bound M to an action: then M
// is that action alone.
TEST_F(GameWindow, MSwitchesTheSoundUnlessItIsBound) {
    struct Case {
        QByteArray settings;
        bool switches;
    };
    const Case cases[] = {{deliveredSettings(), true}, {"1\n37\n39\n38\n40\n77\n", false}};
    for (const Case& c : cases) {
        TestProgram t;
        t.world.writeFile("settings", c.settings);
        frmGame& g = t.program.frmGame();
        g.keyDown('M', 0);
        EXPECT_EQ(t.world.sound.muted(), c.switches) << c.settings.constData();
        EXPECT_EQ(readPreferences(t.world.path(preferencesFileName)).sound, !c.switches);
        // Muted, the gun is silent; bound to fire, M shoots with its sound.
        g.rules().tmrROF_Timer();
        EXPECT_EQ(t.world.sound.effects().size(), c.switches ? 0u : 2u);
        g.keyDown('M', 0);
        EXPECT_FALSE(t.world.sound.muted());
    }
}

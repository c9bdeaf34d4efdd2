#include "Replay.h"
#include "CommandLine.h"
#include "GameFixture.h"
#include "frmHigh.h"

namespace {

const QString recorded = VEXAROO_SOURCE_DIR "/tests/game/replays/";

Replay replayOf(const QString& path) {
    Replay replay;
    QString why;
    EXPECT_TRUE(replay::read(path, &replay, &why)) << why.toStdString();
    return replay;
}

} // namespace

// Games played for real under a window manager (a stall of three seconds, the pad, a whole
// game into the hall of fame) replay tick for tick: they pin every rule as data. Files that
// are not such a game are refused with a reason, or replay to another end than recorded.
TEST(Replay, RecordedGamesEndAsRecordedAndOthersAreToldApart) {
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        return writeBytes(folder.filePath(name), bytes);
    };
    const QByteArray stall = contents(recorded + "stall.replay");
    Replay lying = replayOf(recorded + "stall.replay");
    lying.destroyed = 4;
    Replay goingOn = replayOf(recorded + "hall-of-fame.replay");
    goingOn.events.push_back({goingOn.events.back().ms + 10, Replay::Input::Press, Action::Up});
    QByteArray changed = stall;
    changed[changed.size() - 12] = char(changed[changed.size() - 12] ^ 1); // an event's byte
    QByteArray later = stall;
    later[4] = 2;
    const struct {
        QString file;
        int code;
        const char* output;
        const char* errors;
    } rows[] = {
        {recorded + "stall.replay", 0, "level 0, 0 targets destroyed\n", ""},
        {recorded + "pad.replay", 0, "level 0, 3 targets destroyed\n", ""},
        {recorded + "hall-of-fame.replay", 0, "level 6, 37 targets destroyed\n", ""},
        {write("lying", replay::encode(lying)), 1, "level 0, 0 targets destroyed\n",
         "the recording says level 0, 4 targets destroyed when the window was closed"},
        {write("going-on", replay::encode(goingOn)), 1, "level 6, 37 targets destroyed\n",
         "inputs follow the game's end"},
        {write("changed", changed), 2, "", "damaged or cut short"},
        {write("cut", stall.left(40)), 2, "", "damaged or cut short"},
        {write("empty", {}), 2, "", "not a Vexaroo replay"},
        {write("garbage", QByteArray(300, 'x')), 2, "", "not a Vexaroo replay"},
        {write("later", later), 2, "", "later version"},
        {write("huge", stall + QByteArray(replay::maxBytes, 0)), 2, "", "far larger"},
        {folder.filePath("missing"), 2, "", "No such file"},
        {folder.path(), 2, "", "Is a directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        QString output, errors;
        EXPECT_EQ(verifyReplay(row.file, &output, &errors), row.code);
        EXPECT_EQ(output.toStdString(), row.output);
        EXPECT_TRUE(errors.contains(QLatin1String(row.errors))) << errors.toStdString();
    }
}

// A game played in the window, with keys, the pad, a pause, lost lives and a stall of the
// machine, is kept as the last game's replay and replays to the end it had, whether the
// player closed it or it ended in game over. Keys and buttons that reach the window while a
// box holds the game (a compositor may send them there) are not the game's.
TEST(ReplayKept, EveryGameIsKeptAndReplaysToTheEndItHad) {
    for (const bool closed : {true, false}) {
        SCOPED_TRACE(closed ? "closed" : "game over");
        SystemRandom random(closed ? 7 : 8);
        TestWorld world(&random);
        Program program{world.services};
        frmGame& g = program.frmGame();
        int level = 0, destroyed = 0;
        world.messageBox.whileOpen = [&](const QString&) {
            g.keyUp(keys::Space, 0);
            g.keyDown(keys::Left, 0);
            g.padButton(PadButton::Down, true);
            world.clock.advance(700);
            level = g.rules().level, destroyed = g.rules().destroyed;
        };
        g.show();
        g.keyDown(keys::Space, 0);
        world.clock.advance(1200);
        g.padButton(PadButton::Up, true);
        world.clock.advance(300);
        g.keyDown(pauseKey, 0);
        g.padButton(PadButton::Up, false);
        world.clock.advance(5);
        world.clock.stall(3000);
        world.clock.advance(400);
        g.keyUp(keys::Space, 0);
        while (!g.isUnloaded() && world.clock.nowMs() < (closed ? 20000 : 200000))
            world.clock.advance(500);
        if (closed) {
            level = g.rules().level, destroyed = g.rules().destroyed;
            g.close();
        }
        ASSERT_TRUE(g.isUnloaded());
        const Replay kept = replayOf(world.path(replay::lastGameFileName));
        QString result, why;
        EXPECT_TRUE(ReplayRun::verify(kept, &result, &why)) << why.toStdString();
        EXPECT_EQ(result, replay::outcome(level, destroyed));
        EXPECT_EQ(kept.closed, closed);
        EXPECT_GT(std::ranges::count(kept.events, Replay::Input::BoxClosed, &Replay::Event::input),
                  1);
        EXPECT_EQ(std::ranges::count(kept.events, Replay::Input::Stall, &Replay::Event::input), 1);
    }
}

// Watched from the table, a game runs in the game window at its own pace; Space pauses it, F
// runs it faster, the watcher's other keys change nothing, and at its end the table is back.
TEST_F(GameWindow, AWatchedGameRunsAsRecordedAndTheTableComesBack) {
    frmHigh& table = program.frmHigh();
    table.show();
    const Replay recording = replayOf(recorded + "hall-of-fame.replay");
    ASSERT_EQ(program.watchReplay(recorded + "hall-of-fame.replay", "Replay Keeper", &table),
              QString());
    frmGame& g = game();
    EXPECT_TRUE(g.watching());
    EXPECT_FALSE(table.isVisible());
    EXPECT_EQ(g.windowTitle(), "Vexaroo - Replay of Replay Keeper");
    g.keyDown(keys::Left, 0);
    g.keyDown(pauseKey, 0);
    g.keyDown(keys::Space, 0); // pauses
    const Game& r = g.rules();
    const float left = r.swfTarget[0].left();
    world.clock.advance(1000);
    EXPECT_EQ(r.swfTarget[0].left(), left);
    g.keyDown(keys::Space, 0);
    g.keyDown('F', 0);
    // The watcher sees each box for as long as the player did, over the field.
    struct BoxWatch final : QObject {
        int shown = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            shown += event->type() == QEvent::Show;
            return false;
        }
    } boxes;
    g.lblBox.installEventFilter(&boxes);
    for (qint64 ms = 0; !g.isUnloaded() && ms < 60000; ms += 10)
        world.clock.advance(10);
    EXPECT_LT(world.clock.nowMs(), 1000 + recording.events.back().ms / 3); // four times faster
    EXPECT_EQ(boxes.shown, 4);
    // The strip shows the end as recorded.
    EXPECT_EQ(QStringLiteral("level %1, %2 targets destroyed")
                  .arg(g.lblLevel.caption(), g.lblDestroyed.caption()),
              replay::outcome(recording.level, recording.destroyed));
    EXPECT_TRUE(world.messageBox.texts.empty());
    EXPECT_TRUE(table.isVisible());
}

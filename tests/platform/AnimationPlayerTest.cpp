#include "AnimationPlayer.h"
#include "Clock.h"
#include "Doubles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString targetMovie = VEXAROO_SOURCE_DIR "/anim/target";
const QString gorvanMovie = VEXAROO_SOURCE_DIR "/anim/gv";

// Ten frames at ten frames a second, no markers: a square that moves right.
const char* plainMovie = R"({"v":"5.7.0","fr":10,"ip":0,"op":10,"w":40,"h":40,"layers":[
 {"ty":4,"ind":1,"ip":0,"op":10,"st":0,"ks":{"o":{"a":0,"k":100},"r":{"a":0,"k":0},
  "p":{"a":1,"k":[{"t":0,"s":[10,20,0],"e":[30,20,0],"i":{"x":[1],"y":[1]},"o":{"x":[0],"y":[0]}},
  {"t":9,"s":[30,20,0]}]},"a":{"a":0,"k":[0,0,0]},"s":{"a":0,"k":[100,100,100]}},
  "shapes":[{"ty":"rc","p":{"a":0,"k":[0,0]},"s":{"a":0,"k":[10,10]},"r":{"a":0,"k":0}},
  {"ty":"fl","c":{"a":0,"k":[1,0,0,1]},"o":{"a":0,"k":100}}]}]})";

struct Stage {
    VirtualClock clock;
    QWidget window;
    SpriteCanvas canvas{&window, clock};
    QTemporaryDir folder;

    QString writeMovie(const QByteArray& json = plainMovie, const QString& name = "plain") {
        return writeBytes(folder.filePath(name), json);
    }
};

bool cornersTransparent(const QImage& image) {
    const int w = image.width() - 1, h = image.height() - 1;
    for (QPoint p : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
        if (qAlpha(image.pixel(p)) != 0)
            return false;
    }
    return true;
}

} // namespace

TEST(AnimationPlayer, GameMoviesDrawOnATransparentBackground) {
    Stage stage;
    AnimationPlayer target(stage.canvas, 0, 0, 37, 37);
    target.setMovie(targetMovie);
    AnimationPlayer gorvan(stage.canvas, 0, 0, 34, 68);
    gorvan.setMovie(gorvanMovie);
    for (const auto& [player, frames] : {std::pair{&target, 2}, {&gorvan, 3}}) {
        ASSERT_TRUE(player->loaded());
        for (int frame = 0; frame < frames; ++frame) {
            player->setFrameNum(frame);
            EXPECT_TRUE(cornersTransparent(player->render(1.0))) << frames << " frames, " << frame;
        }
    }
}

TEST(AnimationPlayer, FramesDifferAndMarkerSegmentsLoopWithTime) {
    Stage stage;
    AnimationPlayer gorvan(stage.canvas, 0, 0, 34, 68);
    gorvan.setMovie(gorvanMovie);
    gorvan.setFrameNum(0);
    const QImage rest = gorvan.render(2.0);
    gorvan.setFrameNum(2);
    const QImage left = gorvan.render(2.0);
    EXPECT_NE(rest, left);

    AnimationPlayer target(stage.canvas, 0, 0, 37, 37);
    target.setMovie(targetMovie);
    target.setFrameNum(1);
    const int first = target.currentMovieFrame();
    const QImage before = target.render(1.0);
    stage.clock.advance(100);
    EXPECT_NE(target.currentMovieFrame(), first);
    EXPECT_NE(target.render(1.0), before);
    // However long it runs, it stays inside its own segment.
    AnimationPlayer other(stage.canvas, 0, 0, 37, 37);
    other.setMovie(targetMovie);
    other.setFrameNum(0);
    for (int i = 0; i < 50; ++i) {
        stage.clock.advance(37);
        EXPECT_LT(other.currentMovieFrame(), first) << "frame0 segment runs into frame1";
    }
}

TEST(AnimationPlayer, QualityChangesTheRendering) {
    Stage stage;
    AnimationPlayer target(stage.canvas, 0, 0, 37, 37);
    target.setMovie(targetMovie);
    target.setQuality(1);
    const QImage high = target.render(1.0);
    EXPECT_EQ(high.size(), QSize(37, 37));
    EXPECT_EQ(target.render(2.0).size(), QSize(74, 74));
    target.setQuality(0);
    const QImage low = target.render(1.0);
    EXPECT_EQ(low.size(), QSize(19, 19));
    EXPECT_NE(low, high.scaled(19, 19));
    target.setQuality(-1);
    EXPECT_EQ(target.render(1.0).size(), QSize(19, 19));
}

TEST(AnimationPlayer, MissingOrBrokenMovieShowsNothingAndNeverPlays) {
    Stage stage;
    // A FIFO in a movie's place is refused at once, never waited on.
    const QString fifo = stage.folder.filePath("fifo");
    mkfifo(QFile::encodeName(fifo), 0600);
    // Frame rates that no clock can turn into frames: 48 digits, beyond a float; none at all;
    // backwards; slower than a frame a second; faster than one a millisecond.
    QStringList paths = {stage.folder.filePath("absent"),
                         stage.writeMovie("{ not a movie", "broken"), fifo};
    for (const char* rate :
         {"188888888888888888888888888888888888888888888880", "0", "-10", "0.5", "5000"})
        paths << stage.writeMovie(
            QByteArray(plainMovie).replace("\"fr\":10", QByteArray("\"fr\":") + rate),
            "fr" + QLatin1String(rate));
    for (const QString& path : paths) {
        AnimationPlayer player(stage.canvas, 0, 0, 50, 50);
        player.setMovie(path);
        EXPECT_FALSE(player.loaded()) << path.toStdString();
        EXPECT_TRUE(player.render(1.0).isNull());
        player.play();
        EXPECT_FALSE(player.isPlaying());
        player.setFrameNum(3);
        EXPECT_FALSE(player.needsRepaint());
    }
}

TEST(AnimationPlayer, PlayRunsTheTimelineOnceAndStillFramesClamp) {
    Stage stage;
    AnimationPlayer player(stage.canvas, 0, 0, 40, 40, AnimationPlayer::Scale::NoScale);
    player.setMovie(stage.writeMovie());
    ASSERT_TRUE(player.loaded());
    EXPECT_FALSE(player.isPlaying());
    player.setFrameNum(99);
    EXPECT_EQ(player.currentMovieFrame(), 9);
    player.setFrameNum(4);
    EXPECT_EQ(player.currentMovieFrame(), 4);

    player.play();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(player.currentMovieFrame(), 0);
    stage.clock.advance(550);
    EXPECT_EQ(player.currentMovieFrame(), 5);
    EXPECT_TRUE(player.isPlaying());
    stage.clock.advance(449);
    EXPECT_TRUE(player.isPlaying());
    stage.clock.advance(1);
    EXPECT_FALSE(player.isPlaying());
    stage.clock.advance(5000);
    EXPECT_EQ(player.currentMovieFrame(), 9); // it rests on its last frame
}

TEST(AnimationPlayer, AMovieDeclaringAHugeSizeIsDrawnNoLargerThanItsControl) {
    Stage stage;
    const QString huge = stage.writeMovie(
        QByteArray(plainMovie).replace(R"("w":40,"h":40)", R"("w":100000,"h":100000)"));
    for (const auto scale : {AnimationPlayer::Scale::NoScale, AnimationPlayer::Scale::ShowAll}) {
        AnimationPlayer player(stage.canvas, 0, 0, 50, 30, scale);
        player.setMovie(huge);
        ASSERT_TRUE(player.loaded());
        EXPECT_EQ(player.render(2.0).size(), QSize(100, 60));
    }
}

TEST(AnimationPlayer, APlayedMovieReusesOneBufferWhileLoopsShareTheirFrames) {
    Stage stage;
    AnimationPlayer player(stage.canvas, 0, 0, 40, 40, AnimationPlayer::Scale::NoScale);
    player.setMovie(stage.writeMovie());
    player.play();
    const QImage first = player.render(1.0).copy();
    const uchar* buffer = player.render(1.0).constBits();
    stage.clock.advance(550);
    const QImage later = player.render(1.0);
    EXPECT_EQ(later.constBits(), buffer);
    EXPECT_NE(later, first);

    AnimationPlayer a(stage.canvas, 0, 0, 37, 37), b(stage.canvas, 50, 0, 37, 37);
    a.setMovie(targetMovie);
    b.setMovie(targetMovie);
    EXPECT_EQ(a.render(1.0).constBits(), b.render(1.0).constBits());

    // Out of sight a movie that no other player shows lets its renderer go; it comes back
    // with the same picture.
    stage.window.show();
    stage.window.hide();
    EXPECT_EQ(player.render(1.0), later);
}

// Every game opens Gorvan's movie anew: it draws from the frames its file left, adding none.
TEST(AnimationPlayer, AMovieOpenedAgainFindsItsFramesKept) {
    Stage stage;
    const auto walk = [&stage] {
        AnimationPlayer gorvan(stage.canvas, 0, 0, 34, 68);
        gorvan.setMovie(gorvanMovie);
        gorvan.setFrameNum(1); // a third of its frames: room is left for more
        for (int step = 0; step < 24; ++step, stage.clock.advance(42))
            (void)gorvan.render(1.0);
    };
    walk();
    const qint64 kept = AnimationPlayer::cachedFrameBytes();
    EXPECT_GT(kept, 0);
    walk();
    EXPECT_EQ(AnimationPlayer::cachedFrameBytes(), kept);
}

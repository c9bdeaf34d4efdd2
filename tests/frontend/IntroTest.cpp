#include "MenuFixture.h"

#include "System.h"
#include "frmIntro.h"

#include <QPointer>

namespace {
const QString introMovie = QStringLiteral(VEXAROO_SOURCE_DIR "/anim/intro");
} // namespace

// The intro as the program opens it: loaded, then shown.
class IntroWindow : public MenuWindow {
protected:
    frmIntro& shownIntro() {
        frmIntro& intro = program.frmIntro();
        intro.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&intro));
        return intro;
    }

    void playMovie(frmIntro& intro, const QString& path) {
        intro.swfIntro.setMovie(path);
        intro.swfIntro.play();
    }

    void clickSkip(frmIntro& intro) {
        QTest::mouseClick(intro.windowHandle(), Qt::LeftButton, {},
                          intro.lblSkipIntro.geometry().center());
    }
};

// --- Opening ---

TEST_F(IntroWindow, TakesTheMenuSizeAndLoadsTheMenuHidden) {
    world.writeFile(QStringLiteral("settings"), " 0 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n");
    ASSERT_EQ(loaded<frmMain>(), nullptr);
    frmIntro& intro = shownIntro();
    frmMain* menu = loaded<frmMain>();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(intro.size(), menu->size());
    EXPECT_EQ(intro.windowTitle(), QStringLiteral(" "));

    // The movie and the canvas it is painted on cover the whole client area.
    EXPECT_EQ(intro.swfIntro.rect(), QRectF(0, 0, intro.scaleWidth(), intro.scaleHeight()));
    EXPECT_EQ(intro.canvas().geometry(), intro.rect());
    EXPECT_EQ(intro.swfIntro.movie(), sys::programDirectory() + QStringLiteral("/anim/intro"));
    EXPECT_EQ(intro.swfIntro.quality(), 1); // the settings' quality is not for the intro

    EXPECT_EQ(intro.lblSkipIntro.caption(), QStringLiteral("Skip Intro"));
    EXPECT_EQ(intro.childAt(intro.lblSkipIntro.geometry().center()), &intro.lblSkipIntro);
    EXPECT_EQ(intro.lblSkipIntro.cursor().shape(), Qt::BitmapCursor);
    EXPECT_TRUE(intro.tmrIntro.enabled());
    EXPECT_EQ(intro.tmrIntro.interval(), 100);
}

TEST_F(IntroWindow, TheMovieIsDrawnAcrossTheWholeWindow) {
    frmIntro& intro = shownIntro();
    playMovie(intro, introMovie);
    ASSERT_TRUE(intro.swfIntro.isPlaying());
    world.clock.advance(5500); // the title is up by now
    const QImage picture = intro.grab().toImage();
    ASSERT_EQ(picture.size(), QSize(522, 354));
    // Drawn both right of and below the window's designed 86 by 59 pixels.
    int right = 0, below = 0;
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) {
            if (qGray(picture.pixel(x, y)) <= 40)
                continue;
            right += x >= 86;
            below += y >= 59;
        }
    }
    EXPECT_GT(right, 500);
    EXPECT_GT(below, 500);
}

// --- Handing over to the menu ---

// "Skip Intro" is clicked, or the player presses one of the keys that get past a movie, or
// closes the intro by its frame (Key_Close here).
TEST_F(IntroWindow, SkipOrTheCloseBoxShowsTheMenuAndTheIntroNeverComesBack) {
    for (const Qt::Key key :
         {Qt::Key_unknown, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Close}) {
        SCOPED_TRACE(key);
        frmIntro& intro = shownIntro();
        playMovie(intro, introMovie);
        world.clock.advance(1000);
        QPointer<frmIntro> watched = &intro;
        if (key == Qt::Key_unknown)
            clickSkip(intro);
        else if (key == Qt::Key_Close)
            closeByFrame(intro);
        else
            QTest::keyClick(&intro, key);
        frmMain* menu = loaded<frmMain>();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->isVisible());
        // Unloaded: hidden, and destroyed once the events of the click are done.
        EXPECT_TRUE(!watched || (watched->isUnloaded() && !watched->isVisible()));
        processDeferredDeletes();
        EXPECT_FALSE(watched);
        EXPECT_EQ(loaded<frmIntro>(), nullptr);

        // Had the intro's timer fired again it would show the menu; hide it to see that it stays.
        menu->hide();
        world.clock.advance(10000);
        EXPECT_FALSE(menu->isVisible());
        EXPECT_FALSE(program.hasEnded());
    }
}

TEST_F(IntroWindow, SkippedAtOnceTheTimerStopsBeforeTheIntroIsDestroyed) {
    frmIntro& intro = shownIntro();
    QPointer<frmIntro> watched = &intro;
    intro.lblSkipIntro_Click();
    frmMain* menu = loaded<frmMain>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_TRUE(watched); // destroyed only after the handler
    EXPECT_TRUE(intro.isUnloaded());
    EXPECT_FALSE(intro.isVisible());
    EXPECT_FALSE(intro.tmrIntro.enabled());
    menu->hide();
    world.clock.advance(10000);
    EXPECT_FALSE(menu->isVisible());
    processDeferredDeletes();
    EXPECT_FALSE(watched);
    world.clock.advance(10000);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(IntroWindow, TheMovieEndShowsTheMenuWithinOneTick) {
    frmIntro& intro = shownIntro();
    playMovie(intro, introMovie);
    frmMain* menu = loaded<frmMain>();
    ASSERT_NE(menu, nullptr);
    qint64 stopped = -1;
    while (world.clock.nowMs() < 60000 && !menu->isVisible()) {
        world.clock.advance(10);
        if (stopped < 0 && !intro.swfIntro.isPlaying())
            stopped = world.clock.nowMs();
        if (stopped < 0) {
            ASSERT_FALSE(menu->isVisible())
                << "shown while the movie plays, at " << world.clock.nowMs();
        }
    }
    ASSERT_GT(stopped, 0);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_LE(world.clock.nowMs() - stopped, 100);
    // The intro stays loaded, hidden, its timer off.
    EXPECT_FALSE(intro.isVisible());
    EXPECT_FALSE(intro.isUnloaded());
    EXPECT_FALSE(intro.tmrIntro.enabled());
    menu->hide();
    world.clock.advance(1000);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(IntroWindow, AMovieThatDoesNotPlayHandsOverAtTheFirstTick) {
    frmIntro& intro = shownIntro();
    playMovie(intro, world.path(QStringLiteral("no-such-movie")));
    frmMain* menu = loaded<frmMain>();
    ASSERT_NE(menu, nullptr);
    world.clock.advance(99);
    EXPECT_FALSE(menu->isVisible());
    world.clock.advance(1);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(intro.isVisible());
    EXPECT_FALSE(intro.isUnloaded());
}

TEST_F(IntroWindow, ClosingTheMenuEndsTheProgramWhileTheIntroStaysLoaded) {
    frmIntro& intro = shownIntro();
    playMovie(intro, world.path(QStringLiteral("no-such-movie")));
    world.clock.advance(100);
    ASSERT_FALSE(intro.isUnloaded());
    frmMain& menu = program.frmMain();
    ASSERT_TRUE(menu.isVisible());
    closeByFrame(menu);
    EXPECT_TRUE(program.hasEnded());
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(IntroWindow, AfterEitherHandOverNothingRunsOnTheIdleMenu) {
    for (const bool skip : {true, false}) {
        frmIntro& intro = shownIntro();
        playMovie(intro, introMovie);
        if (skip)
            intro.lblSkipIntro_Click();
        while (!loaded<frmMain>()->isVisible())
            world.clock.advance(100);
        world.clock.advance(100);
        EXPECT_EQ(world.clock.runningTimers(), 0u) << (skip ? "skipped" : "watched");
        loaded<frmMain>()->hide();
        processDeferredDeletes();
    }
}

#include "MenuFixture.h"

#include "frmIntro.h"

#include <QPointer>

const QString introMovie = VEXAROO_SOURCE_DIR "/anim/intro";

// The intro as the program opens it: loaded, then shown.
class IntroWindow : public MenuWindow {
protected:
    frmIntro& shownIntro() { return shown(program.frmIntro()); }

    void playMovie(frmIntro& intro, const QString& path) {
        intro.swfIntro.setMovie(path);
        intro.swfIntro.play();
    }
};

TEST_F(IntroWindow, TakesTheMenuSizeAndLoadsTheMenuHidden) {
    world.writeFile("settings", " 0 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n");
    ASSERT_EQ(loaded<frmMain>(), nullptr);
    frmIntro& intro = shownIntro();
    frmMain* menu = loaded<frmMain>();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(intro.size(), menu->size());
    EXPECT_EQ(intro.windowTitle(), " ");

    // The movie and the canvas it is painted on cover the whole client area.
    EXPECT_EQ(intro.swfIntro.rect(), QRectF(0, 0, intro.scaleWidth(), intro.scaleHeight()));
    EXPECT_EQ(intro.canvas().geometry(), intro.rect());
    EXPECT_EQ(intro.swfIntro.movie(), sys::programDirectory() + "/anim/intro");
    EXPECT_EQ(intro.swfIntro.quality(), 1); // the settings' quality is not for the intro

    EXPECT_EQ(intro.lblSkipIntro.caption(), "Skip Intro");
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

// "Skip Intro" clicked at once or while the movie plays, one of the keys that get past a movie,
// or the intro's close box unloads the intro, which goes once the events of the click are done.
// The movie's end, or a movie that does not play, shows the menu at the intro's next tick
// (every 100 ms), never before, and leaves the intro loaded. Either way the intro is hidden, its
// timer off, and nothing shows the menu again.
TEST_F(IntroWindow, SkipCloseOrTheMovieEndShowsTheMenuOnce) {
    for (const std::string how :
         {"at once", "click", "Esc", "Return", "Space", "close", "end", "no movie"}) {
        SCOPED_TRACE(how);
        frmIntro& intro = shownIntro();
        QPointer<frmIntro> watched = &intro;
        frmMain* menu = loaded<frmMain>();
        ASSERT_NE(menu, nullptr);
        const bool skipped = how != "end" && how != "no movie";
        if (how == "at once") {
            intro.lblSkipIntro_Click();
            ASSERT_TRUE(watched); // destroyed only after the handler
        } else if (skipped) {
            playMovie(intro, introMovie);
            world.clock.advance(1000);
            if (how == "click")
                QTest::mouseClick(intro.windowHandle(), Qt::LeftButton, {},
                                  intro.lblSkipIntro.geometry().center());
            else if (how == "close")
                closeByFrame(intro);
            else
                QTest::keyClick(&intro, QKeySequence(QString::fromStdString(how))[0].key());
        } else {
            playMovie(intro, how == "end" ? introMovie : world.path("no-such-movie"));
            const qint64 start = world.clock.nowMs();
            qint64 stopped = -1;
            while (world.clock.nowMs() < start + 60000 && !menu->isVisible()) {
                world.clock.advance(10);
                if (stopped < 0 && !intro.swfIntro.isPlaying())
                    stopped = world.clock.nowMs();
                if (stopped < 0 || world.clock.nowMs() < start + 100) {
                    ASSERT_FALSE(menu->isVisible()) << "shown at " << world.clock.nowMs() - start;
                }
            }
            ASSERT_GT(stopped, 0);
            EXPECT_LE(world.clock.nowMs() - stopped, 100);
        }
        ASSERT_TRUE(menu->isVisible());
        EXPECT_TRUE(!watched || (watched->isUnloaded() == skipped && !watched->isVisible() &&
                                 !watched->tmrIntro.enabled()));
        world.clock.advance(100);
        EXPECT_EQ(world.clock.runningTimers(), 0u) << "something runs on the idle menu";
        // Had the intro's timer fired again it would show the menu; hide it to see that it stays.
        menu->hide();
        world.clock.advance(10000);
        EXPECT_FALSE(menu->isVisible());
        processDeferredDeletes();
        EXPECT_EQ(!watched, skipped);
        EXPECT_EQ(loaded<frmIntro>() == nullptr, skipped);
        world.clock.advance(10000);
        EXPECT_FALSE(menu->isVisible());
        EXPECT_FALSE(program.hasEnded());
        if (!skipped)
            intro.unload(); // the next row shows it afresh
        menu->hide();
        processDeferredDeletes();
    }
}

// Exit, or the menu's close box (also while the intro stays loaded behind it), ends the program.
TEST_F(IntroWindow, ExitOrClosingTheMenuEndsTheProgram) {
    for (const std::string how : {"Exit", "close", "close with the intro loaded"}) {
        SCOPED_TRACE(how);
        TestProgram t;
        frmMain& menu = t.program.frmMain();
        if (how == "close with the intro loaded") {
            frmIntro& intro = t.program.frmIntro();
            intro.show();
            playMovie(intro, t.world.path("no-such-movie"));
            t.world.clock.advance(100);
            ASSERT_FALSE(intro.isUnloaded());
        } else {
            menu.show();
        }
        ASSERT_TRUE(menu.isVisible());
        if (how == "Exit") {
            QTest::mouseClick(menu.picExit[0].get(), Qt::LeftButton);
        } else {
            closeByFrame(menu);
        }
        EXPECT_TRUE(t.program.hasEnded());
        EXPECT_FALSE(menu.isVisible());
    }
}

// The whole program as a player meets it: intro, menu, settings, table, a game, help, exit.
#include "Pixels.h"
#include "XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

namespace {

bool yellow(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 150 && qBlue(c) < 110;
}
bool brightRed(QRgb c) {
    return qRed(c) > 190 && qGreen(c) < 40 && qBlue(c) < 40;
}
bool white(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
}

} // namespace

// On a bare X server, with the hall of fame holding two records (44 bytes each: the names, the
// level and the targets hit, little-endian).
TEST(WholeProgram, APlayerGoesThroughEveryScreen) {
    const auto desktop = Desktop::open();
    Desktop& x = *desktop;
    const QString dir = x.folder.path();
    QFile::copy(VEXAROO_SOURCE_DIR "/data/HelpFile.txt", dir + "/HelpFile.txt");
    writeBytes(dir + "/scores",
               QByteArray("Al        Smith     \x04\0\x25\0", 24) + QByteArray(20, '\0') +
                   QByteArray("Bea       Jones     \x03\0\x0c\0", 24) + QByteArray(20, '\0'));
    // The desktop's opener, replaced by a stub that notes what it was asked to open.
    const QString opened = dir + "/opened.txt";
    x.replaceOpener(QStringLiteral("echo \"$@\" >> '%1'").arg(opened).toUtf8());
    // The intro plays in a window without a title; "Skip Intro" stands top left.
    QElapsedTimer sinceStart;
    sinceStart.start();
    const unsigned long intro = x.start();
    ASSERT_NE(intro, 0u) << "no intro; " << x.onScreen();
    const qint64 shownAfter = sinceStart.elapsed();
    const QRect introArea = x.geometry(intro);
    EXPECT_EQ(introArea.size(), QSize(522, 354));
    QThread::msleep(1500);
    const QImage introShot = x.shot("intro");
    EXPECT_GT(count(introShot, introArea.topLeft(), QRect(0, 0, 522, 354), notBlack), 3000)
        << "the intro shows nothing";
    x.clickOn(intro, QPointF(20, 10));

    const unsigned long menu = x.waitForWindow(titles::menu);
    ASSERT_NE(menu, 0u) << "no menu after Skip Intro";
    EXPECT_TRUE(x.gone(titles::intro)) << "the intro stayed";
    const QRect area = x.geometry(menu);
    const QPoint o = area.topLeft();
    EXPECT_EQ(area.size(), QSize(522, 354));
    const QRect playButton(20, 108, 110, 50);
    const auto hover = [&](QPoint at) {
        x.run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
    };
    hover(o + QPoint(300, 340)); // bare background: no highlight
    const QImage menuShot = x.shot("menu");
    EXPECT_GT(count(menuShot, o, QRect(11, 4, 500, 100), yellow), 2000) << "no title";
    EXPECT_GT(count(menuShot, o, playButton, yellow), 1500) << "no play button";
    EXPECT_LT(count(menuShot, o, playButton, brightRed), 20);
    hover(o + QPoint(75, 133));
    EXPECT_GT(count(x.shot("menu-play-lit"), o, playButton, brightRed), 40)
        << "the play button does not light up";

    // Settings: give the fire key to A and keep it.
    x.clickOn(menu, QPointF(75, 193));
    const unsigned long settings = x.waitForWindow(titles::settings);
    ASSERT_NE(settings, 0u) << "no settings screen";
    x.shot("settings");
    x.clickOn(settings, QPointF(143, 248));
    x.shot("settings-waiting");
    x.key("a");
    x.shot("settings-fire-a");
    x.clickOn(settings, QPointF(95, 282));
    EXPECT_TRUE(x.gone(titles::settings));
    EXPECT_EQ(contents(dir + "/settings"),
              QByteArray(" 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"));

    // High scores: two rows filled, the rest empty; Close gives the menu back.
    x.clickOn(menu, QPointF(75, 253));
    const unsigned long high = x.waitForWindow(titles::high);
    ASSERT_NE(high, 0u) << "no high-score table (the menu did not come back enabled?)";
    const QPoint h = x.geometry(high).topLeft();
    const QImage table = x.shot("high-scores");
    EXPECT_GT(count(table, h, QRect(37, 53, 100, 11), white), 15) << "row 1 has no name";
    EXPECT_GT(count(table, h, QRect(37, 65, 100, 11), white), 15) << "row 2 has no name";
    EXPECT_EQ(count(table, h, QRect(37, 77, 100, 11), white), 0) << "row 3 is not empty";
    x.clickOn(high, QPointF(138, 190));
    EXPECT_TRUE(x.gone(titles::high));

    // Play: the menu goes, the game runs: the strip, three lives, Gorvan and targets after 8 s.
    QElapsedTimer sincePlay;
    sincePlay.start();
    x.clickOn(menu, QPointF(75, 133));
    const unsigned long game = x.waitForWindow(titles::game);
    ASSERT_NE(game, 0u) << "no game";
    const qint64 gameAfter = sincePlay.elapsed();
    EXPECT_TRUE(x.gone(titles::menu)) << "the menu stayed during the game";
    const QRect field = x.geometry(game);
    EXPECT_EQ(field.size(), QSize(471, 353));
    const qint64 cpuBefore = x.gameCpuMs();
    QThread::msleep(8000);
    const qint64 cpuUsed = x.gameCpuMs() - cpuBefore;
    const QImage shot = x.screenshot(screenshotFolder() + "/game-window.png");
    const QPoint origin = field.topLeft();
    std::printf("[ measure ] first window %lld ms after launch; game window %lld ms after the Play "
                "click; CPU %.1f%% of one core over 8 s of play\n",
                static_cast<long long>(shownAfter), static_cast<long long>(gameAfter),
                cpuUsed / 80.0);
    // The grey strip across the top, clear of its labels.
    for (QPoint at : {QPoint(200, 30), QPoint(250, 8), QPoint(460, 36)})
        EXPECT_EQ(shot.pixel(origin + at), qRgb(128, 128, 128)) << at.x() << "," << at.y();
    EXPECT_EQ(shot.pixel(origin + QPoint(200, 60)), qRgb(0, 0, 0));

    // Three bananas.
    for (int k = 0; k < 3; ++k)
        EXPECT_GT(count(shot, origin, QRect(404 + 20 * k, 4, 20, 31), banana), 40) << "life " << k;

    // Gorvan at 124, 142.
    EXPECT_GT(count(shot, origin, QRect(124, 143, 34, 67), notBlack), 300);

    // At least one target in the playfield, away from Gorvan.
    const int left = count(shot, origin, QRect(0, 40, 120, 313), notBlack);
    const int right = count(shot, origin, QRect(162, 40, 309, 313), notBlack);
    EXPECT_GT(left + right, 200) << "no target in the playfield after 8 seconds";

    // Closing the game brings the menu back. No target can reach Gorvan in the first 9.7 s, but
    // a slow machine may get there first: answer any lost-life box (it holds the close box).
    for (int attempt = 0; attempt < 10 && !x.waitForWindow(titles::menu, 0); ++attempt) {
        if (const unsigned long box = x.waitForWindow(titles::box, 100)) {
            x.answer(box);
            QThread::msleep(200);
        } else {
            x.x11()->requestClose(game);
            x.waitForWindow(titles::menu, 1000);
        }
    }
    ASSERT_NE(x.waitForWindow(titles::menu, 0), 0u) << "no menu after the game; " << x.onScreen();
    x.shot("menu-after-game");

    // Help, twice: two editors, each given the help file.
    x.clickOn(menu, QPointF(500, 10));
    QThread::msleep(500); // two clicks, not a double click
    x.clickOn(menu, QPointF(500, 10));
    QThread::msleep(1000);
    const QList<QByteArray> lines = contents(opened).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2) << "Help started no editor, or not two";
    EXPECT_EQ(lines[0], QDir(dir).filePath("HelpFile.txt").toLocal8Bit());

    // Exit ends the program.
    x.clickOn(menu, QPointF(75, 313));
    ASSERT_TRUE(x.game().waitForFinished(5000)) << "Exit did not end the program";
    EXPECT_EQ(x.game().exitCode(), 0);
}

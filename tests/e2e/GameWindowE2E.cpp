#include "Pixels.h"
#include "XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace pixels;

const QString gameTitle = QStringLiteral("Vexaroo - Press P to pause");

// The game started from a folder with the delivered settings, its window found.
struct RunningGame {
    XSession x;
    QTemporaryDir folder;
    unsigned long window = 0;
    QRect area;

    QString problem;

    // With a scenario the harness stands in for the game (see Harness.cpp).
    bool start(const QString& scenario = {}) {
        if (!x.ok()) {
            problem = x.problem();
            return false;
        }
        QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"),
                    folder.filePath(QStringLiteral("settings")));
        const bool started =
            scenario.isEmpty()
                ? x.startGame(folder.path())
                : x.startGame(folder.path(), QStringLiteral(VEXAROO_HARNESS), {scenario});
        if (!started) {
            problem = QStringLiteral("the game does not start: ") + x.game().errorString();
            return false;
        }
        window = x.waitForWindow(gameTitle);
        if (window == 0) {
            problem = QStringLiteral("no game window on ") + x.display();
            return false;
        }
        area = x.geometry(window);
        return true;
    }
    QString xdotool(const QStringList& arguments) {
        return x.run(QStringLiteral("xdotool"), arguments);
    }
};

// Answers a message box as a player does: Return in the box.
void answerBox(XSession& x, unsigned long box) {
    x.run("xdotool", {"windowfocus", "--sync", QString::number(box)});
    x.run("xdotool", {"key", "Return"});
}

// Closes the game by its close box, answering any message box that holds it; returns the menu.
unsigned long closeGame(XSession& x, unsigned long window) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (const unsigned long box = x.waitForWindow(QStringLiteral("Vexaroo"), 100)) {
            answerBox(x, box);
            QThread::msleep(200);
            continue;
        }
        x.requestClose(window);
        if (const unsigned long menu = x.waitForWindow(QStringLiteral("Main Menu"), 1000))
            return menu;
    }
    return 0;
}

} // namespace

TEST(GameWindowOnScreen, ShowsTheStripLivesGorvanAndTargetsAndClosesCleanly) {
    XSession x;
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"), folder.filePath("settings"));

    QElapsedTimer sinceStart;
    sinceStart.start();
    ASSERT_TRUE(x.startGame(folder.path()));
    // The program opens with the intro; skip it and press Play.
    const unsigned long intro = x.waitForWindow(QStringLiteral(" "));
    ASSERT_NE(intro, 0u) << "the intro did not appear";
    const qint64 shownAfter = sinceStart.elapsed();
    auto click = [&](QPoint p) {
        x.run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
        QThread::msleep(150);
        x.run("xdotool", {"click", "1"});
    };
    click(x.geometry(intro).topLeft() + QPoint(20, 10));
    const unsigned long menu = x.waitForWindow(QStringLiteral("Main Menu"));
    ASSERT_NE(menu, 0u) << "no menu after Skip Intro";
    QThread::msleep(200);
    QElapsedTimer sincePlay;
    sincePlay.start();
    click(x.geometry(menu).topLeft() + QPoint(75, 133));
    const unsigned long window = x.waitForWindow(gameTitle);
    ASSERT_NE(window, 0u) << "the game window did not appear";
    const qint64 gameAfter = sincePlay.elapsed();
    const QRect area = x.geometry(window);
    EXPECT_EQ(area.size(), QSize(471, 353));

    const qint64 cpuBefore = x.gameCpuMs();
    QThread::msleep(8000);
    const qint64 cpuUsed = x.gameCpuMs() - cpuBefore;
    const QImage shot = x.screenshot(screenshotFolder() + "/game-window.png");
    ASSERT_FALSE(shot.isNull());
    const QPoint origin = area.topLeft();
    std::printf("[ measure ] first window %lld ms after launch; game window %lld ms after the Play "
                "click; CPU %.1f%% of one core over 8 s of play\n",
                static_cast<long long>(shownAfter), static_cast<long long>(gameAfter),
                cpuUsed / 80.0);

    // The grey strip across the top, clear of its labels.
    for (QPoint p : {QPoint(200, 30), QPoint(250, 8), QPoint(460, 36)})
        EXPECT_EQ(shot.pixel(origin + p), qRgb(128, 128, 128)) << p.x() << "," << p.y();
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

    // No target can reach Gorvan in the first 9.7 s, but a slow machine may get there first:
    // answer any lost-life box (it holds the close box) until the game closes.
    ASSERT_NE(closeGame(x, window), 0u)
        << "no menu after the game; on screen: " << x.visibleTitles().toStdString();
    ASSERT_TRUE(x.requestClose(menu));
    ASSERT_TRUE(x.game().waitForFinished(5000))
        << "the program did not end with the menu; on screen: " << x.visibleTitles().toStdString();
    EXPECT_EQ(x.game().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(x.game().exitCode(), 0);
}

TEST(GameWindowOnScreen, RealKeysMoveGorvanFireBulletsAndPause) {
    RunningGame game;
    // Targets fly level across the top, so no lost-life box can get in the way.
    ASSERT_TRUE(game.start(QStringLiteral("calm"))) << game.problem.toStdString();
    const QString id = QString::number(game.window);
    game.xdotool({"mousemove", QString::number(game.area.center().x()),
                  QString::number(game.area.center().y())});
    game.xdotool({"windowfocus", "--sync", id});
    const QPoint origin = game.area.topLeft();
    const QRect playfield(0, 39, 471, 314);

    const double before = meanX(game.x.screenshot(), origin, playfield, teal);
    ASSERT_GT(before, 124);
    ASSERT_LT(before, 158);
    game.xdotool({"keydown", "Right"});
    QThread::msleep(500);
    game.xdotool({"keyup", "Right"});
    QThread::msleep(100);
    const double after =
        meanX(game.x.screenshot(screenshotFolder() + "/moved-right.png"), origin, playfield, teal);
    EXPECT_GT(after - before, 150) << "Gorvan moved from x " << before << " to " << after;

    game.xdotool({"keydown", "space"});
    QThread::msleep(300);
    const QImage firing = game.x.screenshot(screenshotFolder() + "/firing.png");
    game.xdotool({"keyup", "space"});
    EXPECT_GT(count(firing, origin, playfield, bulletColour), 4) << "no bullet in flight";

    // Pause once a target is well inside the window, so there is flight to stop.
    const QRect inside(0, 39, 400, 314);
    for (int wait = 0; wait < 100; ++wait) {
        if (count(game.x.screenshot(), origin, inside, hazard) > 300)
            break;
        QThread::msleep(100);
    }
    game.xdotool({"key", "p"});
    const unsigned long box = game.x.waitForWindow(QStringLiteral("Vexaroo"), 15000);
    ASSERT_NE(box, 0u) << "no pause box";
    QThread::msleep(300); // let the box paint itself
    game.x.screenshot(screenshotFolder() + "/paused.png");
    // Targets spin in place but do not fly while the box is open.
    const auto held1 =
        blobs(game.x.screenshot(screenshotFolder() + "/held1.png"), origin, inside, hazard);
    QThread::msleep(600);
    const auto held2 =
        blobs(game.x.screenshot(screenshotFolder() + "/held2.png"), origin, inside, hazard);
    EXPECT_FALSE(held1.empty());
    EXPECT_TRUE(samePlaces(held1, held2))
        << "targets moved during the pause: " << describe(held1) << " then " << describe(held2);

    answerBox(game.x, box);
    QThread::msleep(300);
    EXPECT_EQ(game.x.waitForWindow(QStringLiteral("Vexaroo"), 300), 0u) << "the box stayed open";
    const auto going1 =
        blobs(game.x.screenshot(screenshotFolder() + "/resumed.png"), origin, inside, hazard);
    QThread::msleep(600);
    const auto going2 = blobs(game.x.screenshot(), origin, inside, hazard);
    EXPECT_FALSE(samePlaces(going1, going2)) << "play did not go on";
}

TEST(GameWindowOnScreen, GameOverAtLevelThreeLeadsToTheEntryScreenAndTheScoresFile) {
    RunningGame game;
    // No spare life, level 3, 12 destroyed, and a target about to touch Gorvan.
    ASSERT_TRUE(game.start(QStringLiteral("last-life"))) << game.problem.toStdString();
    const unsigned long box = game.x.waitForWindow(QStringLiteral("Vexaroo"), 15000);
    ASSERT_NE(box, 0u) << "no GAME OVER box";
    QThread::msleep(300);
    game.x.screenshot(screenshotFolder() + "/game-over.png");
    answerBox(game.x, box);

    const unsigned long entry = game.x.waitForWindow(QStringLiteral("You have a high score!"));
    ASSERT_NE(entry, 0u) << "no entry screen after the game";
    const QString id = QString::number(entry);
    game.xdotool({"windowfocus", "--sync", id});
    game.xdotool({"type", "--delay", "40", "Ada"});
    game.xdotool({"key", "Tab"});
    // The tenth character is refused: "Lovelace-K" arrives as "Lovelace-".
    game.xdotool({"type", "--delay", "40", "Lovelace-K"});
    QThread::msleep(300);
    const QRect area = game.x.geometry(entry);
    const QImage shot = game.x.screenshot(screenshotFolder() + "/entry-screen.png");
    // The banner's dark grey and the white name boxes.
    EXPECT_EQ(shot.pixel(area.topLeft() + QPoint(272, 20)), qRgb(64, 64, 64));
    EXPECT_EQ(shot.pixel(area.topLeft() + QPoint(130, 45)), qRgb(255, 255, 255));

    // Submit, as a player clicks it.
    const QPoint submit = area.topLeft() + QPoint(79 + 30, 148 + 10);
    game.xdotool({"mousemove", QString::number(submit.x()), QString::number(submit.y())});
    game.xdotool({"click", "1"});
    for (int wait = 0;
         wait < 50 && game.x.waitForWindow(QStringLiteral("You have a high score!"), 100) != 0;
         ++wait)
        QThread::msleep(100);
    EXPECT_EQ(game.x.waitForWindow(QStringLiteral("You have a high score!"), 100), 0u)
        << "the entry screen stayed open";

    QFile scores(game.folder.filePath(QStringLiteral("scores")));
    ASSERT_TRUE(scores.open(QIODevice::ReadOnly)) << "no scores file";
    QByteArray expected("Ada       Lovelace- ", 20);
    expected += QByteArray("\x03\x00\x0c\x00", 4);
    expected += QByteArray(20, '\0');
    EXPECT_EQ(scores.readAll().toHex().toStdString(), expected.toHex().toStdString());
}

TEST(GameWindowOnScreen, TheCloseBoxWaitsWhileALostLifeMessageIsOpen) {
    RunningGame game;
    ASSERT_TRUE(game.start(QStringLiteral("lost-life"))) << game.problem.toStdString();
    const unsigned long box = game.x.waitForWindow(QStringLiteral("Vexaroo"), 15000);
    ASSERT_NE(box, 0u) << "no lost-life box";

    // The box holds its window: the close box does nothing meanwhile.
    ASSERT_TRUE(game.x.requestClose(game.window));
    QThread::msleep(1000);
    EXPECT_EQ(game.x.waitForWindow(QStringLiteral("Main Menu"), 100), 0u)
        << "the game closed under its box; on screen: " << game.x.visibleTitles().toStdString();
    ASSERT_NE(game.x.waitForWindow(QStringLiteral("Vexaroo"), 100), 0u) << "the box went away";

    answerBox(game.x, box);
    QThread::msleep(300);
    ASSERT_NE(game.x.waitForWindow(gameTitle, 100), 0u) << "the game did not go on";
    EXPECT_EQ(game.x.waitForWindow(QStringLiteral("Vexaroo"), 100), 0u) << "the box stayed open";

    // Once the box is answered the close box works again.
    ASSERT_TRUE(game.x.requestClose(game.window));
    EXPECT_NE(game.x.waitForWindow(QStringLiteral("Main Menu"), 5000), 0u)
        << "no menu after the game; on screen: " << game.x.visibleTitles().toStdString();
}

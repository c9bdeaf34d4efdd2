// The whole program as a player meets it: intro, menu, settings, table, a game, help, exit.
#include "Pixels.h"
#include "Player.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace pixels;

namespace {

QByteArray slot(const QByteArray& first, const QByteArray& last, qint16 level, qint16 targets) {
    QByteArray bytes = first.leftJustified(10, ' ') + last.leftJustified(10, ' ');
    bytes += char(level & 0xff);
    bytes += char((level >> 8) & 0xff);
    bytes += char(targets & 0xff);
    bytes += char((targets >> 8) & 0xff);
    return bytes + QByteArray(20, '\0');
}

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

TEST(WholeProgram, APlayerGoesThroughEveryScreen) {
    Player p;
    XSession& x = *p.x11();
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    QTemporaryDir stubs;
    const QString dir = p.folder.path();
    QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/HelpFile.txt"), dir + "/HelpFile.txt");
    {
        QFile scores(dir + "/scores");
        ASSERT_TRUE(scores.open(QIODevice::WriteOnly));
        scores.write(slot("Al", "Smith", 4, 37) + slot("Bea", "Jones", 3, 12));
    }
    // The desktop's opener, replaced by a stub that notes what it was asked to open.
    const QString opened = stubs.filePath("opened.txt");
    {
        QFile stub(stubs.filePath("xdg-open"));
        ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
        stub.write(QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(opened).toUtf8());
        stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner);
    }
    qputenv("PATH", (stubs.path() + ":" + qEnvironmentVariable("PATH")).toLocal8Bit());
    // The intro plays in a window without a title; "Skip Intro" stands top left.
    const unsigned long intro = p.start();
    ASSERT_NE(intro, 0u) << "no intro";
    const QRect introArea = x.geometry(intro);
    EXPECT_EQ(introArea.size(), QSize(522, 354));
    QThread::msleep(1500);
    const QImage introShot = p.shot("intro");
    EXPECT_GT(count(introShot, introArea.topLeft(), QRect(0, 0, 522, 354), notBlack), 3000)
        << "the intro shows nothing";
    p.click(intro, QPointF(20, 10));

    const unsigned long menu = x.waitForWindow(titles::menu);
    ASSERT_NE(menu, 0u) << "no menu after Skip Intro";
    EXPECT_TRUE(p.gone(titles::intro)) << "the intro stayed";
    const QRect area = x.geometry(menu);
    const QPoint o = area.topLeft();
    EXPECT_EQ(area.size(), QSize(522, 354));
    const QRect playButton(20, 108, 110, 50);
    const auto hover = [&](QPoint at) {
        x.run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y())});
    };
    hover(o + QPoint(300, 340)); // bare background: no highlight
    const QImage menuShot = p.shot("menu");
    EXPECT_GT(count(menuShot, o, QRect(11, 4, 500, 100), yellow), 2000) << "no title";
    EXPECT_GT(count(menuShot, o, playButton, yellow), 1500) << "no play button";
    EXPECT_LT(count(menuShot, o, playButton, brightRed), 20);
    hover(o + QPoint(75, 133));
    EXPECT_GT(count(p.shot("menu-play-lit"), o, playButton, brightRed), 40)
        << "the play button does not light up";

    // Settings: give the fire key to A and keep it.
    p.click(menu, QPointF(75, 193));
    const unsigned long settings = x.waitForWindow(titles::settings);
    ASSERT_NE(settings, 0u) << "no settings screen";
    p.shot("settings");
    p.click(settings, QPointF(143, 248));
    p.shot("settings-waiting");
    x.key("a");
    p.shot("settings-fire-a");
    p.click(settings, QPointF(95, 282));
    EXPECT_TRUE(p.gone(titles::settings));
    QFile settingsFile(dir + "/settings");
    ASSERT_TRUE(settingsFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(settingsFile.readAll(),
              QByteArray(" 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"));

    // High scores: two rows filled, the rest empty; Close gives the menu back.
    p.click(menu, QPointF(75, 253));
    const unsigned long high = x.waitForWindow(titles::high);
    ASSERT_NE(high, 0u) << "no high-score table (the menu did not come back enabled?)";
    const QPoint h = x.geometry(high).topLeft();
    const QImage table = p.shot("high-scores");
    EXPECT_GT(count(table, h, QRect(37, 53, 100, 11), white), 15) << "row 1 has no name";
    EXPECT_GT(count(table, h, QRect(37, 65, 100, 11), white), 15) << "row 2 has no name";
    EXPECT_EQ(count(table, h, QRect(37, 77, 100, 11), white), 0) << "row 3 is not empty";
    p.click(high, QPointF(138, 190));
    EXPECT_TRUE(p.gone(titles::high));

    // Play: the menu goes, the game runs; closing the game brings the menu back.
    p.click(menu, QPointF(75, 133));
    const unsigned long game = x.waitForWindow(titles::game);
    ASSERT_NE(game, 0u) << "no game";
    EXPECT_TRUE(p.gone(titles::menu)) << "the menu stayed during the game";
    QThread::msleep(1500);
    p.shot("game");
    ASSERT_TRUE(x.requestClose(game));
    ASSERT_NE(x.waitForWindow(titles::menu), 0u) << "no menu after the game";
    p.shot("menu-after-game");

    // Help, twice: two editors, each given the help file.
    p.click(menu, QPointF(500, 10));
    QThread::msleep(500); // two clicks, not a double click
    p.click(menu, QPointF(500, 10));
    QThread::msleep(1000);
    QFile openedFile(opened);
    ASSERT_TRUE(openedFile.open(QIODevice::ReadOnly)) << "Help started nothing";
    const QList<QByteArray> lines = openedFile.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QDir(dir).filePath("HelpFile.txt").toLocal8Bit());

    // Exit ends the program.
    p.click(menu, QPointF(75, 313));
    ASSERT_TRUE(x.game().waitForFinished(5000)) << "Exit did not end the program";
    EXPECT_EQ(x.game().exitCode(), 0);
}

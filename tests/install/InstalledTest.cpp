// The program as the package installs it (staged with DESTDIR): every file in its place,
// and the launcher started by a new player from an unrelated folder.
#include "XSession.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QString stage = VEXAROO_STAGE "/";
const QString launcher = stage + "usr/games/vexaroo";
const QString game = stage + "usr/lib/games/vexaroo/vexaroo";

std::string text(const QString& path) {
    return QFileInfo::exists(path) ? contents(path).toStdString() : "(missing)";
}

} // namespace

TEST(InstalledLayout, EveryFileInItsPlace) {
    const std::pair<QString, QStringList> folders[] = {
        {"usr/games/", {"vexaroo"}},
        {"usr/lib/games/vexaroo/",
         {"vexaroo", "anim/gv", "anim/target", "anim/intro", "sounds/shot.wav", "sounds/hit.wav",
          "sounds/life.wav", "sounds/level.wav", "sounds/gameover.wav", "sounds/click.wav"}},
        {"usr/share/games/vexaroo/",
         {"settings", "HelpFile.txt", "HelpFile.de.txt", "HelpFile.fr.txt", "screenshot.png"}},
        {"usr/share/doc/vexaroo/", {"copyright", "changelog.gz"}},
        {"usr/share/",
         {"applications/io.github.vexaroo.Vexaroo.desktop",
          "metainfo/io.github.vexaroo.Vexaroo.metainfo.xml", "man/man6/vexaroo.6.gz",
          "icons/hicolor/scalable/apps/io.github.vexaroo.Vexaroo.svg"}}};
    QStringList expected;
    for (const auto& [folder, files] : folders)
        for (const QString& file : files)
            expected << folder + file;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        expected << QStringLiteral(
                        "usr/share/icons/hicolor/%1x%1/apps/io.github.vexaroo.Vexaroo.png")
                        .arg(size);
        EXPECT_EQ(QImage(stage + expected.last()).size(), QSize(size, size)) << size;
    }
    QStringList installed;
    for (QDirIterator it(stage, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        installed << QDir(stage).relativeFilePath(it.next());
    expected.sort();
    installed.sort();
    EXPECT_EQ(installed.join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_TRUE(QFileInfo(launcher).isExecutable() && QFileInfo(game).isExecutable());
}

// The first start makes and seeds the player's folder, a key chosen on the settings screen
// lands in it, and the second start keeps that choice.
TEST(InstalledGame, EachPlayerKeepsTheirOwnFolder) {
    const auto desktop = Desktop::open();
    Desktop& x = *desktop;
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    const QString mine = home.path() + "/.local/share/vexaroo/";
    const std::string fireOnA = " 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n";

    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(start);
        ASSERT_TRUE(x.startGame(elsewhere.path(), launcher));
        const unsigned long intro = x.waitForWindow(" ");
        ASSERT_NE(intro, 0u) << "no intro; " << x.onScreen();
        // The launcher became the game: one process, whose end the desktop sees.
        EXPECT_EQ(QFileInfo(QString("/proc/%1/exe").arg(x.game().processId())).canonicalFilePath(),
                  QFileInfo(game).canonicalFilePath());
        if (start == 2) {
            EXPECT_EQ(text(mine + "settings"), fireOnA);
            break;
        }
        for (const char* name : {"settings", "HelpFile.txt", "HelpFile.de.txt", "HelpFile.fr.txt"})
            EXPECT_EQ(text(mine + name), text(stage + "usr/share/games/vexaroo/" + name));
        x.clickOn(intro, {20, 10}); // Skip Intro
        const unsigned long menu = x.waitForWindow(titles::menu);
        ASSERT_NE(menu, 0u) << "no menu";
        x.clickOn(menu, {75, 193}); // Settings
        const unsigned long settings = x.waitForWindow(titles::settings);
        ASSERT_NE(settings, 0u) << "no settings screen";
        x.clickOn(settings, {143, 248}); // the fire key's box
        x.key("a");
        x.clickOn(settings, {95, 282}); // OK
        for (int wait = 0; wait < 100 && text(mine + "settings") != fireOnA; ++wait)
            QThread::msleep(100);
        EXPECT_EQ(text(mine + "settings"), fireOnA);
        x.game().kill();
        x.game().waitForFinished();
    }
}

// A start that cannot go on ends with code 1 and one line that says why; with a display, a
// desktop message says it too, for a player who started from the menu and sees no terminal.
TEST(InstalledGame, AStartThatCannotGoOnSaysWhy) {
    const auto desktop = Desktop::open();
    XSession& x = *desktop->x11();
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    struct Case {
        QString env;       // NAME=value pairs; $X is this session's display
        const char* spoil; // shell, given the player's folder
        QString said;      // %1: the player's folder
    };
    const Case cases[] = {
        {"DISPLAY=:9999 WAYLAND_DISPLAY=wayland-9", "",
         "Vexaroo needs a graphical desktop, but the X display \":9999\" cannot be opened and the "
         "Wayland display \"wayland-9\" cannot be opened."},
        {"", "", "Vexaroo needs a graphical desktop, but DISPLAY is not set."},
        {"", "touch \"$1\"", "Vexaroo cannot create the folder %1: "},
        {"DISPLAY=$X", "mkdir -m 555 \"$1\"",
         "Vexaroo cannot write to the folder %1: Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said.toStdString());
        QTemporaryDir dataHome;
        const QString folder = dataHome.path() + "/vexaroo";
        QProcess::execute("sh", {"-c", c.spoil, "sh", folder});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        for (const QString& pair : c.env.split(' ', Qt::SkipEmptyParts))
            env.insert(pair.section('=', 0, 0), pair.section('=', 1).replace("$X", x.display()));
        env.insert("XDG_DATA_HOME", dataHome.path());
        env.insert("XDG_RUNTIME_DIR", dataHome.path()); // as a session has; else Qt warns
        QProcess process;
        process.setProcessEnvironment(env);
        // Root writes anywhere; without the override capability it meets the permissions.
        if (geteuid() == 0)
            process.start("setpriv", {"--bounding-set=-dac_override", launcher});
        else
            process.start(launcher);
        if (c.env.contains("$X")) {
            const unsigned long message = x.waitForWindow("Vexaroo");
            ASSERT_NE(message, 0u)
                << "no desktop message; shown: " << x.visibleTitles().toStdString();
            x.shot("launcher-message");
            ASSERT_TRUE(x.requestClose(message));
        }
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(said.startsWith(c.said.contains("%1") ? c.said.arg(folder) : c.said) &&
                    said.count('\n') == 1)
            << said.toStdString();
    }
}

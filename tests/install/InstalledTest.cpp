// The program as the package installs it (staged with DESTDIR): every file in its place,
// and the launcher started by a new player from an unrelated folder.
#include "XSession.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace {

const QString stage = QStringLiteral(VEXAROO_STAGE);
const QString launcher = stage + QStringLiteral("/usr/games/vexaroo");
const QString game = stage + QStringLiteral("/usr/lib/games/vexaroo/vexaroo");
const QString delivered = stage + QStringLiteral("/usr/share/games/vexaroo/");

std::string contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(missing)";
}

void click(XSession& x, QPoint at) {
    x.run(QStringLiteral("xdotool"),
          {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

bool waitFor(const std::function<bool()>& done) {
    for (int tries = 0; tries < 100 && !done(); ++tries)
        QProcess::execute(QStringLiteral("sleep"), {"0.1"});
    return done();
}

} // namespace

TEST(InstalledLayout, EveryFileInItsPlace) {
    QStringList expected = {"usr/games/vexaroo",
                            "usr/lib/games/vexaroo/vexaroo",
                            "usr/lib/games/vexaroo/anim/gv",
                            "usr/lib/games/vexaroo/anim/target",
                            "usr/lib/games/vexaroo/anim/intro",
                            "usr/share/games/vexaroo/settings",
                            "usr/share/games/vexaroo/HelpFile.txt",
                            "usr/share/games/vexaroo/screenshot.png",
                            "usr/share/applications/vexaroo.desktop",
                            "usr/share/metainfo/vexaroo.metainfo.xml",
                            "usr/share/icons/hicolor/scalable/apps/vexaroo.svg",
                            "usr/share/man/man6/vexaroo.6.gz",
                            "usr/share/doc/vexaroo/copyright",
                            "usr/share/doc/vexaroo/changelog.gz"};
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString icon =
            QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/vexaroo.png").arg(size);
        expected << icon;
        EXPECT_EQ(QImage(stage + "/" + icon).size(), QSize(size, size)) << icon.toStdString();
    }
    QStringList installed;
    for (QDirIterator it(stage, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        installed << QDir(stage).relativeFilePath(it.next());
    expected.sort();
    installed.sort();
    EXPECT_EQ(installed.join('\n').toStdString(), expected.join('\n').toStdString());
    for (const QString& program : {launcher, game})
        EXPECT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
}

// The player's folder is made and seeded on the first start, a key chosen on the settings
// screen lands in it, and the second start keeps that choice.
TEST(InstalledGame, EachPlayerKeepsTheirOwnFolder) {
    XSession x;
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    const QString mine = home.path() + "/.local/share/vexaroo/";
    const std::string fireOnA = " 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n";

    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(start);
        ASSERT_TRUE(x.startGame(elsewhere.path(), launcher));
        const unsigned long intro = x.waitForWindow(QStringLiteral(" "));
        ASSERT_NE(intro, 0u) << "no intro";
        // The launcher became the game: one process, which the desktop sees end.
        EXPECT_EQ(
            QFileInfo(QStringLiteral("/proc/%1/exe").arg(x.game().processId())).canonicalFilePath(),
            QFileInfo(game).canonicalFilePath());
        if (start == 1) {
            for (const char* name : {"settings", "HelpFile.txt"})
                EXPECT_EQ(contents(mine + name), contents(delivered + name)) << name;
            click(x, x.geometry(intro).topLeft() + QPoint(20, 10)); // Skip Intro
            const unsigned long menu = x.waitForWindow(QStringLiteral("Main Menu"));
            ASSERT_NE(menu, 0u) << "no menu";
            click(x, x.geometry(menu).topLeft() + QPoint(75, 193)); // Settings
            const unsigned long settings = x.waitForWindow(QStringLiteral("Settings"));
            ASSERT_NE(settings, 0u) << "no settings screen";
            const QPoint s = x.geometry(settings).topLeft();
            click(x, s + QPoint(143, 248)); // the fire key's box
            x.run(QStringLiteral("xdotool"), {"key", "a"});
            click(x, s + QPoint(95, 282)); // OK
            EXPECT_TRUE(waitFor([&] { return contents(mine + "settings") == fireOnA; }))
                << contents(mine + "settings");
        } else {
            EXPECT_EQ(contents(mine + "settings"), fireOnA);
        }
        x.game().kill();
        x.game().waitForFinished();
    }
}

// A start that cannot go on ends with code 1 and one line that says why; where a display is
// there, a message says it too, since a player who started from the menu sees no terminal.
TEST(InstalledGame, AStartThatCannotGoOnSaysWhy) {
    XSession x;
    ASSERT_TRUE(x.ok()) << x.problem().toStdString();
    struct Case {
        const char* what;
        const char* display; // nullptr: unset
        std::function<void(const QString& folder)> spoil;
        QString said;
    };
    const bool root = geteuid() == 0;
    const Case cases[] = {
        {"the X display cannot be opened",
         ":9999",
         {},
         "Vexaroo needs a graphical desktop, but the X display \":9999\" cannot be opened."},
        {"no display is set",
         nullptr,
         {},
         "Vexaroo needs a graphical desktop, but DISPLAY is not set."},
        {"a file stands where the folder goes", nullptr,
         [](const QString& folder) {
             QFile file(folder);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         "Vexaroo cannot create the folder %1: "},
        {"the folder cannot be written", "", // this session's display
         [](const QString& folder) {
             ASSERT_TRUE(QDir().mkpath(folder));
             QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         },
         "Vexaroo cannot write to the folder %1: Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dataHome;
        const QString folder = dataHome.path() + "/vexaroo";
        if (c.spoil)
            c.spoil(folder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (c.display)
            env.insert("DISPLAY", *c.display ? QString(c.display) : x.display());
        env.insert("XDG_DATA_HOME", dataHome.path());
        env.insert("XDG_RUNTIME_DIR", dataHome.path()); // as a session has; else Qt warns
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QDir::tempPath());
        // Root writes anywhere; without the override capability it meets the permissions.
        if (root)
            process.start("setpriv", {"--bounding-set=-dac_override", launcher});
        else
            process.start(launcher);
        ASSERT_TRUE(process.waitForStarted());
        if (c.display && !*c.display) {
            const unsigned long message = x.waitForWindow(QStringLiteral("Vexaroo"));
            ASSERT_NE(message, 0u)
                << "no message on the desktop; shown: " << x.visibleTitles().toStdString();
            x.screenshot(screenshotFolder() + "/launcher-message.png");
            ASSERT_TRUE(x.requestClose(message));
        }
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        const QString stderrText = QString::fromLocal8Bit(process.readAllStandardError());
        const QString said = c.said.contains("%1") ? c.said.arg(folder) : c.said;
        EXPECT_TRUE(stderrText.startsWith(said) && stderrText.count('\n') == 1)
            << stderrText.toStdString();
    }
}

#include "MenuFixture.h"

#include "frmHigh.h"
#include "frmSettings.h"

#include <QFile>
#include <QScopeGuard>

#include <climits>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

// The parts that the highlight and click rules rely on, and the pointing hand over each part
// that takes a click (not the normal Settings picture).
TEST_F(MenuWindow, LitPicturesCoverTheirButtonsAndStartHidden) {
    frmMain& menu = shownMenu();
    EXPECT_EQ(menu.windowTitle(), "Main Menu");
    EXPECT_EQ(menu.size(), QSize(522, 354));
    EXPECT_EQ(lit(), noneLit);
    for (const auto* button : {&menu.picPlay, &menu.picSettings, &menu.picHigh, &menu.picExit}) {
        const auto& [normal, bright] = *button;
        SCOPED_TRACE(normal->picture().toStdString());
        EXPECT_EQ(bright->geometry(), normal->geometry());
        EXPECT_NE(bright->picture(), normal->picture());
        EXPECT_TRUE(normal->isVisible());
        EXPECT_EQ(menu.childAt(centreOf(*normal)), normal.get()); // nothing lies over it
        const bool plain = button == &menu.picSettings;
        EXPECT_EQ(normal->cursor().shape(), plain ? Qt::ArrowCursor : Qt::BitmapCursor);
        EXPECT_EQ(bright->cursor().shape(), Qt::BitmapCursor);
    }
    EXPECT_EQ(menu.childAt(bareBackground), nullptr);
    // "Help" is on top of the gradient and the title, so it gets the clicks there.
    EXPECT_EQ(menu.childAt(centreOf(menu.lblHelp)), &menu.lblHelp);
    EXPECT_TRUE(menu.imgGradiant.geometry().contains(centreOf(menu.lblHelp)));
    EXPECT_EQ(menu.lblHelp.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(menu.lblInformation[5]->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MenuWindow, InformationBoxesShareTheirBorderLines) {
    frmMain& menu = shownMenu();
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(menu.sqrBorder[i]->geometry().top(), menu.sqrBorder[i - 1]->geometry().bottom());
    // The description's box holds its heading and its text, edge to edge.
    const QRect box = menu.sqrBorder[5]->geometry();
    EXPECT_EQ(box.top(), menu.sqrBorder[4]->geometry().bottom());
    EXPECT_EQ(menu.lblInformation[6]->geometry().top(), box.top());
    EXPECT_EQ(menu.lblInformation[5]->geometry().top(),
              menu.lblInformation[6]->geometry().bottom());
    EXPECT_EQ(menu.lblInformation[5]->geometry().bottom(), box.bottom());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(menu.lblInformation[i]->geometry(), menu.sqrBorder[i]->geometry());
    EXPECT_TRUE(menu.lblInformation[5]->wordWrap());
    EXPECT_EQ(menu.lblInformation[4]->caption(), " Project Name: Vexaroo");
    EXPECT_EQ(menu.lblInformation[6]->caption(), " Project Description:");
    // Every one-line text fits its box.
    for (int i : {0, 1, 2, 3, 4, 6}) {
        const Label& line = *menu.lblInformation[i];
        EXPECT_LE(line.fontMetrics().horizontalAdvance(line.caption()), line.width()) << i;
    }
}

// The pointer's path over the menu: a button lights as it comes over it, labels and images
// keep the light where it was, and only the background (also between two buttons) puts it out.
TEST_F(MenuWindow, ButtonsLightUnderThePointerUntilItReachesTheBackground) {
    frmMain& menu = shownMenu();
    const QWidget* info0 = menu.lblInformation[0].get();
    const QWidget* description = menu.lblInformation[5].get();
    const struct {
        QPoint at;
        std::vector<bool> lit;
    } path[] = {
        {centreOf(menu.picPlay), playLit},
        {centreOf(menu.picPlay) + QPoint(5, 3), playLit}, // now over the lit picture
        {centreOf(menu.picSettings), settingsLit},
        {centreOf(menu.picExit), exitLit},
        {centreOf(menu.picHigh), highLit},
        {centreOf(menu.picExit), exitLit},
        {centreOf(*description), exitLit},
        {menu.sqrBorder[5]->geometry().bottomLeft(), exitLit}, // a border over a label's edge
        {centreOf(*info0), exitLit},
        {centreOf(menu.imgGorvan), exitLit},
        {centreOf(menu.imgTitle), exitLit},
        {centreOf(menu.lblHelp), exitLit},
        {bareBackground, noneLit},
        {centreOf(menu.picPlay), playLit},
        {QPoint(centreOf(menu.picPlay).x(), 163), noneLit}, // the gap below Play
    };
    for (const auto& step : path) {
        moveTo(step.at);
        EXPECT_EQ(lit(), step.lit) << step.at.x() << "," << step.at.y();
    }
}

TEST_F(MenuWindow, ClickingTheLitPictureDoesWhatTheNormalOneDoes) {
    frmMain& menu = shownMenu();
    // A click with no move before it lands on the normal picture.
    QTest::mouseClick(menu.picPlay[0].get(), Qt::LeftButton);
    ASSERT_NE(loaded<frmGame>(), nullptr);
    EXPECT_TRUE(loaded<frmGame>()->isVisible());
    EXPECT_FALSE(menu.isVisible());
    program.frmGame().unload();
    ASSERT_TRUE(menu.isVisible());

    // The pointer moves over the button before it clicks: the lit picture takes the click.
    moveTo(centreOf(menu.picPlay));
    ASSERT_EQ(menu.childAt(centreOf(menu.picPlay)), menu.picPlay[1].get());
    processDeferredDeletes();
    clickAt(centreOf(menu.picPlay));
    ASSERT_NE(loaded<frmGame>(), nullptr);
    EXPECT_TRUE(loaded<frmGame>()->isVisible());
    EXPECT_FALSE(menu.isVisible());
    program.frmGame().unload(); // the game shows the menu again, with the light where it was
    EXPECT_EQ(lit(), playLit);
}

TEST_F(MenuWindow, KeysLightTheButtonsInTurnFromWhereTheMouseLeftTheLight) {
    using Button = std::array<std::unique_ptr<PictureBox>, 2> frmMain::*;
    const struct {
        Button from;
        const char* keys;
        std::vector<bool> lit;
    } cases[] = {
        {&frmMain::picPlay, "Down", settingsLit},
        {&frmMain::picPlay, "Down, Down", highLit},
        {&frmMain::picPlay, "Up, Up", exitLit}, // past the sound
        {&frmMain::picPlay, "Tab", settingsLit},
        {&frmMain::picPlay, "Shift+Backtab, Shift+Backtab", exitLit},
        {&frmMain::picExit, "Down, Down", playLit},
        {&frmMain::picHigh, "Up, Esc", settingsLit},
    };
    frmMain& menu = shownMenu();
    for (const auto& c : cases) {
        // The mouse lights a button and leaves it for the background: the keys go on from there.
        moveTo(centreOf(menu.*c.from));
        moveTo(bareBackground);
        QTest::keySequence(&menu, QKeySequence(c.keys));
        EXPECT_EQ(lit(), c.lit);
        const std::array<Button, 4> buttons = {&frmMain::picPlay, &frmMain::picSettings,
                                               &frmMain::picHigh, &frmMain::picExit};
        const auto litButton = std::find(c.lit.begin(), c.lit.end(), true) - c.lit.begin();
        EXPECT_TRUE(menu.sqrFocus.geometry().contains((menu.*buttons[litButton])[0]->geometry()))
            << "the focus is not shown around the lit button";
    }
    EXPECT_FALSE(program.hasEnded()); // Esc does nothing
}

TEST_F(MenuWindow, ReturnAndSpacePressTheLitButtonAndF1OpensHelp) {
    frmMain& menu = shownMenu();
    QTest::keyClick(&menu, Qt::Key_F1);
    EXPECT_EQ(world.launcher.launches.size(), 1u);
    QTest::keySequence(&menu, QKeySequence("Down, Down, Return"));
    ASSERT_NE(loaded<frmHigh>(), nullptr);
    EXPECT_TRUE(loaded<frmHigh>()->isVisible());
    EXPECT_FALSE(menu.isEnabled());
    QTest::keyClick(&menu, Qt::Key_Up); // a disabled menu takes no keys
    program.frmHigh().unload();
    EXPECT_EQ(lit(), highLit);
    QTest::keySequence(&menu, QKeySequence("Up, Up, Space"));
    EXPECT_NE(loaded<frmGame>(), nullptr);
    EXPECT_FALSE(menu.isVisible());
}

// Settings and the table each block the menu until they close, by their button or their close
// box; then the menu, its light where it was, lights and opens the game again.
TEST_F(MenuWindow, SettingsAndTheTableBlockTheMenuUntilTheyCloseEitherWay) {
    frmMain& menu = shownMenu();
    auto blocks = [&]<class Screen, class Button>(auto& button, const std::vector<bool>& itsLight,
                                                  Button Screen::*closeButton) {
        for (bool byButton : {true, false}) {
            moveTo(centreOf(button));
            clickAt(centreOf(button));
            Screen* screen = loaded<Screen>();
            ASSERT_NE(screen, nullptr);
            EXPECT_TRUE(screen->isVisible());
            EXPECT_FALSE(menu.isEnabled());
            expectMenuTakesNothing();
            EXPECT_EQ(loaded<frmGame>(), nullptr);
            if (byButton)
                QTest::mouseClick(&(screen->*closeButton), Qt::LeftButton);
            else
                closeByFrame(*screen);
            EXPECT_TRUE(screen->isUnloaded());
            EXPECT_TRUE(menu.isEnabled()) << screen->windowTitle().toStdString() << byButton;
            EXPECT_EQ(lit(), itsLight);
            processDeferredDeletes();
            moveTo(centreOf(menu.picPlay));
            EXPECT_EQ(lit(), playLit);
        }
    };
    blocks(menu.picSettings, settingsLit, &frmSettings::cmdOk);
    blocks(menu.picHigh, highLit, &frmHigh::cmdClose);
    clickAt(centreOf(menu.picPlay)); // usable again
    EXPECT_FALSE(menu.isVisible());
    EXPECT_NE(loaded<frmGame>(), nullptr);
}

TEST_F(MenuWindow, EveryHelpClickStartsAnotherEditorOnTheHelpFile) {
    frmMain& menu = shownMenu();
    clickAt(centreOf(menu.lblHelp));
    clickAt(centreOf(menu.lblHelp));
    ASSERT_EQ(world.launcher.launches.size(), 2u);
    for (const auto& launch : world.launcher.launches) {
        // The editor gets the help file of the current directory, by its full path.
        ASSERT_EQ(launch.arguments.size(), 1);
        const QFileInfo helpFile(QFile::decodeName(launch.arguments[0]));
        EXPECT_EQ(helpFile, QFileInfo(world.path("HelpFile.txt")));
        EXPECT_TRUE(helpFile.isAbsolute());
        EXPECT_EQ(launch.program, world.launcher.launches[0].program);
    }
    EXPECT_TRUE(world.messageBox.texts.empty());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(menu.isEnabled());
    // A right click is no click.
    QTest::mouseClick(menu.windowHandle(), Qt::RightButton, {}, centreOf(menu.lblHelp));
    EXPECT_EQ(world.launcher.launches.size(), 2u);
}

TEST_F(MenuWindow, HelpGetsThePathInTheBytesOfAnyFolderOrSaysWhyThereIsNone) {
    frmMain& menu = shownMenu();
    char folder[PATH_MAX];
    ASSERT_TRUE(realpath(QFile::encodeName(world.folder.path()).constData(), folder));
    // Made and removed here by relative names: the folder's own cleanup cannot name them.
    const QByteArray odd = "x\xff";
    const QByteArray level(200, 'd');
    std::vector<const char*> made;
    auto enter = [&](const QByteArray& name) {
        if (mkdir(name.constData(), 0700) == 0 && chdir(name.constData()) == 0)
            made.push_back(name.constData());
    };
    const auto leave = qScopeGuard([&] {
        for (; !made.empty(); made.pop_back())
            EXPECT_TRUE(chdir("..") == 0 && rmdir(made.back()) == 0);
    });

    // A folder name that is no valid text reaches the editor byte for byte.
    enter(odd);
    clickAt(centreOf(menu.lblHelp));
    ASSERT_EQ(world.launcher.launches.size(), 1u);
    EXPECT_EQ(world.launcher.launches[0].arguments,
              QByteArrayList{QByteArray(folder) + "/x\xff/HelpFile.txt"});

    // Deeper than the system can name: it says so, and nothing is started.
    constexpr std::size_t depth = PATH_MAX / 200 + 1;
    while (made.size() <= depth)
        enter(level);
    ASSERT_EQ(made.size(), depth + 1);
    clickAt(centreOf(menu.lblHelp));
    EXPECT_EQ(world.launcher.launches.size(), 1u);
    const QString text = world.messageBox.texts.empty() ? QString() : world.messageBox.texts[0];
    EXPECT_TRUE(text.contains("HelpFile.txt") && text.contains("longer than"))
        << text.toStdString();
    EXPECT_TRUE(menu.isEnabled());
}

TEST_F(MenuWindow, HelpThatCannotStartShowsWhyAndTheMenuGoesOn) {
    frmMain& menu = shownMenu();
    world.launcher.failWith = "No such file or directory";
    clickAt(centreOf(menu.lblHelp));
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    const QString text = world.messageBox.texts[0];
    EXPECT_TRUE(text.contains("No such file or directory")) << text.toStdString();
    EXPECT_TRUE(text.contains(world.launcher.launches[0].program)) << text.toStdString();
    EXPECT_FALSE(program.hasEnded());
    EXPECT_TRUE(menu.isVisible());
    EXPECT_TRUE(menu.isEnabled());

    world.launcher.failWith.clear();
    clickAt(centreOf(menu.lblHelp)); // tried afresh, and now it starts
    EXPECT_EQ(world.launcher.launches.size(), 2u);
    EXPECT_EQ(world.messageBox.texts.size(), 1u);
    // An opener that starts but then ends with an error says so in the same words.
    world.launcher.launches[1].failed("it ended with exit code 4");
    ASSERT_EQ(world.messageBox.texts.size(), 2u);
    EXPECT_EQ(world.messageBox.texts[1].section(QLatin1Char('\r'), 0, 0),
              text.section(QLatin1Char('\r'), 0, 0));
    EXPECT_TRUE(world.messageBox.texts[1].contains("exit code 4"));
    moveTo(centreOf(menu.picPlay));
    clickAt(centreOf(menu.picPlay));
    EXPECT_FALSE(menu.isVisible());
}

TEST(HelpFile, DeliveredAsPlainTextWithWindowsLineEnds) {
    // English in ASCII; the translations in UTF-8, which every desktop editor reads.
    for (const char* name : {"HelpFile.txt", "HelpFile.de.txt", "HelpFile.fr.txt"}) {
        SCOPED_TRACE(name);
        const QByteArray text = contents(VEXAROO_SOURCE_DIR "/data/" + QLatin1String(name));
        ASSERT_FALSE(text.isEmpty());
        EXPECT_TRUE(text.endsWith("\r\n"));
        const bool english = QLatin1String(name) == QLatin1String("HelpFile.txt");
        const QString decoded = QString::fromUtf8(text);
        ASSERT_EQ(decoded.toUtf8(), text) << "not UTF-8";
        EXPECT_EQ(text.count('\r'), text.count("\r\n")) << "a bare return";
        EXPECT_EQ(text.count('\n'), text.count("\r\n")) << "a bare line feed";
        for (qsizetype i = 0; i < decoded.size(); ++i) {
            const QChar c = decoded[i];
            ASSERT_TRUE(
                (c >= QLatin1Char(' ') && c != QChar(0x7f) && (!english || c < QChar(0x7f))) ||
                c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                << "character " << i;
        }
    }
}

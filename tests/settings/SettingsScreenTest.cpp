#include "Doubles.h"
#include "KeyName.h"
#include "Keys.h"
#include "Program.h"
#include "frmSettings.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QString settingsFile = QStringLiteral("settings");
const QByteArray delivered = deliveredSettings();
} // namespace

// The settings screen as the menu opens it, on the virtual clock, over the delivered file.
class SettingsScreen : public ::testing::Test {
protected:
    TestWorld world;
    Program program{world.services};

    frmSettings& open() {
        frmSettings& s = program.frmSettings();
        s.show();
        return s;
    }

    Form& menu() { return static_cast<Screens&>(program).frmMain(); }

    // What the menu does around the screen.
    frmSettings& openFromMenu() {
        frmSettings& s = open();
        menu().setEnabled(false);
        return s;
    }

    static std::vector<QString> names(frmSettings& s) {
        std::vector<QString> shown;
        for (auto& label : s.lblAssign)
            shown.push_back(label->caption());
        return shown;
    }

    static std::vector<qint16> codes(frmSettings& s) {
        const Settings& v = s.settings;
        return {v.keyMoveLeft, v.keyMoveRight, v.keyMoveUp, v.keyMoveDown, v.keyFire};
    }

    static void clickBox(frmSettings& s, int box) {
        QTest::mouseClick(s.picAssign[box].get(), Qt::LeftButton);
        // A real click activates the window and focuses the box; offscreen it does neither.
        QApplication::setActiveWindow(&s);
        s.picAssign[box]->setFocus(Qt::MouseFocusReason);
    }

    static void clickName(frmSettings& s, int box) {
        QTest::mouseClick(s.lblAssign[box].get(), Qt::LeftButton);
    }

    // A real key press: it goes to the focused control, and the window sees it first.
    static void press(frmSettings& s, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focused = s.focusWidget() ? s.focusWidget() : &s;
        QTest::keyClick(focused, key, modifiers);
    }

    QByteArray file() const { return world.readFile(settingsFile); }
};

TEST_F(SettingsScreen, OpensWithTheStoredQualityAndKeyNames) {
    frmSettings& s = open();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(s.comQuality.currentText(), QStringLiteral("High"));
    EXPECT_EQ(s.settings.imageQuality, 1);
    EXPECT_EQ(names(s), (std::vector<QString>{"[left arrow]", "[right arrow]", "[up arrow]",
                                              "[down arrow]", "[space]"}));
    EXPECT_EQ(codes(s), (std::vector<qint16>{37, 39, 38, 40, 32}));
    EXPECT_TRUE(world.messageBox.texts.empty());
    // Every name is whole inside its box; a short one keeps its own left edge.
    for (auto& label : s.lblAssign) {
        EXPECT_GE(label->x(), 0);
        if (label->width() <= 70) {
            EXPECT_LE(label->geometry().right(), 69) << label->caption().toStdString();
        }
    }
    EXPECT_EQ(s.lblAssign[4]->x(), 17);

    world.writeFile(settingsFile, "0\r\n65\r\n68\r\n87\r\n83\r\n17\r\n");
    s.close();
    frmSettings& again = open();
    EXPECT_EQ(again.comQuality.currentText(), QStringLiteral("Low"));
    EXPECT_EQ(again.settings.imageQuality, 0);
    EXPECT_EQ(names(again), (std::vector<QString>{"A", "D", "W", "S", "[ctrl]"}));
}

TEST_F(SettingsScreen, KeyBoxesStandBesideTheirCaptionsInsideTheControlsFrame) {
    frmSettings& s = open();
    EXPECT_EQ(s.size(), QSize(190, 300));
    const QRect frame = s.fraControls.geometry();
    const QString captions[] = {"Move Left:", "Move Right:", "Move Up:", "Move Down:", "Fire:"};
    ASSERT_EQ(frmSettings::keyBoxes, 5);
    for (int i = 0; i < frmSettings::keyBoxes; ++i) {
        const Label& text = *s.lblKeyText[i];
        EXPECT_EQ(text.caption(), captions[i]);
        const QRect box = s.picAssign[i]->geometry();
        EXPECT_TRUE(frame.contains(box)) << "box " << i;
        EXPECT_EQ(box.size(), QSize(70, 20));
        const QPoint caption = text.mapTo(&s, text.rect().center());
        EXPECT_TRUE(caption.y() >= box.top() && caption.y() <= box.bottom()) << "row " << i;
        EXPECT_LT(caption.x(), box.left());
        // The name label sits inside its box and starts where it was laid out.
        EXPECT_EQ(s.lblAssign[i]->parentWidget(), s.picAssign[i].get());
    }
    EXPECT_EQ(s.cmdOk.text(), QStringLiteral("Ok"));
    EXPECT_GT(s.cmdOk.geometry().top(), frame.bottom());
}

TEST_F(SettingsScreen, QualityOutsideTheListLeavesItWithoutSelection) {
    struct Case {
        QByteArray first;
        QByteArray written;
    };
    // -1, and the mend for other values: no selection, and OK keeps what was read.
    for (const Case& c : {Case{"-1", "-1 "}, Case{"2", " 2 "}, Case{"-7", "-7 "}}) {
        world.writeFile(settingsFile, c.first + "\r\n37\r\n39\r\n38\r\n40\r\n32\r\n");
        frmSettings& s = open();
        EXPECT_EQ(s.comQuality.currentIndex(), -1) << c.first.constData();
        EXPECT_EQ(s.comQuality.currentText(), QString());
        EXPECT_TRUE(world.messageBox.texts.empty());
        QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
        EXPECT_TRUE(s.isUnloaded());
        EXPECT_EQ(file(), c.written + "\r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n");
    }
}

TEST_F(SettingsScreen, CodesWithoutACharacterShowTheirNumberAndAreKept) {
    world.writeFile(settingsFile, "1\r\n300\r\n-5\r\n80\r\n27\r\n0\r\n");
    frmSettings& s = open();
    EXPECT_EQ(names(s)[0], QStringLiteral("[key 300]"));
    EXPECT_EQ(names(s)[1], QStringLiteral("[key -5]"));
    EXPECT_EQ(names(s)[2], QStringLiteral("P")); // a file may hold the refused codes
    EXPECT_EQ(names(s)[4].size(), 1);
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    EXPECT_EQ(file(), QByteArray(" 1 \r\n 300 \r\n-5 \r\n 80 \r\n 27 \r\n 0 \r\n"));
}

TEST_F(SettingsScreen, AnUnreadableFileIsReportedOnceAndTheDefaultsShown) {
    QFile::remove(world.path(settingsFile));
    frmSettings& s = open();
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains(QStringLiteral("\"settings\"")));
    EXPECT_EQ(s.comQuality.currentText(), QStringLiteral("High"));
    EXPECT_EQ(names(s), (std::vector<QString>{"[left arrow]", "[right arrow]", "[up arrow]",
                                              "[down arrow]", "[space]"}));
    EXPECT_FALSE(QFile::exists(world.path(settingsFile))) << "opening must not create the file";
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    EXPECT_EQ(file(), delivered);
    EXPECT_EQ(world.messageBox.texts.size(), 1u);

    world.writeFile(settingsFile, "0\r\n65\r\n");
    frmSettings& shortFile = open();
    ASSERT_EQ(world.messageBox.texts.size(), 2u);
    EXPECT_TRUE(world.messageBox.texts[1].contains(QStringLiteral("value 3")));
    EXPECT_EQ(shortFile.comQuality.currentText(), QStringLiteral("Low"));
    EXPECT_EQ(names(shortFile)[0], QStringLiteral("A"));
    EXPECT_EQ(names(shortFile)[1], QStringLiteral("[right arrow]"));
}

TEST_F(SettingsScreen, ClickingBoxTwoThenBoxFourLeavesOnlyBoxFourWaiting) {
    frmSettings& s = open();
    clickBox(s, 2);
    EXPECT_EQ(names(s)[2], QStringLiteral("..."));
    clickName(s, 4); // the name label inside the box works as the box does
    EXPECT_EQ(names(s), (std::vector<QString>{"[left arrow]", "[right arrow]", "[up arrow]",
                                              "[down arrow]", "..."}));
    press(s, Qt::Key_A);
    EXPECT_EQ(names(s), (std::vector<QString>{"[left arrow]", "[right arrow]", "[up arrow]",
                                              "[down arrow]", "A"}));
    EXPECT_EQ(codes(s), (std::vector<qint16>{37, 39, 38, 40, 65}));
    // The wait is over: further keys change nothing until a box is clicked again.
    press(s, Qt::Key_B);
    EXPECT_EQ(codes(s), (std::vector<qint16>{37, 39, 38, 40, 65}));
    EXPECT_EQ(names(s)[4], QStringLiteral("A"));
    clickName(s, 4);
    press(s, Qt::Key_B);
    EXPECT_EQ(names(s)[4], QStringLiteral("B"));
}

// P is never bound; Esc ends the wait and the box keeps the key it had.
TEST_F(SettingsScreen, PauseIsRefusedAndEscEndsTheWaitKeepingTheOldKey) {
    frmSettings& s = open();
    clickBox(s, 0);
    press(s, Qt::Key_P);
    EXPECT_EQ(names(s)[0], QStringLiteral("..."));
    // A key the platform has no code for is no key press either.
    s.keyDown(0, 0);
    EXPECT_EQ(names(s)[0], QStringLiteral("..."));
    press(s, Qt::Key_Escape);
    EXPECT_EQ(names(s)[0], QStringLiteral("[left arrow]"));
    EXPECT_EQ(s.settings.keyMoveLeft, 37);
    EXPECT_FALSE(s.isUnloaded()) << "the Esc that ended the wait also left the screen";
    clickBox(s, 0);
    press(s, Qt::Key_W);
    EXPECT_EQ(names(s)[0], QStringLiteral("W"));
    EXPECT_EQ(s.settings.keyMoveLeft, 87);
}

// Tab goes from OK through the list to each key box in turn; Return or Space there starts the
// wait as a click does, and the next key is the box's.
TEST_F(SettingsScreen, TheKeyBoxesAreReachedAndSetFromTheKeyboard) {
    frmSettings& s = open();
    QApplication::setActiveWindow(&s); // Tab moves the focus in the active window
    press(s, Qt::Key_Tab);
    EXPECT_EQ(s.focusWidget(), &s.comQuality);
    for (int box = 0; box < frmSettings::keyBoxes; ++box) {
        press(s, Qt::Key_Tab);
        ASSERT_EQ(s.focusWidget(), s.picAssign[box].get()) << box;
        press(s, box % 2 ? Qt::Key_Space : Qt::Key_Return);
        EXPECT_EQ(names(s)[box], QStringLiteral("...")) << box;
        press(s, Qt::Key(Qt::Key_A + box));
        EXPECT_EQ(names(s)[box], QString(QChar('A' + box)));
    }
    press(s, Qt::Key_Tab);
    EXPECT_EQ(s.focusWidget(), &s.cmdOk);
    EXPECT_EQ(codes(s), (std::vector<qint16>{65, 66, 67, 68, 69}));
    EXPECT_FALSE(s.isUnloaded());
}

TEST_F(SettingsScreen, AKeyWhileNoBoxWaitsChangesNothing) {
    frmSettings& s = open();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Left, Qt::Key_F5})
        press(s, key);
    EXPECT_EQ(names(s), (std::vector<QString>{"[left arrow]", "[right arrow]", "[up arrow]",
                                              "[down arrow]", "[space]"}));
    EXPECT_EQ(codes(s), (std::vector<qint16>{37, 39, 38, 40, 32}));
    EXPECT_EQ(file(), delivered);
}

TEST_F(SettingsScreen, KeysShowTheirNamesAsPressed) {
    frmSettings& s = open();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString name;
        qint16 code;
    };
    const Case cases[] = {
        {Qt::Key_A, {}, QStringLiteral("A"), 65},
        {Qt::Key_1, Qt::KeypadModifier, QStringLiteral("a"), 97},
        {Qt::Key_F12, {}, QStringLiteral("{"), 123},
        {Qt::Key_Control, {}, QStringLiteral("[ctrl]"), 17},
        {Qt::Key_Semicolon, {}, QStringLiteral(";"), 186},
    };
    for (const Case& c : cases) {
        clickBox(s, 3);
        press(s, c.key, c.modifiers);
        EXPECT_EQ(names(s)[3], c.name);
        EXPECT_EQ(s.settings.keyMoveDown, c.code);
    }
}

TEST_F(SettingsScreen, SpaceForAClickedBoxIsTakenAndDoesNotPressOk) {
    frmSettings& s = open();
    EXPECT_EQ(s.focusWidget(), &s.cmdOk); // the tab order starts at OK
    clickBox(s, 0);
    press(s, Qt::Key_Space);
    EXPECT_FALSE(s.isUnloaded());
    EXPECT_EQ(names(s)[0], QStringLiteral("[space]"));
    EXPECT_EQ(file(), delivered);
}

TEST_F(SettingsScreen, OkWhileABoxWaitsSavesItsOldCode) {
    frmSettings& s = openFromMenu();
    clickBox(s, 1);
    press(s, Qt::Key_D);
    clickBox(s, 3);
    EXPECT_EQ(names(s)[3], QStringLiteral("..."));
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    EXPECT_TRUE(s.isUnloaded());
    EXPECT_EQ(file(), QByteArray(" 1 \r\n 37 \r\n 68 \r\n 38 \r\n 40 \r\n 32 \r\n"));
    EXPECT_TRUE(menu().isEnabled());
}

TEST_F(SettingsScreen, OneKeyForTwoActionsIsAcceptedAndSaved) {
    frmSettings& s = open();
    clickBox(s, 0);
    press(s, Qt::Key_D);
    clickName(s, 4);
    press(s, Qt::Key_D);
    EXPECT_EQ(names(s)[0], QStringLiteral("D"));
    EXPECT_EQ(names(s)[4], QStringLiteral("D"));
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    EXPECT_EQ(file(), QByteArray(" 1 \r\n 68 \r\n 39 \r\n 38 \r\n 40 \r\n 68 \r\n"));
    EXPECT_EQ(names(open()),
              (std::vector<QString>{"D", "[right arrow]", "[up arrow]", "[down arrow]", "D"}));
}

TEST_F(SettingsScreen, ChosenQualityIsSaved) {
    frmSettings& s = open();
    s.comQuality.setFocus();
    press(s, Qt::Key_Up); // from High to Low
    EXPECT_EQ(s.comQuality.currentText(), QStringLiteral("Low"));
    EXPECT_EQ(s.settings.imageQuality, 0);
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    EXPECT_EQ(file(), QByteArray(" 0 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"));
}

TEST_F(SettingsScreen, OkRewritesAOneLineCommaFileAsSixLines) {
    world.writeFile(settingsFile, "0,65,68,87,83,17");
    frmSettings& s = open();
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    EXPECT_EQ(file(), QByteArray(" 0 \r\n 65 \r\n 68 \r\n 87 \r\n 83 \r\n 17 \r\n"));
}

TEST_F(SettingsScreen, TheCloseBoxDropsEveryChangeAndEnablesTheMenu) {
    frmSettings& s = openFromMenu();
    s.comQuality.setCurrentIndex(0);
    clickBox(s, 2);
    press(s, Qt::Key_Q);
    EXPECT_EQ(s.settings.keyMoveUp, 81);
    s.close();
    EXPECT_TRUE(s.isUnloaded());
    EXPECT_EQ(file(), delivered);
    EXPECT_TRUE(menu().isEnabled());

    frmSettings& again = openFromMenu();
    EXPECT_NE(&again, &s);
    EXPECT_EQ(again.comQuality.currentText(), QStringLiteral("High"));
    EXPECT_EQ(names(again)[2], QStringLiteral("[up arrow]"));
}

TEST_F(SettingsScreen, AFileThatCannotBeWrittenIsReportedAndTheScreenStays) {
    frmSettings& s = openFromMenu();
    clickBox(s, 0);
    press(s, Qt::Key_A);
    // Something that is not a file now stands where the settings file was.
    ASSERT_TRUE(QFile::remove(world.path(settingsFile)));
    ASSERT_TRUE(QDir(world.folder.path()).mkdir(settingsFile));
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains(QStringLiteral("could not be written")));
    EXPECT_FALSE(s.isUnloaded());
    EXPECT_FALSE(menu().isEnabled());
    EXPECT_EQ(names(s)[0], QStringLiteral("A"));

    s.close();
    EXPECT_TRUE(s.isUnloaded());
    EXPECT_TRUE(menu().isEnabled());
}

TEST_F(SettingsScreen, ReturnIsOkAndEscLeavesWithoutSavingUnlessABoxWaits) {
    const struct {
        Qt::Key key;
        QByteArray written;
    } cases[] = {
        {Qt::Key_Escape, delivered},
        {Qt::Key_Return, " 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"},
    };
    for (const auto& c : cases) {
        frmSettings& s = openFromMenu();
        clickBox(s, 4);
        press(s, Qt::Key_A);
        press(s, c.key);
        EXPECT_TRUE(s.isUnloaded()) << c.key;
        EXPECT_EQ(file(), c.written);
        EXPECT_TRUE(menu().isEnabled());
    }
    // A waiting box takes Return as its key (Esc ends the wait, as above).
    frmSettings& s = open();
    clickBox(s, 0);
    press(s, Qt::Key_Return);
    EXPECT_FALSE(s.isUnloaded());
    EXPECT_EQ(s.settings.keyMoveLeft, keys::Return);
    EXPECT_EQ(names(s)[0], KeyName(keys::Return));
}

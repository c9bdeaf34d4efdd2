#include "KeyName.h"
#include "TestProgram.h"
#include "frmSettings.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

const QString settingsFile = "settings";
const QByteArray delivered = deliveredSettings();

// The settings screen as the menu opens it, on the virtual clock, over the delivered file.
class SettingsScreen : public ::testing::Test, public TestProgram {
protected:
    Form& menu() { return static_cast<Screens&>(program).frmMain(); }

    // What the menu does around the screen; the desktop makes it the active window, in which
    // Tab moves the focus.
    frmSettings& open() {
        frmSettings& s = program.frmSettings();
        s.show();
        QApplication::setActiveWindow(&s);
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

    // A real key press: it goes to the focused control, and the window sees it first.
    static void press(frmSettings& s, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* focused = s.focusWidget() ? s.focusWidget() : &s;
        QTest::keyClick(focused, key, modifiers);
    }

    // A player's steps: a click on a key box ("box2") or on the name in it ("name2"), on Ok or
    // the close box, the list given the focus ("list") or set to Low from elsewhere ("low"), a
    // key without a code ("nocode"), or a key by its name ("A", "Esc", "F12", "ctrl", "kp1").
    static void play(frmSettings& s, const QString& steps) {
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int box = step.back().digitValue();
            if (step.startsWith(QLatin1String("box"))) {
                QTest::mouseClick(s.picAssign[box].get(), Qt::LeftButton);
                // A real click activates the window and focuses the box; offscreen it does neither.
                QApplication::setActiveWindow(&s);
                s.picAssign[box]->setFocus(Qt::MouseFocusReason);
            } else if (step.startsWith(QLatin1String("name"))) {
                QTest::mouseClick(s.lblAssign[box].get(), Qt::LeftButton);
            } else if (step == QLatin1String("Ok")) {
                QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
            } else if (step == QLatin1String("close")) {
                s.close();
            } else if (step == QLatin1String("list")) {
                s.comQuality.setFocus();
            } else if (step == QLatin1String("low")) {
                s.comQuality.setCurrentIndex(0);
            } else if (step == QLatin1String("nocode")) {
                s.keyDown(0, 0);
            } else if (step == QLatin1String("ctrl")) {
                press(s, Qt::Key_Control);
            } else if (step == QLatin1String("kp1")) {
                press(s, Qt::Key_1, Qt::KeypadModifier);
            } else {
                press(s, Qt::Key(QKeySequence(step)[0].key()));
            }
        }
    }

    QByteArray file() const { return world.readFile(settingsFile); }
};

// Each row opens the screen afresh over its file (or none), or goes on with the screen the row
// before left; then the player's steps. After them: the quality shown (-1 none), each box's code
// and name ("38*": still waiting, showing "..."), the file (as opened where not given), whether
// the screen stays open over the disabled menu or has closed and enabled it, and the one
// message the row showed, if any.
TEST_F(SettingsScreen, KeysAndTheQualityAreChosenKeptOrDroppedAsThePlayerSays) {
    const char* d = delivered.constData();
    static const char noFile[] = "";
    const struct {
        const char* file; // nullptr: the screen the row before left
        const char* steps;
        int quality;
        const char* boxes; // nullptr: the screen has closed
        const char* saved;
        const char* message = "";
    } rows[] = {
        // As stored; codes without a character show their number, and are kept.
        {d, "", 1, "37 39 38 40 32", nullptr},
        {"0\r\n65\r\n68\r\n87\r\n83\r\n17\r\n", "", 0, "65 68 87 83 17", nullptr},
        {"1\r\n300\r\n-5\r\n80\r\n27\r\n0\r\n", "", 1, "300 -5 80 27 0", nullptr},
        {nullptr, "Ok", 0, nullptr, " 1 \r\n 300 \r\n-5 \r\n 80 \r\n 27 \r\n 0 \r\n"},
        {"0,65,68,87,83,17", "Ok", 0, nullptr, " 0 \r\n 65 \r\n 68 \r\n 87 \r\n 83 \r\n 17 \r\n"},
        // A quality outside the list leaves it without a selection; Ok keeps what was read.
        {"-1\r\n37\r\n39\r\n38\r\n40\r\n32\r\n", "", -1, "37 39 38 40 32", nullptr},
        {nullptr, "Ok", 0, nullptr, "-1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"},
        {"2\r\n37\r\n39\r\n38\r\n40\r\n32\r\n", "", -1, "37 39 38 40 32", nullptr},
        {nullptr, "Ok", 0, nullptr, " 2 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"},
        {"-7\r\n37\r\n39\r\n38\r\n40\r\n32\r\n", "", -1, "37 39 38 40 32", nullptr},
        {nullptr, "Ok", 0, nullptr, "-7 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"},
        // One box waits at a time, a click on its name as on the box; its key ends the wait.
        {d, "box2", 1, "37 39 38* 40 32", nullptr},
        {nullptr, "name4", 1, "37 39 38 40 32*", nullptr},
        {nullptr, "A", 1, "37 39 38 40 65", nullptr},
        {nullptr, "B", 1, "37 39 38 40 65", nullptr},
        {nullptr, "name4 B", 1, "37 39 38 40 66", nullptr},
        // P is never bound, nor a key without a code; Esc ends the wait with the old key.
        {d, "box0 P nocode", 1, "37* 39 38 40 32", nullptr},
        {nullptr, "Esc", 1, "37 39 38 40 32", nullptr},
        {nullptr, "box0 W", 1, "87 39 38 40 32", nullptr},
        // A key while no box waits changes nothing.
        {d, "A Left F5", 1, "37 39 38 40 32", nullptr},
        // Keys show their names as pressed.
        {d, "box3 A", 1, "37 39 38 65 32", nullptr},
        {nullptr, "box3 kp1", 1, "37 39 38 97 32", nullptr},
        {nullptr, "box3 F12", 1, "37 39 38 123 32", nullptr},
        {nullptr, "box3 ctrl", 1, "37 39 38 17 32", nullptr},
        {nullptr, "box3 ;", 1, "37 39 38 186 32", nullptr},
        // Space and Return for a waiting box are its keys, not Ok's.
        {d, "box0 Space", 1, "32 39 38 40 32", nullptr},
        {d, "box0 Return", 1, "13 39 38 40 32", nullptr},
        // Tab goes from Ok through the list (Up there: Low) to each key box in turn, and back to
        // Ok; Return or Space on a box starts its wait as a click does.
        {d, "Tab Up Tab Return", 0, "37* 39 38 40 32", nullptr},
        {nullptr, "A Tab Space", 0, "65 39* 38 40 32", nullptr},
        {nullptr, "B Tab Return", 0, "65 66 38* 40 32", nullptr},
        {nullptr, "C Tab Space", 0, "65 66 67 40* 32", nullptr},
        {nullptr, "D Tab Return", 0, "65 66 67 68 32*", nullptr},
        {nullptr, "E Tab Space", 0, nullptr, " 0 \r\n 65 \r\n 66 \r\n 67 \r\n 68 \r\n 69 \r\n"},
        // Ok while a box waits saves its old code.
        {d, "box1 D box3", 1, "37 68 38 40* 32", nullptr},
        {nullptr, "Ok", 1, nullptr, " 1 \r\n 37 \r\n 68 \r\n 38 \r\n 40 \r\n 32 \r\n"},
        // One key for two actions is accepted and saved.
        {d, "box0 D name4 D Ok", 1, nullptr, " 1 \r\n 68 \r\n 39 \r\n 38 \r\n 40 \r\n 68 \r\n"},
        {" 1 \r\n 68 \r\n 39 \r\n 38 \r\n 40 \r\n 68 \r\n", "", 1, "68 39 38 40 68", nullptr},
        // The chosen quality is saved.
        {d, "list Up", 0, "37 39 38 40 32", nullptr},
        {nullptr, "Ok", 0, nullptr, " 0 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 32 \r\n"},
        // Return is Ok; Esc and the close box drop every change.
        {d, "box4 A Return", 1, nullptr, " 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"},
        {d, "box4 A Esc", 1, nullptr, nullptr},
        {d, "low box2 Q", 0, "37 39 81 40 32", nullptr},
        {nullptr, "close", 0, nullptr, nullptr},
        {d, "", 1, "37 39 38 40 32", nullptr},
        // A file that cannot be read is named once, and the defaults shown; Ok makes the file.
        {noFile, "", 1, "37 39 38 40 32", nullptr, "\"settings\""},
        {nullptr, "Ok", 1, nullptr, d},
        {"0\r\n65\r\n", "", 0, "65 39 38 40 32", nullptr, "value 3"},
    };
    frmSettings* s = nullptr;
    QByteArray opened;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows
                                        << (row.file ? ": opened, then " : ": then ") << row.steps);
        world.messageBox.texts.clear();
        if (row.file) {
            if (s && !s->isUnloaded())
                s->unload(); // each opening starts afresh
            opened = row.file;
            QFile::remove(world.path(settingsFile));
            if (row.file != noFile)
                world.writeFile(settingsFile, opened);
            s = &open();
        }
        play(*s, QString::fromLatin1(row.steps));
        EXPECT_EQ(file(), row.saved ? QByteArray(row.saved) : opened);
        EXPECT_EQ(QFile::exists(world.path(settingsFile)), row.file != noFile);
        EXPECT_EQ(!s->isUnloaded(), row.boxes != nullptr);
        EXPECT_EQ(menu().isEnabled(), row.boxes == nullptr);
        EXPECT_EQ(world.messageBox.texts.size(), *row.message ? 1u : 0u);
        EXPECT_TRUE(world.messageBox.texts.empty() ||
                    world.messageBox.texts[0].contains(QLatin1String(row.message)));
        if (!row.boxes)
            continue;
        EXPECT_EQ(s->comQuality.currentIndex(), row.quality);
        if (row.quality >= 0) {
            EXPECT_EQ(s->settings.imageQuality, row.quality);
        }
        std::vector<qint16> expectedCodes;
        std::vector<QString> expectedNames;
        for (const QString& box : QString::fromLatin1(row.boxes).split(QLatin1Char(' '))) {
            const bool waiting = box.endsWith(QLatin1Char('*'));
            expectedCodes.push_back(static_cast<qint16>(box.chopped(waiting ? 1 : 0).toInt()));
            expectedNames.push_back(waiting ? "..." : KeyName(expectedCodes.back()));
        }
        EXPECT_EQ(codes(*s), expectedCodes);
        EXPECT_EQ(names(*s), expectedNames);
    }
}

TEST_F(SettingsScreen, TheControlsStandAsDesigned) {
    frmSettings& s = open();
    EXPECT_EQ(s.windowTitle(), "Settings");
    EXPECT_EQ(s.size(), QSize(190, 300));
    EXPECT_EQ(s.comQuality.currentText(), "High");
    EXPECT_EQ(s.comQuality.itemText(0).toStdString(), "Low");
    EXPECT_EQ(s.focusWidget(), &s.cmdOk); // the tab order starts at OK
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
        // The name sits whole inside its box; a short one keeps its own left edge.
        const Label& name = *s.lblAssign[i];
        EXPECT_EQ(name.parentWidget(), s.picAssign[i].get());
        EXPECT_GE(name.x(), 0);
        if (name.width() <= 70) {
            EXPECT_LE(name.geometry().right(), 69) << name.caption().toStdString();
        }
    }
    EXPECT_EQ(s.lblAssign[4]->x(), 17);
    EXPECT_EQ(s.cmdOk.text(), "Ok");
    EXPECT_GT(s.cmdOk.geometry().top(), frame.bottom());
}

TEST_F(SettingsScreen, AFileThatCannotBeWrittenIsReportedAndTheScreenStays) {
    frmSettings& s = open();
    play(s, "box0 A");
    // Something that is not a file now stands where the settings file was.
    ASSERT_TRUE(QFile::remove(world.path(settingsFile)));
    ASSERT_TRUE(QDir(world.folder.path()).mkdir(settingsFile));
    QTest::mouseClick(&s.cmdOk, Qt::LeftButton);
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains("could not be written"));
    EXPECT_FALSE(s.isUnloaded());
    EXPECT_FALSE(menu().isEnabled());
    EXPECT_EQ(names(s)[0], "A");

    s.close();
    EXPECT_TRUE(s.isUnloaded());
    EXPECT_TRUE(menu().isEnabled());
}

#include "ScoresFile.h"
#include "TestProgram.h"
#include "frmMain.h"
#include "frmRecord.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EntryScreen : public ::testing::Test, public TestProgram {
protected:
    frmRecord& screen() { return program.frmRecord(); }

    // A player's steps, '|' between them: "1:text" typed into the first name's box, "2:text"
    // into the last; "paste2:text" pasted there; Backspace ("bs1"), select all ("all2") or the
    // cursor to the end ("end1") in a box; "Return", "Esc"; the result of the game
    // ("result 5 77") or a click on Submit. Keys go to the box named last.
    void play(const QString& steps) {
        frmRecord& r = screen();
        TextBox* box = &r.txtFirstName;
        for (const QString& step : steps.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            const QString head = step.section(QLatin1Char(':'), 0, 0);
            const QString text = step.section(QLatin1Char(':'), 1);
            if (head.back().isDigit())
                box = head.endsWith(QLatin1Char('1')) ? &r.txtFirstName : &r.txtLastName;
            if (step.startsWith(QLatin1String("paste"))) {
                QApplication::clipboard()->setText(text);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            } else if (step.contains(QLatin1Char(':'))) {
                for (const QChar c : text)
                    QTest::keyClick(box, c.toLatin1());
            } else if (step.startsWith(QLatin1String("bs"))) {
                QTest::keyClick(box, Qt::Key_Backspace);
            } else if (step.startsWith(QLatin1String("all"))) {
                box->selectAll();
            } else if (step.startsWith(QLatin1String("end"))) {
                box->end(false);
            } else if (step.startsWith(QLatin1String("result"))) {
                const QStringList numbers = step.split(QLatin1Char(' '));
                r.setResult({numbers[1].toInt(), numbers[2].toInt(), {}});
            } else if (step == QLatin1String("Submit")) {
                QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
            } else {
                QTest::keyClick(box, QKeySequence(step)[0].key());
            }
        }
    }

    ScoreRecord onlyStoredRecord() {
        const QByteArray bytes = world.readFile("scores");
        EXPECT_EQ(bytes.size(), 44);
        return ScoreRecord::fromSlot(bytes);
    }
};

QByteArray bytesOf(const std::array<char, 10>& name) {
    return QByteArray(name.data(), 10);
}

} // namespace

// Each row goes on with the screen the row before left, until one submits; then the names in
// the boxes, whether Submit can be pressed, and the record stored (its first 24 bytes: the
// names, the level and the targets hit, little-endian) once the screen has gone.
TEST_F(EntryScreen, NamesAreTypedOrPastedAndSubmittedWhole) {
    const struct {
        const char* steps;
        const char *first, *last;
        bool canSubmit;
        QByteArray stored; // empty: the screen stays
    } rows[] = {
        // A tenth character is refused unless it is a full stop; past ten, typing goes on.
        {"1:abcdefghij", "abcdefghi", "", false, {}},
        {"1:.", "abcdefghi.", "", false, {}},
        {"1:kl", "abcdefghi.kl", "", false, {}},
        // Backspace at nine goes through; the rule looks only at the length before the key,
        // so typing over a selection at nine characters is refused too.
        {"2:123456789|bs2", "abcdefghi.kl", "12345678", true, {}},
        {"2:9|all2|2:x", "abcdefghi.kl", "123456789", true, {}},
        // Submit needs both names, and Return submits once it can; Esc is ignored.
        {"all1|bs1|all2|bs2", "", "", false, {}},
        {"1:Al|Return", "Al", "", false, {}},
        {"2:S", "Al", "S", true, {}},
        {"bs2", "Al", "", false, {}},
        {"2:Smith|end1|bs1|bs1", "", "Smith", false, {}},
        {"1:Al|Esc", "Al", "Smith", true, {}},
        {"Return", "Al", "Smith", true, QByteArray("Al        Smith     \0\0\0\0", 24)},
        // Names of spaces are stored as ten spaces.
        {"1: |2:   |Submit", " ", "   ", true, QByteArray(20, ' ') + QByteArray(4, '\0')},
        // Pasted text is not filtered, but stored cut to ten.
        {"result 5 77|1:123456789|paste2:Featherstonehaugh|paste1:Featherstonehaugh",
         "123456789Featherstonehaugh",
         "Featherstonehaugh",
         true,
         {}},
        {"Submit", "123456789Featherstonehaugh", "Featherstonehaugh", true,
         QByteArray("123456789FFeatherst\x6f\x05\0\x4d\0", 24)},
        // Counts beyond sixteen bits are stored as the largest count.
        {"result 3 40000|1:A|2:B|Submit", "A", "B", true,
         QByteArray("A         B         \x03\0\xff\x7f", 24)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps);
        frmRecord& r = screen();
        r.show();
        play(QString::fromLatin1(row.steps));
        EXPECT_EQ(r.txtFirstName.text(), QLatin1String(row.first));
        EXPECT_EQ(r.txtLastName.text(), QLatin1String(row.last));
        EXPECT_EQ(r.cmdSubmit.isEnabled(), row.canSubmit);
        EXPECT_EQ(r.isUnloaded(), !row.stored.isEmpty());
        if (row.stored.isEmpty())
            continue;
        EXPECT_EQ(world.readFile("scores").toHex(), (row.stored + QByteArray(20, '\0')).toHex());
        QFile::remove(world.path("scores"));
        processDeferredDeletes();
    }
}

// A letter the scores file cannot hold never enters the box, typed or pasted; the rest of
// the text and the length rule stay as they are, and what is shown is what is stored.
TEST_F(EntryScreen, LettersTheFileCannotHoldAreNotTaken) {
    frmRecord& r = screen();
    for (const QChar c : QStringLiteral("Zo\u00EB-\u0141ukasz"))
        QTest::sendKeyEvent(QTest::Click, &r.txtFirstName, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    EXPECT_EQ(r.txtFirstName.text(), "Zo\u00EB-ukasz");

    const struct {
        QString pasted, kept;
    } rows[] = {
        {"\u0141\u00F3d\u017A \U0001F600", "\u00F3d "},
        {"\u20AC\u2014\u0152\u65E5", "\u20AC\u2014\u0152"},
    };
    for (const auto& row : rows) {
        QApplication::clipboard()->setText(row.pasted);
        r.txtLastName.clear();
        r.txtLastName.setText("ab");
        r.txtLastName.setCursorPosition(1);
        QTest::keyClick(&r.txtLastName, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(r.txtLastName.text(), "a" + row.kept + "b");
        EXPECT_EQ(r.txtLastName.cursorPosition(), 1 + row.kept.size());
    }
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    const ScoreRecord stored = onlyStoredRecord();
    EXPECT_EQ(bytesOf(stored.firstName), QByteArray("Zo\xEB-ukasz "));
    EXPECT_EQ(bytesOf(stored.lastName), QByteArray("a\x80\x97\x8C"
                                                   "b     "));
}

TEST_F(EntryScreen, CancelAndTheCloseBoxStoreNothingAndGiveTheMenuBack) {
    for (const bool byCloseBox : {false, true}) {
        program.frmMain().setEnabled(false);
        frmRecord& r = screen();
        play("1:Al|2:Smith");
        if (byCloseBox)
            r.close();
        else
            QTest::mouseClick(&r.cmdCancel, Qt::LeftButton);
        EXPECT_TRUE(r.isUnloaded());
        EXPECT_TRUE(program.frmMain().isEnabled());
        EXPECT_FALSE(QFileInfo::exists(world.path("scores")));
        processDeferredDeletes();
    }
    // The next opening starts from the design values.
    EXPECT_EQ(screen().txtFirstName.text(), QString());
    EXPECT_EQ(screen().lblLevel.caption(), "0");
}

TEST_F(EntryScreen, AFailedSaveKeepsTheScreenAndTheNamesAndSaysWhy) {
    QDir(world.folder.path()).mkdir("scores");
    program.frmMain().setEnabled(false);
    frmRecord& r = screen();
    play("1:Al|2:Smith|Submit");
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains("\"scores\""));
    EXPECT_FALSE(r.isUnloaded());
    EXPECT_EQ(r.txtLastName.text(), "Smith");
    EXPECT_FALSE(program.frmMain().isEnabled());

    // Once the file can be written, a second Submit lands.
    QDir(world.folder.path()).rmdir("scores");
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    EXPECT_TRUE(r.isUnloaded());
    EXPECT_EQ(bytesOf(onlyStoredRecord().lastName), QByteArray("Smith     "));
}

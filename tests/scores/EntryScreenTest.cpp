#include "Doubles.h"
#include "Program.h"
#include "ScoresFile.h"
#include "frmMain.h"
#include "frmRecord.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EntryScreen : public ::testing::Test {
protected:
    TestWorld world;
    Program program{world.services};

    frmRecord& screen() { return program.frmRecord(); }

    void type(TextBox& box, const QString& text) {
        for (const QChar c : text)
            QTest::keyClick(&box, c.toLatin1());
    }

    ScoreRecord onlyStoredRecord() {
        const QByteArray bytes = world.readFile(QStringLiteral("scores"));
        EXPECT_EQ(bytes.size(), 44);
        return ScoreRecord::fromSlot(bytes);
    }
};

QByteArray bytesOf(const std::array<char, 10>& name) {
    return QByteArray(name.data(), 10);
}

} // namespace

TEST_F(EntryScreen, ATenthCharacterIsRefusedUnlessItIsAFullStop) {
    frmRecord& r = screen();
    type(r.txtFirstName, QStringLiteral("abcdefghij"));
    EXPECT_EQ(r.txtFirstName.text(), QStringLiteral("abcdefghi"));
    type(r.txtFirstName, QStringLiteral("."));
    EXPECT_EQ(r.txtFirstName.text(), QStringLiteral("abcdefghi."));
    // Past ten, typing is accepted again.
    type(r.txtFirstName, QStringLiteral("kl"));
    EXPECT_EQ(r.txtFirstName.text(), QStringLiteral("abcdefghi.kl"));

    // Backspace at nine goes through; the rule looks only at the length before the key, so
    // typing over a selection at nine characters is refused too.
    type(r.txtLastName, QStringLiteral("123456789"));
    QTest::keyClick(&r.txtLastName, Qt::Key_Backspace);
    EXPECT_EQ(r.txtLastName.text(), QStringLiteral("12345678"));
    type(r.txtLastName, QStringLiteral("9"));
    r.txtLastName.selectAll();
    type(r.txtLastName, QStringLiteral("x"));
    EXPECT_EQ(r.txtLastName.text(), QStringLiteral("123456789"));
}

TEST_F(EntryScreen, PastedTextIsNotFilteredButStoredCutToTen) {
    frmRecord& r = screen();
    r.setResult({5, 77, {}});
    type(r.txtFirstName, QStringLiteral("123456789"));
    QApplication::clipboard()->setText(QStringLiteral("Featherstonehaugh"));
    r.txtLastName.setFocus();
    QTest::keyClick(&r.txtLastName, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&r.txtFirstName, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(r.txtLastName.text(), QStringLiteral("Featherstonehaugh"));
    EXPECT_EQ(r.txtFirstName.text(), QStringLiteral("123456789Featherstonehaugh"));
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    const ScoreRecord stored = onlyStoredRecord();
    EXPECT_EQ(bytesOf(stored.firstName), QByteArray("123456789F"));
    EXPECT_EQ(bytesOf(stored.lastName), QByteArray("Featherst"
                                                   "o"));
    EXPECT_EQ(stored.level, 5);
    EXPECT_EQ(stored.targetsHit, 77);
    EXPECT_TRUE(r.isUnloaded());
}

// A letter the scores file cannot hold never enters the box, typed or pasted; the rest of
// the text and the length rule stay as they are, and what is shown is what is stored.
TEST_F(EntryScreen, LettersTheFileCannotHoldAreNotTaken) {
    frmRecord& r = screen();
    for (const QChar c : QStringLiteral("Zo\u00EB-\u0141ukasz"))
        QTest::sendKeyEvent(QTest::Click, &r.txtFirstName, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    EXPECT_EQ(r.txtFirstName.text(), QStringLiteral("Zo\u00EB-ukasz"));

    const struct {
        QString pasted, kept;
    } rows[] = {
        {QStringLiteral("\u0141\u00F3d\u017A \U0001F600"), QStringLiteral("\u00F3d ")},
        {QStringLiteral("\u20AC\u2014\u0152\u65E5"), QStringLiteral("\u20AC\u2014\u0152")},
    };
    for (const auto& row : rows) {
        QApplication::clipboard()->setText(row.pasted);
        r.txtLastName.clear();
        r.txtLastName.setText(QStringLiteral("ab"));
        r.txtLastName.setCursorPosition(1);
        QTest::keyClick(&r.txtLastName, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(r.txtLastName.text(), QStringLiteral("a") + row.kept + QStringLiteral("b"));
        EXPECT_EQ(r.txtLastName.cursorPosition(), 1 + row.kept.size());
    }
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    const ScoreRecord stored = onlyStoredRecord();
    EXPECT_EQ(bytesOf(stored.firstName), QByteArray("Zo\xEB-ukasz "));
    EXPECT_EQ(bytesOf(stored.lastName), QByteArray("a\x80\x97\x8C"
                                                   "b     "));
}

TEST_F(EntryScreen, SubmitIsEnabledOnlyWithBothNames) {
    frmRecord& r = screen();
    EXPECT_FALSE(r.cmdSubmit.isEnabled());
    type(r.txtFirstName, QStringLiteral("Al"));
    EXPECT_FALSE(r.cmdSubmit.isEnabled());
    type(r.txtLastName, QStringLiteral("S"));
    EXPECT_TRUE(r.cmdSubmit.isEnabled());
    QTest::keyClick(&r.txtLastName, Qt::Key_Backspace);
    EXPECT_FALSE(r.cmdSubmit.isEnabled());
    type(r.txtLastName, QStringLiteral("S"));
    r.txtFirstName.end(false);
    QTest::keyClick(&r.txtFirstName, Qt::Key_Backspace);
    QTest::keyClick(&r.txtFirstName, Qt::Key_Backspace);
    EXPECT_FALSE(r.cmdSubmit.isEnabled());
}

TEST_F(EntryScreen, NamesOfSpacesAreStoredAsTenSpaces) {
    frmRecord& r = screen();
    type(r.txtFirstName, QStringLiteral(" "));
    type(r.txtLastName, QStringLiteral("   "));
    ASSERT_TRUE(r.cmdSubmit.isEnabled());
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    const ScoreRecord stored = onlyStoredRecord();
    EXPECT_EQ(bytesOf(stored.firstName), QByteArray(10, ' '));
    EXPECT_EQ(bytesOf(stored.lastName), QByteArray(10, ' '));
}

TEST_F(EntryScreen, CancelAndTheCloseBoxStoreNothingAndGiveTheMenuBack) {
    for (const bool byCloseBox : {false, true}) {
        program.frmMain().setEnabled(false);
        frmRecord& r = screen();
        type(r.txtFirstName, QStringLiteral("Al"));
        type(r.txtLastName, QStringLiteral("Smith"));
        if (byCloseBox)
            r.close();
        else
            QTest::mouseClick(&r.cmdCancel, Qt::LeftButton);
        EXPECT_TRUE(r.isUnloaded());
        EXPECT_TRUE(program.frmMain().isEnabled());
        EXPECT_FALSE(QFileInfo::exists(world.path(QStringLiteral("scores"))));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The next opening starts from the design values.
    EXPECT_EQ(screen().txtFirstName.text(), QString());
    EXPECT_EQ(screen().lblLevel.caption(), QStringLiteral("0"));
}

TEST_F(EntryScreen, AFailedSaveKeepsTheScreenAndTheNamesAndSaysWhy) {
    QDir(world.folder.path()).mkdir(QStringLiteral("scores"));
    program.frmMain().setEnabled(false);
    frmRecord& r = screen();
    type(r.txtFirstName, QStringLiteral("Al"));
    type(r.txtLastName, QStringLiteral("Smith"));
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains(QStringLiteral("\"scores\"")));
    EXPECT_FALSE(r.isUnloaded());
    EXPECT_EQ(r.txtLastName.text(), QStringLiteral("Smith"));
    EXPECT_FALSE(program.frmMain().isEnabled());

    // Once the file can be written, a second Submit lands.
    QDir(world.folder.path()).rmdir(QStringLiteral("scores"));
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    EXPECT_TRUE(r.isUnloaded());
    EXPECT_EQ(bytesOf(onlyStoredRecord().lastName), QByteArray("Smith     "));
}

TEST_F(EntryScreen, CountsBeyondSixteenBitsAreStoredAsTheLargestCount) {
    frmRecord& r = screen();
    r.setResult({3, 40000, {}});
    type(r.txtFirstName, QStringLiteral("A"));
    type(r.txtLastName, QStringLiteral("B"));
    QTest::mouseClick(&r.cmdSubmit, Qt::LeftButton);
    EXPECT_EQ(onlyStoredRecord().targetsHit, 32767);
}

TEST_F(EntryScreen, ReturnSubmitsOnceBothNamesAreThereAndEscIsIgnored) {
    frmRecord& r = screen();
    r.show();
    type(r.txtFirstName, QStringLiteral("Al"));
    QTest::keyClick(&r.txtFirstName, Qt::Key_Return); // Submit is still disabled
    EXPECT_FALSE(r.isUnloaded());
    r.txtLastName.setFocus();
    type(r.txtLastName, QStringLiteral("Smith"));
    QTest::keyClick(&r.txtLastName, Qt::Key_Escape);
    EXPECT_FALSE(r.isUnloaded());
    QTest::keyClick(&r.txtLastName, Qt::Key_Return);
    EXPECT_TRUE(r.isUnloaded());
    EXPECT_EQ(bytesOf(onlyStoredRecord().lastName), QByteArray("Smith     "));
}

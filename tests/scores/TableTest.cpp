#include "Doubles.h"
#include "Program.h"
#include "ScoresFile.h"
#include "frmHigh.h"
#include "frmMain.h"

#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray slot(const QString& first, const QString& last, qint16 level, qint16 targets) {
    ScoreRecord record;
    record.firstName = scores::fixedName(first);
    record.lastName = scores::fixedName(last);
    record.level = level;
    record.targetsHit = targets;
    return record.toSlot();
}

class Table : public ::testing::Test {
protected:
    TestWorld world;
    Program program{world.services};

    QStringList row(int k) {
        frmHigh& h = program.high();
        return {h.lblRank[k]->caption(), h.lblName[k]->caption(), h.lblLevel[k]->caption(),
                h.lblTargets[k]->caption()};
    }
};

} // namespace

TEST_F(Table, NoFileShowsOnlyHeadingsAndRanksAndCreatesAnEmptyFile) {
    frmHigh& h = program.high();
    EXPECT_EQ(h.lblRankText.caption(), QStringLiteral(" Rank"));
    EXPECT_EQ(h.lblTargetsText.caption(), QStringLiteral(" Targets Hit"));
    EXPECT_EQ(row(0), QStringList({" 01", "", "", ""}));
    EXPECT_EQ(row(9), QStringList({" 10", "", "", ""}));
    EXPECT_TRUE(QFileInfo::exists(world.path(QStringLiteral("scores"))));
    EXPECT_TRUE(world.messageBox.texts.empty());
}

TEST_F(Table, RecordsFillTheirRowsInFileOrder) {
    world.writeFile(QStringLiteral("scores"),
                    slot(QStringLiteral("Al"), QStringLiteral("Smith"), 4, 37) +
                        slot(QStringLiteral(" "), QStringLiteral("Jones"), 3, -5) +
                        slot(QStringLiteral("Maximiliana"), QStringLiteral("Q"), 3, 0));
    EXPECT_EQ(row(0), QStringList({" 01", " Al Smith", " 4", " 37"}));
    EXPECT_EQ(row(1), QStringList({" 02", "  Jones", " 3", " -5"}));
    EXPECT_EQ(row(2), QStringList({" 03", " Maximilian Q", " 3", " 0"}));
    EXPECT_EQ(row(3), QStringList({" 04", "", "", ""}));
}

TEST_F(Table, CellsSitOnTheGridAndShareTheirOutlines) {
    frmHigh& h = program.high();
    EXPECT_EQ(h.size(), QSize(277, 207));
    EXPECT_EQ(h.lblRankText.geometry(), QRect(4, 40, 33, 13));
    EXPECT_EQ(h.lblName[0]->geometry(), QRect(36, 52, 149, 13));
    EXPECT_EQ(h.lblLevel[9]->geometry(), QRect(184, 160, 33, 13));
    EXPECT_EQ(h.lblTargets[9]->geometry(), QRect(216, 160, 57, 13));
    // Each cell's last pixel row and column is its neighbour's first.
    EXPECT_EQ(h.lblRank[0]->geometry().right(), h.lblName[0]->geometry().left());
    EXPECT_EQ(h.lblRank[0]->geometry().bottom(), h.lblRank[1]->geometry().top());
    EXPECT_EQ(h.cmdClose.geometry(), QRect(112, 180, 53, 21));
}

TEST_F(Table, ClosingGivesTheMenuBackAndTheNextOpeningReadsAfresh) {
    program.menu().setEnabled(false);
    frmHigh& first = program.high();
    QTest::mouseClick(&first.cmdClose, Qt::LeftButton);
    EXPECT_TRUE(first.isUnloaded());
    EXPECT_TRUE(program.menu().isEnabled());
    world.writeFile(QStringLiteral("scores"),
                    slot(QStringLiteral("New"), QStringLiteral("One"), 9, 9));
    EXPECT_EQ(row(0), QStringList({" 01", " New One", " 9", " 9"}));
    program.menu().setEnabled(false);
    program.high().close();
    EXPECT_TRUE(program.menu().isEnabled());
}

TEST_F(Table, ReturnAndEscCloseTheTable) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        program.menu().setEnabled(false);
        frmHigh& h = program.high();
        h.show();
        QTest::keyClick(h.focusWidget() ? h.focusWidget() : &h, key);
        EXPECT_TRUE(h.isUnloaded()) << key;
        EXPECT_TRUE(program.menu().isEnabled());
    }
}

TEST_F(Table, AnUnreadableFileIsReportedAndTheTableStaysEmpty) {
    QDir(world.folder.path()).mkdir(QStringLiteral("scores"));
    EXPECT_EQ(row(0), QStringList({" 01", "", "", ""}));
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains(QStringLiteral("\"scores\"")));
}

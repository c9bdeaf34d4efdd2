#include "HallReplays.h"
#include "ScoresFile.h"
#include "TestProgram.h"
#include "frmGame.h"
#include "frmHigh.h"
#include "frmMain.h"
#include "frmRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray slot(const QString& first, const QString& last, qint16 level, qint16 targets) {
    return ScoreRecord{scores::fixedName(first), scores::fixedName(last), level, targets}.toSlot();
}

class Table : public ::testing::Test, public TestProgram {
protected:
    QStringList row(int k) {
        frmHigh& h = program.frmHigh();
        return {h.lblRank[k]->caption(), h.lblName[k]->caption(), h.lblLevel[k]->caption(),
                h.lblTargets[k]->caption()};
    }
};

} // namespace

TEST_F(Table, NoFileShowsOnlyHeadingsAndRanksAndCreatesAnEmptyFile) {
    frmHigh& h = program.frmHigh();
    EXPECT_EQ(h.lblRankText.caption(), " Rank");
    EXPECT_EQ(h.lblTargetsText.caption(), " Targets Hit");
    EXPECT_EQ(row(0), QStringList({" 01", "", "", ""}));
    EXPECT_EQ(row(9), QStringList({" 10", "", "", ""}));
    EXPECT_TRUE(QFileInfo::exists(world.path("scores")));
    EXPECT_TRUE(world.messageBox.texts.empty());
}

TEST_F(Table, RecordsFillTheirRowsInFileOrder) {
    world.writeFile("scores", slot("Al", "Smith", 4, 37) + slot(" ", "Jones", 3, -5) +
                                  slot("Maximiliana", "Q", 3, 0));
    EXPECT_EQ(row(0), QStringList({" 01", " Al Smith", " 4", " 37"}));
    EXPECT_EQ(row(1), QStringList({" 02", "  Jones", " 3", " -5"}));
    EXPECT_EQ(row(2), QStringList({" 03", " Maximilian Q", " 3", " 0"}));
    EXPECT_EQ(row(3), QStringList({" 04", "", "", ""}));
}

TEST_F(Table, CellsSitOnTheGridAndShareTheirOutlines) {
    frmHigh& h = program.frmHigh();
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

// Close, the close box, Return and Esc each give the menu back; the next opening reads the
// file afresh.
TEST_F(Table, EveryCloseGivesTheMenuBackAndTheNextOpeningReadsAfresh) {
    for (const std::string how : {"Close", "close box", "Return", "Esc"}) {
        SCOPED_TRACE(how);
        program.frmMain().setEnabled(false);
        frmHigh& h = program.frmHigh();
        h.show();
        if (how == "Close")
            QTest::mouseClick(&h.cmdClose, Qt::LeftButton);
        else if (how == "close box")
            h.close();
        else
            QTest::keyClick(h.focusWidget() ? h.focusWidget() : &h,
                            QKeySequence(QString::fromStdString(how))[0].key());
        EXPECT_TRUE(h.isUnloaded());
        EXPECT_TRUE(program.frmMain().isEnabled());
        processDeferredDeletes();
        world.writeFile("scores", slot(QString::fromStdString(how), "One", 9, 9));
        EXPECT_EQ(row(0)[1], " " + QString::fromStdString(how) + " One");
    }
}

TEST_F(Table, AnUnreadableFileIsReportedAndTheTableStaysEmpty) {
    QDir(world.folder.path()).mkdir("scores");
    EXPECT_EQ(row(0), QStringList({" 01", "", "", ""}));
    ASSERT_EQ(world.messageBox.texts.size(), 1u);
    EXPECT_TRUE(world.messageBox.texts[0].contains("\"scores\""));
}

// A game that enters the hall of fame keeps its replay, linked to its record by a list of its
// own, for as long as the scores file keeps the record; its row bears a mark that plays it.
TEST_F(Table, AHallOfFameGameKeepsItsReplayWhileItsRecordIsKept) {
    QByteArray scores;
    std::vector<ScoreRecord> kept;
    for (int k = 0; k < 101; ++k) {
        scores += slot("Player", QString::number(k), k < 100 ? 5 : 1, 0);
        kept.push_back(ScoreRecord::fromSlot(scores.right(44)));
    }
    world.writeFile("scores", scores);
    QString error;
    ASSERT_TRUE(hallreplays::keep(kept.back(), "an old game", kept, &error));
    const QByteArray replay = contents(VEXAROO_SOURCE_DIR "/tests/game/replays/stall.replay");
    program.frmMain().show(); // where the player is told what cannot be kept
    const auto submit = [&](const char* last) {
        frmRecord& entry = program.frmRecord();
        entry.setResult({9, 3, replay});
        entry.txtFirstName.setText("Al");
        entry.txtLastName.setText(QString::fromLatin1(last));
        entry.cmdSubmit_Click();
        QCoreApplication::processEvents();
    };
    submit("Smith");
    // The old game's record has left the file, and its replay with it.
    EXPECT_EQ(QDir(world.path(hallreplays::folder)).entryList({"*.replay"}).size(), 1);
    frmHigh& h = program.frmHigh();
    ASSERT_TRUE(h.cmdReplay[0]);
    EXPECT_EQ(h.cmdReplay[0]->accessibleName(), "Watch the game");
    EXPECT_EQ(h.cmdReplay[0]->accessibleDescription(), "Al Smith, level 9");
    EXPECT_FALSE(h.cmdReplay[1]);
    h.show();
    h.cmdReplay[0]->click();
    EXPECT_TRUE(program.frmGame().watching());
    EXPECT_FALSE(h.isVisible());
    program.frmGame().close();
    EXPECT_TRUE(h.isVisible());

    // A replay that cannot be read is said so; a folder that cannot keep replays keeps the
    // score and says so once.
    for (const QString& file : QDir(world.path(hallreplays::folder)).entryList({"*.replay"}))
        world.writeFile(hallreplays::folder + "/" + file, "garbage");
    h.cmdReplay[0]->click();
    EXPECT_EQ(world.messageBox.texts,
              std::vector<QString>{"This game cannot be watched: it is not a Vexaroo replay"});
    QDir(world.path(hallreplays::folder)).removeRecursively();
    world.writeFile(hallreplays::folder, "a file in the folder's place");
    submit("Jones");
    submit("Brown");
    EXPECT_EQ(world.readFile("scores").left(20), slot("Al", "Brown", 9, 3).left(20));
    EXPECT_EQ(world.messageBox.texts.size(), 2u);
    EXPECT_TRUE(world.messageBox.texts.back().startsWith("Replays cannot be kept: "));
}

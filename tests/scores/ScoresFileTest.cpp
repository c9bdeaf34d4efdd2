#include "ScoresFile.h"
#include "Doubles.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <thread>

#include <unistd.h>

namespace {

ScoreRecord scoreOf(const QString& first, qint16 level, qint16 targets, const QString& last = "X") {
    return {scores::fixedName(first), scores::fixedName(last), level, targets};
}

QByteArray fileOf(const std::vector<ScoreRecord>& records) {
    QByteArray bytes;
    for (const ScoreRecord& record : records)
        bytes += record.toSlot();
    return bytes;
}

// First names of the stored records, in file order.
QStringList storedOrder(const QByteArray& bytes) {
    QStringList names;
    for (qsizetype at = 0; at + 44 <= bytes.size(); at += 44)
        names << scores::shownName(ScoreRecord::fromSlot(bytes.mid(at, 44)).firstName);
    return names;
}

class ScoresFile : public ::testing::Test {
protected:
    TestWorld world;

    void save(const ScoreRecord& record) {
        QString error;
        ASSERT_TRUE(scores::save(record, &error)) << error.toStdString();
    }
};

} // namespace

TEST_F(ScoresFile, OneSaveIntoNoFileWritesOneSlotByteForByte) {
    save(scoreOf("Annabelle-Lee", 4, -2, "Li"));
    QByteArray expected("Annabelle-Li        ", 20);
    expected += QByteArray("\x04\x00\xfe\xff", 4);
    expected += QByteArray(20, '\0');
    EXPECT_EQ(world.readFile("scores"), expected);
}

TEST_F(ScoresFile, NamesAreCutOrPaddedToTenSingleByteCharacters) {
    EXPECT_EQ(QByteArray(scores::fixedName("Maximiliana").data(), 10), QByteArray("Maximilian"));
    EXPECT_EQ(QByteArray(scores::fixedName("Bob").data(), 10), QByteArray("Bob       "));
    // Windows-1252: é is one byte, the euro sign is 128, a character outside the set is "?".
    EXPECT_EQ(QByteArray(scores::fixedName(QString::fromUtf8("Zoé€✓")).data(), 10),
              QByteArray("Zo\xe9\x80?     "));
    EXPECT_EQ(scores::shownName(scores::fixedName(QString::fromUtf8("Zoé€"))),
              QString::fromUtf8("Zoé€"));
}

TEST_F(ScoresFile, ShownNamesLoseOnlyTrailingSpacesAndKeepZeroBytes) {
    std::array<char, 10> name;
    std::copy_n(" A\0B      ", 10, name.begin());
    EXPECT_EQ(scores::shownName(name), QString::fromLatin1(" A\0B", 4));
    name.fill(' ');
    EXPECT_EQ(scores::shownName(name), QString());
}

TEST_F(ScoresFile, TiesComeOutInTheOrderOfTheDoubleLoop) {
    world.writeFile("scores", fileOf({scoreOf("A", 5, 10), scoreOf("B", 3, 7), scoreOf("C", 3, 7),
                                      scoreOf("D", 2, 1)}));
    save(scoreOf("E", 3, 7));
    EXPECT_EQ(storedOrder(world.readFile("scores")), QStringList({"A", "E", "C", "B", "D"}));

    world.writeFile("scores", fileOf({scoreOf("A", 3, 7)}));
    save(scoreOf("E", 3, 7));
    EXPECT_EQ(storedOrder(world.readFile("scores")), QStringList({"A", "E"}));
}

// The level first, then the targets hit; negative counts sort low, and a negative highest index
// sorts nothing.
TEST(SortScores, LevelComesFirstThenTargetsHit) {
    const struct {
        std::vector<ScoreRecord> entries;
        qint16 highest;
        QStringList order;
    } rows[] = {
        {{scoreOf("zero", 0, 0), scoreOf("low", 0, 1), scoreOf("neg", -1, 50),
          scoreOf("high", 7, 0), scoreOf("mid", 3, 900)},
         4,
         {"high", "mid", "low", "zero", "neg"}},
        {{scoreOf("a", 0, 0), scoreOf("b", 9, 0)}, -1, {"a", "b"}},
        {{scoreOf("few", 4, 1), scoreOf("many", 4, 9)}, 1, {"many", "few"}},
        {{scoreOf("one", 4, 1), scoreOf("three", 4, 3), scoreOf("two", 4, 2)},
         2,
         {"three", "two", "one"}},
    };
    for (const auto& row : rows) {
        std::vector<ScoreRecord> entries = row.entries;
        scores::SortScores(entries, row.highest);
        QStringList order;
        for (const ScoreRecord& e : entries)
            order << scores::shownName(e.firstName);
        EXPECT_EQ(order, row.order);
    }
}

TEST_F(ScoresFile, TrailingBytesMakeNoRecordAndTheNextSaveCoversThem) {
    world.writeFile("scores", fileOf({scoreOf("A", 5, 1)}) + QByteArray("junk", 4));
    std::vector<ScoreRecord> best;
    QString error;
    ASSERT_TRUE(scores::readBestTen(&best, &error));
    EXPECT_EQ(best.size(), 1u);
    save(scoreOf("B", 1, 1));
    const QByteArray bytes = world.readFile("scores");
    EXPECT_EQ(bytes.size(), 88);
    EXPECT_EQ(storedOrder(bytes), QStringList({"A", "B"}));
}

TEST_F(ScoresFile, TheTableReadsTheFirstTenRecordsOnly) {
    std::vector<ScoreRecord> twelve;
    for (int k = 0; k < 12; ++k)
        twelve.push_back(scoreOf(QString::number(k), static_cast<qint16>(20 - k), 0));
    world.writeFile("scores", fileOf(twelve));
    std::vector<ScoreRecord> best;
    QString error;
    ASSERT_TRUE(scores::readBestTen(&best, &error));
    ASSERT_EQ(best.size(), 10u);
    EXPECT_EQ(best.front().level, 20);
    EXPECT_EQ(best.back().level, 11);

    // No file: nothing read, an empty file made.
    QFile::remove(world.path("scores"));
    ASSERT_TRUE(scores::readBestTen(&best, &error));
    EXPECT_TRUE(best.empty());
    EXPECT_TRUE(QFileInfo::exists(world.path("scores")));
    EXPECT_EQ(QFileInfo(world.path("scores")).size(), 0);
}

TEST_F(ScoresFile, AnOverfullFileKeepsItsFirst100AndTheNewRecord) {
    // Saves keep the file best first, so its first 100 records are its best 100.
    std::vector<ScoreRecord> many;
    for (int k = 0; k < 150; ++k)
        many.push_back(scoreOf(QStringLiteral("r%1").arg(k), static_cast<qint16>(200 - k), 0));
    world.writeFile("scores", fileOf(many));
    save(scoreOf("new", 150, 1));
    QStringList expected;
    for (int k = 0; k < 100; ++k)
        expected << QStringLiteral("r%1").arg(k);
    expected.insert(50, "new");
    EXPECT_EQ(storedOrder(world.readFile("scores")), expected);
}

TEST_F(ScoresFile, HostileFilesOfAnySizeAreReadNoFurtherThanTheirFirst100Records) {
    QRandomGenerator random(12);
    std::vector<ScoreRecord> unordered;
    for (int k = 0; k < 40000; ++k)
        unordered.push_back(scoreOf(QString::number(k), static_cast<qint16>(random.bounded(-9, 9)),
                                    static_cast<qint16>(random.bounded(100))));
    QByteArray noise(10 * 1024 * 1024, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    for (const QByteArray& hostile : {fileOf(unordered), noise}) {
        world.writeFile("scores", hostile);
        const ScoreRecord added = scoreOf("new", 3, 5);
        save(added);
        std::vector<ScoreRecord> expected;
        for (int k = 0; k < 100; ++k)
            expected.push_back(ScoreRecord::fromSlot(hostile.mid(k * 44, 44)));
        expected.push_back(added);
        scores::SortScores(expected, 100);
        EXPECT_EQ(world.readFile("scores"), fileOf(expected));
    }
}

TEST_F(ScoresFile, AFolderThatCannotBeWrittenGivesAReasonAndKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const QByteArray old = fileOf({scoreOf("A", 5, 1)});
    world.writeFile("scores", old);
    QFile::setPermissions(world.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QString error;
    EXPECT_FALSE(scores::save(scoreOf("B", 9, 9), &error));
    EXPECT_TRUE(error.contains("\"scores\"")) << error.toStdString();
    QFile::setPermissions(world.folder.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(world.readFile("scores"), old);
}

TEST_F(ScoresFile, TwoSavesAtTheSameTimeBothKeepTheirRecords) {
    // Two copies of the game submitting at once: each save reads, merges and writes the
    // whole file, so without the lock one would overwrite the other's record.
    constexpr int each = 25;
    auto saveMany = [](const QString& who) {
        for (int k = 0; k < each; ++k) {
            QString error;
            if (!scores::save(scoreOf(who, static_cast<qint16>(k), 0), &error))
                ADD_FAILURE() << error.toStdString();
        }
    };
    std::thread first(saveMany, "first");
    std::thread second(saveMany, "second");
    first.join();
    second.join();
    const QStringList stored = storedOrder(world.readFile("scores"));
    EXPECT_EQ(stored.count("first"), each);
    EXPECT_EQ(stored.count("second"), each);
}

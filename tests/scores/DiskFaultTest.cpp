// Faults of the disk and leftovers of killed programs, met by both savers.
#include "Doubles.h"
#include "RecordFile.h"
#include "ScoresFile.h"
#include "SettingsFile.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include <unistd.h>

namespace {

ScoreRecord someScore() {
    ScoreRecord record;
    record.firstName = scores::fixedName(QStringLiteral("Ann"));
    record.lastName = scores::fixedName(QStringLiteral("Lee"));
    record.level = 4;
    record.targetsHit = 9;
    return record;
}

struct Saver {
    const char* file;
    std::function<bool(QString*)> save;
};

const Saver savers[] = {
    {"settings",
     [](QString* error) {
         return writeSettings(Settings{0, 65, 68, 87, 83, 17}, error);
     }},
    {"scores", [](QString* error) { return scores::save(someScore(), error); }},
};

// A disk with `room` bytes free: writes take what fits, then fail as a full disk does.
struct FullDisk {
    explicit FullDisk(qint64 room) {
        files::setWriteCall([room](int fd, const char* data, qint64 size) mutable -> qint64 {
            if (room == 0) {
                errno = ENOSPC;
                return -1;
            }
            const qint64 written = ::write(fd, data, static_cast<size_t>(std::min(size, room)));
            room -= written;
            return written;
        });
    }
    ~FullDisk() { files::setWriteCall({}); }
};

QStringList folderContents(const TestWorld& world) {
    return QDir(world.folder.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

TEST(DiskFault, BothSaversOnAFullDiskKeepTheOldFileWholeAndSayWhy) {
    const QByteArray old = "the old file, longer than what fits";
    for (const Saver& saver : savers) {
        for (const qint64 room : {0, 7}) {
            TestWorld world;
            world.writeFile(QString::fromLatin1(saver.file), old);
            const QStringList before = folderContents(world);
            QString error;
            {
                FullDisk disk(room);
                EXPECT_FALSE(saver.save(&error)) << saver.file << " with room " << room;
            }
            EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")))
                << saver.file << ": " << error.toStdString();
            EXPECT_EQ(world.readFile(QString::fromLatin1(saver.file)), old) << saver.file;
            EXPECT_EQ(folderContents(world), before) << saver.file << ": a temporary was left";
        }
    }
}

TEST(DiskFault, TemporariesOfKilledSavesGoWithTheNextSaveAndNothingElseDoes) {
    for (const Saver& saver : savers) {
        TestWorld world;
        const QString file = QString::fromLatin1(saver.file);
        // No process has the largest pid; pid 1 always runs, so its save may be under way.
        const QString stray = file + QStringLiteral(".saving.2147483647");
        world.writeFile(stray, "half a save");
        const QStringList kept = {file + QStringLiteral(".saving.1"),
                                  file + QStringLiteral(".backup"),
                                  file + QStringLiteral(".saving.x")};
        for (const QString& name : kept)
            world.writeFile(name, "keep");
        QString error;
        ASSERT_TRUE(saver.save(&error)) << error.toStdString();
        EXPECT_FALSE(QFile::exists(world.path(stray))) << saver.file;
        for (const QString& name : kept)
            EXPECT_EQ(world.readFile(name), QByteArray("keep")) << name.toStdString();
    }
}

TEST(DiskFault, ALockLeftByAKilledGameIsFreeAtOnceAndALiveOneIsWaitedFor) {
    TestWorld world;
    const QString lockName = scores::fileName + QStringLiteral(".lock");
    // Empty, and as an older build's lock of a game long gone left it.
    for (const QByteArray& left : {QByteArray(), QByteArray("2147483647\nvexaroo\nhost\n")}) {
        world.writeFile(lockName, left);
        QString error;
        EXPECT_TRUE(scores::save(someScore(), &error)) << error.toStdString();
        EXPECT_FALSE(QFile::exists(world.path(lockName))) << "the lock stayed behind";
    }

    recordfile::Lock held(lockName);
    QString error;
    ASSERT_TRUE(held.acquire(0, &error)) << error.toStdString();
    recordfile::Lock second(lockName);
    EXPECT_FALSE(second.acquire(50, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("another program"))) << error.toStdString();
}

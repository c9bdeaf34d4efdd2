// Faults of the disk and leftovers of killed programs, met by every saver.
#include "Doubles.h"
#include "Preferences.h"
#include "RecordFile.h"
#include "ScoresFile.h"
#include "SettingsFile.h"
#include "TextFile.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <tuple>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

ScoreRecord someScore() {
    return {scores::fixedName("Ann"), scores::fixedName("Lee"), 4, 9};
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
    {"preferences", [](QString* error) { return writePreferences(Preferences{}, error); }},
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

TEST(DiskFault, EverySaverOnAFullDiskKeepsTheOldFileWholeAndSaysWhy) {
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
            EXPECT_TRUE(error.contains("No space left on device"))
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
        const QString stray = file + ".saving.2147483647";
        world.writeFile(stray, "half a save");
        const QStringList kept = {file + ".saving.1", file + ".backup", file + ".saving.x"};
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
    const QString lockName = scores::fileName + ".lock";
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
    EXPECT_TRUE(error.contains("another program")) << error.toStdString();
}

TEST(DiskFault, EverySaverLeavesWhatItMayNotReplaceAndSaysWhy) {
    // Read-only is the file's mode, which holds for root's saves too; a device or a FIFO at
    // the end of a link is no file to put a file in the place of, and the message names it.
    const struct {
        mode_t mode;
        bool throughLink;
        const char* says;
    } rows[] = {{S_IFREG | 0444, false, "read-only"},
                {S_IFREG | 0444, true, "read-only"},
                {S_IFCHR | 0666, true, "not a regular file"},
                {S_IFIFO | 0666, false, "not a regular file"}};
    for (const Saver& saver : savers) {
        for (const auto& row : rows) {
            SCOPED_TRACE(testing::Message() << saver.file << ", mode " << std::oct << row.mode
                                            << (row.throughLink ? " via a link" : ""));
            TestWorld world;
            const QString file = QString::fromLatin1(saver.file);
            const QString real = row.throughLink ? "real" : file;
            const QByteArray realPath = QFile::encodeName(world.path(real));
            QFile::remove(world.path(file));
            if (mknod(realPath.constData(), row.mode, makedev(1, 3)) != 0) {
                std::printf("[ skipped ] mode %o cannot be made here\n", row.mode);
                continue;
            }
            if (row.throughLink) {
                ASSERT_TRUE(QFile::link(real, world.path(file)));
            }
            struct stat before {
            }, after{};
            ASSERT_EQ(lstat(realPath.constData(), &before), 0);
            const QStringList folder = folderContents(world);
            QString error;
            EXPECT_FALSE(saver.save(&error));
            EXPECT_TRUE(error.contains(QLatin1String(row.says))) << error.toStdString();
            EXPECT_TRUE(S_ISREG(row.mode) || error.contains(real) || error.contains(file));
            ASSERT_EQ(lstat(realPath.constData(), &after), 0);
            EXPECT_EQ(std::tie(after.st_ino, after.st_mode, after.st_rdev, after.st_size),
                      std::tie(before.st_ino, before.st_mode, before.st_rdev, before.st_size));
            EXPECT_EQ(QFileInfo(world.path(file)).isSymLink(), row.throughLink);
            EXPECT_EQ(folderContents(world), folder) << "a temporary was left";
        }
    }
}

TEST(DiskFault, EverySaverWritesTheFileAtTheEndOfAChainOfLinksAndKeepsTheLinks) {
    // file -> links/mid -> ../store/real: each link is read from its own folder.
    auto linkText = [](const QString& path) {
        char text[256];
        const ssize_t length = readlink(QFile::encodeName(path).constData(), text, sizeof text);
        return length < 0 ? QByteArray() : QByteArray(text, length);
    };
    for (const Saver& saver : savers) {
        for (const bool endExists : {true, false}) {
            TestWorld world;
            const QString file = QString::fromLatin1(saver.file);
            QFile::remove(world.path(file));
            QDir folder(world.folder.path());
            folder.mkdir("links");
            folder.mkdir("store");
            if (endExists)
                world.writeFile("store/real", "");
            ASSERT_TRUE(QFile::link("../store/real", world.path("links/mid")));
            ASSERT_TRUE(QFile::link("links/mid", world.path(file)));
            QString error;
            ASSERT_TRUE(saver.save(&error)) << saver.file << ": " << error.toStdString();
            EXPECT_FALSE(world.readFile("store/real").isEmpty())
                << saver.file << (endExists ? "" : ", made at the end of the chain");
            EXPECT_EQ(linkText(world.path(file)), QByteArray("links/mid")) << saver.file;
            EXPECT_EQ(linkText(world.path("links/mid")), QByteArray("../store/real")) << saver.file;
            EXPECT_EQ(QDir(world.path("store")).entryList(QDir::Files), QStringList{"real"})
                << saver.file;
        }
    }
}

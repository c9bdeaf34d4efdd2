#include "Sound.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

// What a start says about sound on standard error: one line, naming the effect at fault.
TEST(Sound, ABadEffectOrNoSoundCardIsOneLineThatNamesTheFault) {
    const struct {
        const char* spoil; // shell, in a folder holding the game's effects
        const char* said;  // the line's start; %1 is the folder
    } rows[] = {
        {":", "vexaroo: no sound: ALSA"}, // no sound card: ALSA finds no default device
        {": >shot.wav", "vexaroo: no sound: %1/shot.wav: "},
        {"rm hit.wav && mkdir hit.wav", "vexaroo: no sound: %1/hit.wav: "},
        {"head -c 44 shot.wav >s && mv s shot.wav", "vexaroo: no sound: %1/shot.wav: "},
        // Another rate than the others' is mixed as well: no fault of shot.wav nor of hit.wav.
        {"printf 'D\\254\\0\\0\\210X\\1' | dd of=shot.wav bs=1 seek=24 conv=notrunc", ""},
    };
    qputenv("SDL_AUDIODRIVER", "alsa");
    qputenv("ALSA_CONFIG_PATH", "/dev/null");
    qunsetenv("AUDIODEV");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.spoil);
        QTemporaryDir folder;
        QProcess::execute("sh", {"-c", QString("cd '%1' && cp %2/sounds/*.wav . && %3")
                                           .arg(folder.path(), VEXAROO_SOURCE_DIR, row.spoil)});
        QStringList files;
        for (const char* name : {"shot", "hit", "life", "level", "gameover", "click"})
            files << folder.filePath(QString::fromLatin1(name) + ".wav");

        QFile said(folder.filePath("stderr"));
        std::fflush(stderr);
        const int saved = dup(2);
        said.open(QIODevice::ReadWrite);
        dup2(said.handle(), 2);
        {
            SdlSound sound(files);
            sound.play(0);
            for (int wait = 0; wait < 100 && *row.said && QFileInfo(said).size() == 0; ++wait)
                QThread::msleep(50);
        }
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
        said.seek(0);
        const QString text = QString::fromLocal8Bit(said.readAll());
        const QString expected = QString::fromLatin1(row.said).replace("%1", folder.path());
        EXPECT_TRUE(expected.isEmpty() ? !text.contains(".wav")
                                       : text.startsWith(expected) && text.count('\n') == 1)
            << text.toStdString();
    }
}

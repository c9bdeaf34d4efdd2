// Movie loading: any file in a movie's place loads or shows nothing, and what loads is drawn
// at the control's size, whatever size and frames it declares.
#include "AnimationPlayer.h"
#include "Clock.h"
#include "FuzzFolder.h"

#include <QApplication>
#include <QWidget>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static VirtualClock clock;
    static QWidget window;
    static SpriteCanvas canvas(&window, clock);
    // A fresh name for each input: movies are shared and their frames kept by name.
    static int serial = 0;
    const QString name = QStringLiteral("movie%1").arg(++serial);
    writeInput(name, data, size);
    for (const auto scale : {AnimationPlayer::Scale::NoScale, AnimationPlayer::Scale::ShowAll}) {
        AnimationPlayer player(canvas, 0, 0, 37, 37, scale);
        player.setMovie(fuzzFolder().filePath(name));
        for (const int frame : {0, 1, 7}) {
            player.setFrameNum(frame);
            clock.advance(40);
            const QImage image = player.render(2.0);
            if (image.width() > 74 || image.height() > 74)
                abort();
        }
        player.setQuality(0);
        player.play();
        clock.advance(100);
        (void)player.isPlaying();
        (void)player.render(1.0);
    }
    QFile::remove(name);
    return 0;
}

#pragma once

// The doubles of what a window is handed, with a world to run them in, for the tests, the
// real-window scenarios' harness and the bench.
#include "Clock.h"
#include "Files.h"
#include "MessageBox.h"
#include "Random.h"
#include "Services.h"
#include "Sound.h"
#include "System.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

// Records every box and the key that may answer it; `whileOpen` runs while a box is "open",
// e.g. to let time pass.
class RecordingMessageBox final : public MessageBox {
public:
    std::vector<QString> texts;
    std::vector<int> answerKeys;
    std::function<void(const QString&)> whileOpen;

protected:
    void showModal(QWidget& /*owner*/, const QString& text, int answerKey) override {
        texts.push_back(text);
        answerKeys.push_back(answerKey);
        if (whileOpen)
            whileOpen(text);
    }
};

class RecordingLauncher final : public Launcher {
public:
    // A launch succeeds unless `failWith` names why it cannot start; a test may fail it
    // later, as an opener ending with an error does, through its `failed`.
    void launch(const QString& program, const QByteArrayList& arguments, Failed failed) override {
        launches.push_back({program, arguments, failed});
        if (!failWith.isEmpty())
            failed(failWith);
    }
    struct Launch {
        QString program;
        QByteArrayList arguments;
        Failed failed;
    };
    std::vector<Launch> launches;
    QString failWith;
};

// Records every effect that sounds, with the clock's time; a muted request is not heard.
class RecordingSound final : public Sound {
public:
    explicit RecordingSound(const Clock& clock) : clock_(clock) {}
    struct Played {
        int effect;
        qint64 ms;
        bool operator==(const Played&) const = default;
    };
    std::vector<Played> played;
    std::vector<int> effects() const {
        std::vector<int> all;
        for (const Played& p : played)
            all.push_back(p.effect);
        return all;
    }

protected:
    void start(int effect) override { played.push_back({effect, clock_.nowMs()}); }

private:
    const Clock& clock_;
};

// Hands out the draws a test queued, then the `fallback` draws in turn, over and over.
class ScriptedRandom final : public Random {
public:
    quint32 randomize() override {
        ++randomizeCalls;
        return 0;
    }
    float next() override {
        ++drawsMade;
        if (draws_.empty())
            return fallback[fallbackDrawn_++ % fallback.size()];
        const float r = draws_.front();
        draws_.pop_front();
        return r;
    }
    void queue(std::initializer_list<float> draws) { draws_.insert(draws_.end(), draws); }
    std::size_t pending() const { return draws_.size(); }

    std::vector<float> fallback{0.0f};
    int randomizeCalls = 0;
    int drawsMade = 0;

private:
    std::deque<float> draws_;
    std::size_t fallbackDrawn_ = 0;
};

// The settings file as the game delivers it.
inline QByteArray deliveredSettings() {
    return contents(VEXAROO_SOURCE_DIR "/data/settings");
}

// A virtual clock, scripted draws and recording doubles, in a fresh current directory that
// holds the delivered settings file. Other draws or another sound may be handed in.
struct TestWorld {
    VirtualClock clock;
    RecordingMessageBox messageBox;
    ScriptedRandom random;
    RecordingLauncher launcher;
    RecordingSound sound{clock};
    Services services;
    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();

    explicit TestWorld(Random* draws = nullptr, Sound* heard = nullptr)
        : services{
              clock, clock, messageBox, draws ? *draws : random, launcher, heard ? *heard : sound} {
        QDir::setCurrent(folder.path());
        writeFile("settings", deliveredSettings());
    }
    ~TestWorld() { QDir::setCurrent(previousFolder); }

    QString path(const QString& name) const { return folder.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        writeBytes(path(name), bytes);
    }
    QByteArray readFile(const QString& name) const { return contents(path(name)); }
};

// A close from the window's frame, as the window manager sends it.
inline void closeByFrame(QWidget& window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
}

// Unloaded windows go once the event loop comes round.
inline void processDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

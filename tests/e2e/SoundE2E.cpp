#include "Desktop.h"

#include <QSettings>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>

// The real program's sound through SDL's disk driver, which writes the mixed output (16-bit
// mono at the effects' rate) to a file as a sound card would play it.
namespace {

constexpr int rate = 22050;

struct Heard {
    std::unique_ptr<Desktop> d;
    QString output() const { return d->folder.filePath("heard.raw"); }

    explicit Heard(const char* desktop) : d(Desktop::open(desktop)) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", output().toLocal8Bit());
    }
    // Into a game as a player goes: past the intro by Return, then the menu's keys (the last
    // Return starts the game).
    bool playFromTheMenu(const QStringList& arguments, const QStringList& menuKeys) {
        const unsigned long menu = d->menuAfterTheIntro(arguments, "Return");
        if (!menu)
            return false;
        d->activate(menu);
        d->keys(menuKeys);
        return d->waitForWindow(titles::game) != 0;
    }
    // Loudness (RMS) of the output from `fromMs` for `lengthMs`, counted from its first sound.
    double loudness(int fromMs, int lengthMs) const {
        const QByteArray bytes = contents(output());
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        const qsizetype count = bytes.size() / 2;
        qsizetype first = 0;
        while (first < count && samples[first] == 0)
            ++first;
        double sum = 0;
        const qsizetype begin = first + qsizetype(fromMs) * rate / 1000;
        const qsizetype end = std::min(count, begin + qsizetype(lengthMs) * rate / 1000);
        for (qsizetype i = begin; i < end; ++i)
            sum += double(samples[i]) * samples[i];
        return end > begin ? std::sqrt(sum / double(end - begin)) : 0;
    }
};

class SoundOnScreen : public ::testing::TestWithParam<const char*> {};

} // namespace

// One tap of fire at a target just in front of Gorvan: the shot, then the hit, which lasts
// well beyond the shot's 90 ms.
TEST_P(SoundOnScreen, AShotAndTheTargetItDestroysAreHeard) {
    Heard heard(GetParam());
    const unsigned long game = heard.d->startScenario("lost-life");
    ASSERT_NE(game, 0u) << heard.d->onScreen();
    heard.d->activate(game);
    heard.d->keys({"space"});
    QThread::msleep(800);
    EXPECT_GT(heard.loudness(0, 80), 500) << "no shot heard";
    EXPECT_GT(heard.loudness(130, 80), 500) << "no hit heard after the shot";
}

// Muted from the command line, or by the menu's speaker before Play, a game of held fire
// makes no sound at all; the speaker's choice is kept, --mute's is not.
TEST_P(SoundOnScreen, MuteAndTheMenuSwitchSilenceAGame) {
    const struct {
        QStringList arguments;
        QStringList menuKeys;
        const char* kept;
    } cases[] = {
        {{"--mute"}, {"Return"}, ""},
        // Up from Play reaches the speaker, Down comes back to Play.
        {{}, {"Up", "Return", "Down", "Return"}, "off"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        Heard heard(GetParam());
        ASSERT_TRUE(heard.playFromTheMenu(c.arguments, c.menuKeys)) << "no game started";
        heard.d->hold({"space"}, 1000, {});
        EXPECT_EQ(heard.loudness(0, 1000), 0) << "sound in a muted game";
        QSettings preferences(heard.d->folder.filePath("preferences"), QSettings::IniFormat);
        EXPECT_EQ(preferences.value("Vexaroo/sound").toString().toStdString(), c.kept);
    }
}

INSTANTIATE_TEST_SUITE_P(Desktops, SoundOnScreen, ::testing::Values("jwm", "sway"));

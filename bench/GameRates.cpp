// Measurements, not tests (make bench runs them through bench/bench.sh).
//
//   game_rates play SECONDS watch|skip
//     The program as a player starts it, in a real window: the intro watched to its end (then
//     the idle menu for a while) or skipped at once, Play, and a game of SECONDS with fire
//     held and Gorvan running right and left in turn, the keys pressed through the X server.
//     Reports how often the game's timers really ticked, the CPU of the game and of the X
//     server (its pid in BENCH_XSERVER_PID), canvas paints, wake-ups and peak memory.
//   game_rates ticks SECONDS
//     The same game on the virtual clock, headless, for callgrind: prints how often each
//     handler ran, so that instructions per call can be worked out.

#include "Doubles.h"
#include "Program.h"
#include "RealServices.h"
#include "Replay.h"
#include "frmGame.h"
#include "frmIntro.h"
#include "frmMain.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <random>

namespace {

// The same draws on every run, so that callgrind counts are comparable: the game seeds its
// draws once as it starts.
constexpr quint32 benchSeed = 20240611u;

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of another process (the X server), 0 when unknown.
double processCpuSeconds(const QByteArray& pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (pid.isEmpty() || !stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // The fields after the command name: utime is the 14th of the line, stime the 15th.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

// A line of /proc/<path>/status in KiB (or a plain count).
long statusValue(const QString& path, const char* key) {
    QFile status(path);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key) && line.size() > qsizetype(std::strlen(key)) &&
            line[std::strlen(key)] == ':')
            return line.mid(std::strlen(key) + 1).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Times a thread of this process went to sleep and was woken again, all threads together.
long wakeUps() {
    long total = 0;
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        total += statusValue(QStringLiteral("/proc/self/task/%1/status").arg(task),
                             "voluntary_ctxt_switches");
    }
    return total;
}

double mib(long kib) {
    return kib / 1024.0;
}

// How often a timer ticked while it ran. The real clock runs the ticks due within a frame in
// one wake-up, each up to a frame late; so the rate is taken from the first tick of one
// wake-up to the first of a later one (late alike), over the ticks from the one to the other.
// A lost life, a turn or an edge stops a timer and starts it afresh later: no span reaches
// over such a break.
struct Rate {
    long ticks = 0;
    long counted = 0; // ticks within the spans
    qint64 spanNs = 0;
    qint64 firstNs = -1; // the first tick of the latest wake-up since the last break
    long sinceFirst = 0; // ticks from that one on, that one included
    quint64 passAtLast = ~quint64(0);
    int breaksAtLast = 0;
    bool settled = false; // a whole wake-up has passed since the last break

    // pass: the pass of the event loop (wake-up) the tick runs in.
    void tick(qint64 now, quint64 pass, int breaks) {
        ++ticks;
        if (breaks != breaksAtLast) {
            breaksAtLast = breaks;
            firstNs = -1;
            settled = false;
        }
        const bool firstOfWakeUp = pass != passAtLast;
        passAtLast = pass;
        if (!firstOfWakeUp) {
            ++sinceFirst;
            return;
        }
        if (firstNs >= 0) {
            counted += sinceFirst;
            spanNs += now - firstNs;
        }
        // The first wake-up after a break comes at any moment of its frame; the later ones
        // come when the frame is due.
        if (settled)
            firstNs = now;
        settled = true;
        sinceFirst = 1;
    }
    double perSecond() const { return spanNs ? counted * 1e9 / spanNs : 0; }
};

// Two timers' spans together (Gorvan's left and right movement).
Rate pooled(const Rate& a, const Rate& b) {
    Rate both;
    both.ticks = a.ticks + b.ticks;
    both.counted = a.counted + b.counted;
    both.spanNs = a.spanNs + b.spanNs;
    return both;
}

struct Rates {
    QElapsedTimer clock;
    Rate shoot, target, left, right, level, rof;
    quint64 passes = 0; // of the event loop, counted where it is about to sleep
    int losses = 0;
    int turns = 0;     // direction keys pressed or let go, and stops at an edge
    int fireTurns = 0; // the fire key pressed or let go
};

// Counts every lost life; the bench keeps three lives, so that the game goes on. Over a real
// window the game's own box is shown and answered a moment later, as a player would.
void keepLives(Game& game, RecordingMessageBox& messageBox, Rates& rates,
               QWidget* shownOver = nullptr) {
    messageBox.whileOpen = [&game, &rates, shownOver](const QString& text) {
        ++rates.losses;
        game.lives = Game::startLives;
        if (shownOver) {
            QTimer::singleShot(200, [] {
                if (QWidget* box = QApplication::activeModalWidget())
                    box->close();
            });
            QtMessageBox().show(*shownOver, text);
        }
        // The game's timers stopped before the box; the lost life's handler enables
        // tmrTarget and tmrLevel again right after it, the others come back with the keys.
        ++rates.losses;
    };
}

// Counts the game's ticks. With turnAtEdges Gorvan turns round at once at an edge, as a
// player holding the other key would.
void countTicks(Game& game, Rates& rates, bool turnAtEdges) {
    rates.clock.start();
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     [&rates] { ++rates.passes; });
    // Each timer's tick is counted, then runs as the game runs it. A break (a lost life, a
    // key that stopped the timer) starts its count afresh.
    const auto counted = [&rates](Timer& timer, Rate& rate, std::function<int()> breaks,
                                  std::function<void()> after = {}) {
        timer.setOnTick([&rates, &rate, breaks, tick = timer.onTick(), after] {
            rate.tick(rates.clock.nsecsElapsed(), rates.passes, breaks());
            tick();
            if (after)
                after();
        });
    };
    const auto losses = [&rates] { return rates.losses; };
    counted(game.tmrShoot, rates.shoot, losses);
    counted(game.tmrTarget, rates.target, losses);
    counted(game.tmrLevel, rates.level, losses);
    counted(game.tmrROF, rates.rof, [&rates] { return rates.losses + rates.fireTurns; });
    for (auto [timer, rate, back] : {std::tuple{&game.tmrRight, &rates.right, Action::Left},
                                     std::tuple{&game.tmrLeft, &rates.left, Action::Right}}) {
        counted(
            *timer, *rate, [&rates] { return rates.losses + rates.turns; },
            [&game, &rates, timer = timer, back = back, turnAtEdges] {
                if (timer->enabled())
                    return;
                ++rates.turns;
                if (turnAtEdges)
                    game.Form_KeyDown(back);
            });
    }
}

// Sees the keys go down and up, for the rates of the timers they start and stop.
class TurnWatch final : public QObject {
public:
    explicit TurnWatch(Rates& rates) : rates_(rates) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->isAutoRepeat())
                return false;
            if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)
                ++rates_.turns;
            if (key->key() == Qt::Key_Space)
                ++rates_.fireTurns;
        }
        return false;
    }

private:
    Rates& rates_;
};

void rateLine(const char* name, const Rate& rate, double nominal) {
    if (rate.counted == 0) {
        std::printf("  %-18s %7ld ticks    (no two in a row without a lost life between)\n", name,
                    rate.ticks);
        return;
    }
    std::printf("  %-18s %7.2f ticks/s  nominal %6.2f  %+6.2f %%\n", name, rate.perSecond(),
                nominal, 100 * (rate.perSecond() - nominal) / nominal);
}

// Runs the event loop for a while.
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until the condition holds, looking every 50 ms.
void waitFor(const std::function<bool()>& done) {
    while (!done())
        pause(50);
}

// Keys through the X server, as a player presses them: Gorvan running right and left in turn
// for 0.8 s each, and fire pressed anew at every turn (only the key pressed last repeats, and
// a lost life stops the gun), with the delivered settings' keys. xdotool runs on its own: a
// child the event loop watched would add to the game's work at every wake-up.
class Player {
public:
    void holdKeys(const QWidget& window) {
        QStringList chain = {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                             QString::number(window.winId()),  QStringLiteral("keydown"),
                             QStringLiteral("space"),          QStringLiteral("keydown"),
                             QStringLiteral("Right")};
        for (int turn = 0; turn < 100; ++turn)
            chain << QStringLiteral("sleep 0.8 keyup Right keyup space keydown space keydown Left "
                                    "sleep 0.8 keyup Left keyup space keydown space keydown Right")
                         .split(QLatin1Char(' '));
        QProcess::startDetached(QStringLiteral("xdotool"), chain, {}, &xdotool_);
    }
    ~Player() {
        if (xdotool_ > 0)
            kill(static_cast<pid_t>(xdotool_), SIGTERM);
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("keyup"), QStringLiteral("Left"), QStringLiteral("keyup"),
                           QStringLiteral("Right"), QStringLiteral("keyup"),
                           QStringLiteral("space")});
    }

private:
    qint64 xdotool_ = 0;
};

int play(int seconds, bool watchIntro, bool withSound) {
    RecordingMessageBox messageBox;
    SystemRandom random(benchSeed);
    RealServices real(&messageBox, &random);
    real.sound.setMuted(!withSound);
    Program program(real.services);
    const QByteArray xServer = qgetenv("BENCH_XSERVER_PID");

    frmIntro& intro = program.frmIntro();
    program.start();
    frmMain& menu = program.frmMain();
    if (watchIntro) {
        std::printf("intro watched to its end, then %d s of play in a real window\n", seconds);
        waitFor([&] { return menu.isVisible(); });
        pause(500); // the menu's first paint
        const double cpu = cpuSeconds();
        const long woken = wakeUps();
        QElapsedTimer idle;
        idle.start();
        pause(5000);
        const double s = idle.elapsed() / 1000.0;
        std::printf("  idle menu          CPU %.2f %% of one core, %.1f wake-ups/s (over %.0f s)\n",
                    100 * (cpuSeconds() - cpu) / s, (wakeUps() - woken) / s, s);
    } else {
        std::printf("intro skipped at once, then %d s of play in a real window%s\n", seconds,
                    withSound ? ", sound on" : "");
        waitFor([&] { return intro.isVisible(); });
        intro.lblSkipIntro_Click();
        waitFor([&] { return menu.isVisible(); });
        pause(500);
    }
    const QString self = QStringLiteral("/proc/self/status");
    std::printf(
        "  menu shown         RSS %.1f MiB (heap %.1f, file-backed %.1f), peak so far %.1f\n",
        mib(statusValue(self, "VmRSS")), mib(statusValue(self, "RssAnon")),
        mib(statusValue(self, "RssFile")), mib(statusValue(self, "VmHWM")));

    menu.picPlay_Click();
    frmGame& game = program.frmGame();
    Rates rates;
    keepLives(game.rules(), messageBox, rates, &game);
    countTicks(game.rules(), rates, false);
    TurnWatch turns(rates);
    PaintCounter paints;
    game.canvas().installEventFilter(&paints);
    waitFor([&] { return game.isVisible(); });
    pause(1000); // let the window settle first
    Player player;
    player.holdKeys(game);
    pause(1000); // and the keys come in

    rates.shoot = rates.target = rates.left = rates.right = rates.level = rates.rof = {};
    paints.paints = 0;
    const std::size_t boxesAtStart = messageBox.texts.size();
    const double cpuAtStart = cpuSeconds();
    const double xAtStart = processCpuSeconds(xServer);
    const long wokenAtStart = wakeUps();
    QElapsedTimer elapsed;
    elapsed.start();
    pause(seconds * 1000);
    const double s = elapsed.elapsed() / 1000.0;
    const double cpu = cpuSeconds() - cpuAtStart;
    const double xCpu = processCpuSeconds(xServer) - xAtStart;
    const double woken = (wakeUps() - wokenAtStart) / s;

    rateLine("tmrShoot", rates.shoot, 100);
    rateLine("tmrTarget", rates.target, 1000.0 / 30);
    rateLine("tmrLeft/tmrRight", pooled(rates.left, rates.right), 100);
    rateLine("tmrROF", rates.rof, 5);
    rateLine("tmrLevel", rates.level, 0.1);
    std::printf("  game CPU           %5.2f %% of one core (%d lost lives played through)\n",
                100 * cpu / s, int(messageBox.texts.size() - boxesAtStart));
    if (xServer.isEmpty())
        std::printf("  X server CPU       unknown (no BENCH_XSERVER_PID)\n");
    else
        std::printf("  X server CPU       %5.2f %% of one core\n", 100 * xCpu / s);
    std::printf("  canvas paints      %6.1f /s\n", paints.paints / s);
    std::printf("  wake-ups           %6.1f /s (every thread of the game)\n", woken);
    std::printf("  peak RSS           %5.1f MiB (at the end: heap %.1f, file-backed %.1f)\n",
                mib(statusValue(self, "VmHWM")), mib(statusValue(self, "RssAnon")),
                mib(statusValue(self, "RssFile")));
    std::fflush(stdout);
    program.end();
    return 0;
}

int ticks(int seconds) {
    SystemRandom random(benchSeed);
    SilentSound sound;
    TestWorld world(&random, &sound);
    VirtualClock& clock = world.clock;
    RecordingMessageBox& messageBox = world.messageBox;
    Program program(world.services);
    frmGame& game = program.frmGame();
    Game& rules = game.rules();
    Rates rates;
    keepLives(rules, messageBox, rates);
    countTicks(rules, rates, true);
    const auto press = [&rules] {
        rules.Form_KeyDown(Action::Fire);
        rules.Form_KeyDown(Action::Right);
    };
    // A lost life stops Gorvan and the gun: press the keys again once the field is reset.
    messageBox.whileOpen = [&, lost = messageBox.whileOpen](const QString& text) {
        lost(text);
        QTimer::singleShot(0, &game, press);
    };
    game.show();
    press();
    for (qint64 ms = 0; ms < seconds * 1000; ms += 10) {
        clock.advance(10);
        QApplication::processEvents();
        // The end of a pass of the event loop, where the real one paints a frame.
        emit QAbstractEventDispatcher::instance()->aboutToBlock();
    }
    std::printf("calls tmrShoot_Timer %ld tmrTarget_Timer %ld\n", rates.shoot.ticks,
                rates.target.ticks);
    return 0;
}

// The replay of a long and busy game: every 100 ms one of the player's keys goes down or up, ten
// inputs a second, more than a player makes; each lost life's box is closed at once and the
// lives are kept, so that the game lasts. Its size is what a game of that length keeps.
int replaySize(int seconds) {
    SystemRandom random(benchSeed);
    SilentSound sound;
    TestWorld world(&random, &sound);
    Program program(world.services);
    frmGame& game = program.frmGame();
    Rates rates;
    keepLives(game.rules(), world.messageBox, rates);
    std::mt19937 player(7);
    const int keys[] = {keys::Left, keys::Right, keys::Up, keys::Down, keys::Space};
    bool down[5] = {};
    for (qint64 ms = 0; ms < seconds * 1000; ms += 100) {
        const int k = int(player() % 5);
        if (down[k])
            game.keyUp(keys[k], 0);
        else
            game.keyDown(keys[k], 0);
        down[k] = !down[k];
        world.clock.advance(100);
    }
    game.close();
    const qint64 bytes = QFileInfo(replay::lastGameFileName).size();
    std::printf("  replay of %d s with 10 inputs a second: %lld bytes (%zu inputs)\n", seconds,
                bytes, game.recording().events.size());
    return 0;
}

// How long --verify takes for a recorded game, against the game's own length.
int verifyTime(const QString& path) {
    Replay recorded;
    QString why, result;
    if (!replay::read(path, &recorded, &why))
        return 2;
    QElapsedTimer elapsed;
    elapsed.start();
    const bool ok = ReplayRun::verify(recorded, &result, &why);
    std::printf("  verifying a game of %.0f s: %.1f ms (%s)\n",
                (recorded.endMs - recorded.startMs) / 1000.0, elapsed.nsecsElapsed() / 1e6,
                ok ? "as recorded" : "NOT as recorded");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto app = Program::makeApplication(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("play");
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    if (mode == "play")
        return play(seconds, !(argc > 3 && QByteArray(argv[3]) == "skip"),
                    argc > 4 && QByteArray(argv[4]) == "sound");
    if (mode == "ticks")
        return ticks(seconds);
    if (mode == "replay")
        return replaySize(seconds);
    if (mode == "verify" && argc > 3)
        return verifyTime(QString::fromLocal8Bit(argv[3]));
    std::fprintf(
        stderr,
        "usage: game_rates play SECONDS watch|skip [sound] | ticks SECONDS | replay SECONDS\n");
    return 2;
}

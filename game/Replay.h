#pragma once

#include "Game.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <vector>

class VirtualClock;

// A game kept as its seed and its inputs at their times on the game's clock: replayed on a
// virtual clock, the rules repeat it tick for tick.
struct Replay {
    // What the header says of the game.
    QString program; // the version that recorded it
    quint32 seed = 0;
    qint16 quality = 0;
    qint64 dateMs = 0;  // when it began, in milliseconds since 1970 (UTC)
    qint64 startMs = 0; // the game clock's time when the game began
    int level = 0;      // its outcome
    int destroyed = 0;
    bool closed = false; // ended by the player closing the window, not by game over
    qint64 endMs = 0;    // the game clock's time at the end
    quint64 digest = 0;  // the rules' state at the end (Game::Digest)

    enum class Input : quint8 { Press, Release, Hold, Resume, BoxClosed, Stall, End };
    struct Event {
        qint64 ms;
        Input input;
        Action action = Action::Pause;
        qint64 stallMs = 0; // a stall: how far game time jumped
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;
};

namespace replay {

// Where the last game's replay is kept in the player's folder.
inline const QString lastGameFileName = QStringLiteral("last-game.replay");

// No replay of a game is longer: a larger file is not one.
inline constexpr qsizetype maxBytes = 1 << 20;
// Nor does a game last longer, pauses included; replaying a day takes seconds.
inline constexpr qint64 maxGameMs = 24 * 3600 * 1000;

QByteArray encode(const Replay& replay);
// False with the reason when the bytes are not a whole, unchanged replay of this format.
bool decode(const QByteArray& bytes, Replay* replay, QString* why);
// Reads and decodes a replay file.
bool read(const QString& path, Replay* replay, QString* why);

// The outcome as --verify prints it: "level 4, 37 targets destroyed".
QString outcome(int level, int destroyed);

} // namespace replay

// Feeds a replay's inputs to a game at their recorded times, moving its virtual clock on. The
// game's host hands its boxes here (box()): a box lasts until its recorded close.
class ReplayRun {
    Q_DECLARE_TR_FUNCTIONS(Replay)

public:
    ReplayRun(const Replay& replay, VirtualClock& clock, Game& game);

    // Moves game time on to `ms`, with every input recorded up to then. Inside a box it goes
    // no further than the box's close.
    void moveTo(qint64 ms);
    // The game opened a box: inside it only stalls and its close may come. Once moveTo has
    // reached the close, boxOpen() is false, and time stands until the box's handler has
    // gone on (leaveBox()).
    void openBox() { inBox_ = true; }
    bool boxOpen() const { return inBox_ && !boxClosed_ && !ended(); }
    void leaveBox() { inBox_ = boxClosed_ = false; }
    // The game said game over; or the watcher left.
    void gameOver() {
        over_ = true;
        noteEnd();
    }
    void stop() { stopped_ = true; }
    bool ended() const { return over_ || closed_ || stopped_ || !fault_.isEmpty(); }
    // Game time now.
    qint64 nowMs() const;
    // Where the recording and the replayed game part, if they do; empty while they agree.
    const QString& fault() const { return fault_; }
    // Replays the whole game at once and says whether it ends as its header says; `result`
    // gets the replayed outcome, `why` what differs or why it could not be replayed.
    static bool verify(const Replay& replay, QString* result, QString* why);

private:
    void noteEnd();
    void advanceTo(qint64 ms);
    void apply(const Replay::Event& event);
    void fail(const QString& why);

    const Replay& replay_;
    VirtualClock& clock_;
    Game& game_;
    std::size_t next_ = 0;
    bool inBox_ = false;
    bool boxClosed_ = false;
    bool over_ = false;
    bool stopped_ = false;
    bool closed_ = false;
    qint64 endMs_ = 0;
    quint64 digest_ = 0;
    QString fault_;
};

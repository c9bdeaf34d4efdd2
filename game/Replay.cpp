#include "Replay.h"

#include "Clock.h"
#include "Random.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>

#include <limits>

// The file: "VXRP", the format's number, the header, the events (each the milliseconds since
// the one before, then a byte of input and action, then a stall's length), and last the first
// bytes of a SHA-256 of all before them, so that a changed byte is found.
namespace {

constexpr char magic[] = "VXRP";
constexpr quint8 format = 1;
constexpr qsizetype checkBytes = 8;

QByteArray check(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).left(checkBytes);
}

class Writer {
public:
    QByteArray bytes;
    template <class T> void fixed(T value) {
        char raw[sizeof(T)];
        qToLittleEndian(value, raw);
        bytes.append(raw, sizeof(T));
    }
    void number(quint64 value) {
        do {
            const quint8 low = value & 0x7f;
            value >>= 7;
            bytes.append(char(value ? low | 0x80 : low));
        } while (value);
    }
};

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    qsizetype left() const { return bytes_.size() - pos_; }

    template <class T> T fixed() {
        if (left() < qsizetype(sizeof(T))) {
            ok_ = false;
            return T{};
        }
        const T value = qFromLittleEndian<T>(bytes_.data() + pos_);
        pos_ += sizeof(T);
        return value;
    }
    // At most 35 bits: every time and count of a replay fits.
    quint64 number() {
        quint64 value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const auto byte = fixed<quint8>();
            value |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return value;
        }
        ok_ = false;
        return 0;
    }
    QByteArrayView take(qsizetype n) {
        if (n > left()) {
            ok_ = false;
            return {};
        }
        pos_ += n;
        return bytes_.sliced(pos_ - n, n);
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool ok_ = true;
};

bool validEvent(Replay::Input input, Action action) {
    switch (input) {
    case Replay::Input::Press:
        return true;
    case Replay::Input::Release:
        return action != Action::Pause;
    default:
        return action == Action::Pause; // none
    }
}

} // namespace

QByteArray replay::encode(const Replay& replay) {
    Writer out;
    out.bytes.append(magic, 4);
    out.fixed<quint8>(format);
    const QByteArray program = replay.program.toLatin1().left(255);
    out.fixed<quint8>(quint8(program.size()));
    out.bytes.append(program);
    out.fixed<quint32>(replay.seed);
    out.fixed<qint16>(replay.quality);
    out.fixed<qint64>(replay.dateMs);
    out.number(quint64(replay.startMs));
    out.fixed<qint32>(replay.level);
    out.fixed<qint32>(replay.destroyed);
    out.fixed<quint8>(replay.closed);
    out.number(quint64(replay.endMs - replay.startMs));
    out.fixed<quint64>(replay.digest);
    out.number(replay.events.size());
    qint64 previous = replay.startMs;
    for (const Replay::Event& e : replay.events) {
        out.number(quint64(e.ms - previous));
        out.fixed<quint8>(quint8(int(e.input) << 4 | int(e.action)));
        if (e.input == Replay::Input::Stall)
            out.number(quint64(e.stallMs));
        previous = e.ms;
    }
    out.bytes.append(check(out.bytes));
    return out.bytes;
}

bool replay::decode(const QByteArray& bytes, Replay* replay, QString* why) {
    const auto refuse = [&](const char* reason) {
        *why = QCoreApplication::translate("Replay", reason);
        return false;
    };
    if (bytes.size() > maxBytes)
        return refuse(QT_TRANSLATE_NOOP("Replay", "it is far larger than any replay"));
    if (!bytes.startsWith(magic))
        return refuse(QT_TRANSLATE_NOOP("Replay", "it is not a Vexaroo replay"));
    if (bytes.size() < 5 + checkBytes)
        return refuse(QT_TRANSLATE_NOOP("Replay", "it is cut short"));
    if (quint8(bytes[4]) > format)
        return refuse(QT_TRANSLATE_NOOP("Replay", "it was recorded by a later version of Vexaroo"));
    const QByteArrayView body = QByteArrayView(bytes).first(bytes.size() - checkBytes);
    if (check(body) != QByteArrayView(bytes).last(checkBytes))
        return refuse(QT_TRANSLATE_NOOP("Replay", "it is damaged or cut short"));

    Reader in(body.sliced(5));
    Replay r;
    r.program = QString::fromLatin1(in.take(in.fixed<quint8>()));
    r.seed = in.fixed<quint32>();
    r.quality = in.fixed<qint16>();
    r.dateMs = in.fixed<qint64>();
    r.startMs = qint64(in.number());
    r.level = in.fixed<qint32>();
    r.destroyed = in.fixed<qint32>();
    r.closed = in.fixed<quint8>() != 0;
    r.endMs = r.startMs + qint64(in.number());
    r.digest = in.fixed<quint64>();
    const quint64 count = in.number();
    // Every event takes two bytes at least.
    if (!in.ok() || count > quint64(in.left() / 2))
        return refuse(QT_TRANSLATE_NOOP("Replay", "its header is damaged"));
    qint64 ms = r.startMs;
    r.events.reserve(count);
    for (quint64 i = 0; i < count && in.ok(); ++i) {
        ms += qint64(in.number());
        const auto code = in.fixed<quint8>();
        const auto input = Replay::Input(code >> 4);
        const auto action = Action(code & 0x0f);
        if (code >> 4 > int(Replay::Input::End) || (code & 0x0f) >= actionCount ||
            !validEvent(input, action))
            return refuse(QT_TRANSLATE_NOOP("Replay", "it holds an input that no game has"));
        Replay::Event event{ms, input, action};
        if (input == Replay::Input::Stall && (event.stallMs = qint64(in.number())) == 0)
            return refuse(QT_TRANSLATE_NOOP("Replay", "it holds an input that no game has"));
        r.events.push_back(event);
    }
    if (!in.ok() || in.left() != 0)
        return refuse(QT_TRANSLATE_NOOP("Replay", "its inputs are damaged"));
    if (ms - r.startMs > replay::maxGameMs || r.endMs - r.startMs > replay::maxGameMs)
        return refuse(QT_TRANSLATE_NOOP("Replay", "it lasts longer than a day"));
    *replay = std::move(r);
    return true;
}

bool replay::read(const QString& path, Replay* replay, QString* why) {
    QByteArray bytes;
    // One byte more than a replay may have tells a file that is too large.
    if (!files::readStart(path, maxBytes + 1, &bytes, why))
        return false;
    return decode(bytes, replay, why);
}

QString replay::outcome(int level, int destroyed) {
    return QStringLiteral("level %1, %2 targets destroyed").arg(level).arg(destroyed);
}

ReplayRun::ReplayRun(const Replay& replay, VirtualClock& clock, Game& game)
    : replay_(replay), clock_(clock), game_(game) {}

qint64 ReplayRun::nowMs() const {
    return clock_.nowMs();
}

void ReplayRun::fail(const QString& why) {
    if (fault_.isEmpty())
        fault_ = why;
}

void ReplayRun::noteEnd() {
    endMs_ = clock_.nowMs();
    digest_ = game_.Digest();
}

void ReplayRun::advanceTo(qint64 ms) {
    if (ms > clock_.nowMs())
        clock_.advance(ms - clock_.nowMs());
}

void ReplayRun::moveTo(qint64 ms) {
    if (boxClosed_)
        return;
    while (!ended()) {
        if (next_ == replay_.events.size()) {
            fail(tr("the recording stops before the game ends"));
            return;
        }
        const std::size_t at = next_;
        const Replay::Event& event = replay_.events[at];
        if (event.ms > ms)
            break;
        if (event.ms < clock_.nowMs())
            return fail(tr("its inputs go back in time"));
        // Ticks due first; one of them may open a box, which takes the inputs up to its close.
        advanceTo(event.ms);
        if (next_ != at || ended())
            continue;
        ++next_;
        if (inBox_ && event.input == Replay::Input::BoxClosed) {
            boxClosed_ = true;
            return; // the handler that opened the box goes on
        }
        if (inBox_ && event.input != Replay::Input::Stall)
            return fail(tr("an input comes while a box is open"));
        apply(event);
    }
    if (!ended() && ms != std::numeric_limits<qint64>::max())
        advanceTo(ms);
}

void ReplayRun::apply(const Replay::Event& event) {
    switch (event.input) {
    case Replay::Input::Press:
        game_.Form_KeyDown(event.action);
        break;
    case Replay::Input::Release:
        game_.Form_KeyUp(event.action);
        break;
    case Replay::Input::Hold:
        game_.HoldPlay();
        break;
    case Replay::Input::Resume:
        game_.ResumePlay();
        break;
    case Replay::Input::Stall:
        clock_.stall(event.stallMs);
        clock_.advance(0);
        break;
    case Replay::Input::BoxClosed:
        fail(tr("a box closes that was never opened"));
        break;
    case Replay::Input::End:
        closed_ = true;
        noteEnd();
        break;
    }
}

namespace {

// The rules with no window: a box waits for its recorded close at once.
class Verifier final : public Game::Host {
public:
    explicit Verifier(const Replay& replay)
        : random_(replay.seed), game_(clock_, random_, *this), run_(replay, clock_, game_) {}

    void box(Box) override {
        run_.openBox();
        run_.moveTo(std::numeric_limits<qint64>::max());
        run_.leaveBox();
    }
    void gameOver() override { run_.gameOver(); }

    VirtualClock clock_;
    SystemRandom random_;
    Game game_;
    ReplayRun run_;
};

} // namespace

bool ReplayRun::verify(const Replay& replay, QString* result, QString* why) {
    auto verifier = std::make_unique<Verifier>(replay);
    Game& game = verifier->game_;
    ReplayRun& run = verifier->run_;
    verifier->clock_.advance(replay.startMs);
    game.Form_Load();
    run.moveTo(std::numeric_limits<qint64>::max());
    *result = replay::outcome(game.level, game.destroyed);
    if (run.fault().isEmpty() && run.next_ != replay.events.size())
        run.fail(tr("inputs follow the game's end"));
    if (!run.fault().isEmpty()) {
        *why = run.fault();
        return false;
    }
    if (game.level != replay.level || game.destroyed != replay.destroyed ||
        run.closed_ != replay.closed) {
        *why = tr("the recording says %1%2")
                   .arg(replay::outcome(replay.level, replay.destroyed),
                        replay.closed ? tr(" when the window was closed") : QString());
        return false;
    }
    // The same counts, but not the same game: the rules have changed since it was recorded.
    if (run.endMs_ != replay.endMs || run.digest_ != replay.digest) {
        *why = tr("it ends at %1 ms with the field in another state than recorded, at %2 ms")
                   .arg(run.endMs_ - replay.startMs)
                   .arg(replay.endMs - replay.startMs);
        return false;
    }
    return true;
}

#include "XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <functional>

#include <xcb/xcb.h>

#include <unistd.h>

namespace {

bool wait(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

bool acceptsClients(const QString& display) {
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

} // namespace

XSession::XSession() {
    for (int n = 91 + (getpid() % 20); n < 140; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        const QString name = QStringLiteral(":%1").arg(n);
        xvfb_.start(QStringLiteral("Xvfb"), {name, QStringLiteral("-screen"), QStringLiteral("0"),
                                             QStringLiteral("1024x768x24"),
                                             QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                             // Without it the server resets whenever its last
                                             // client leaves, and refuses clients meanwhile.
                                             QStringLiteral("-noreset")});
        if (!xvfb_.waitForStarted(5000)) {
            problem_ = QStringLiteral("Xvfb does not start: ") + xvfb_.errorString();
            return;
        }
        // The socket appears before the server takes clients; a real connection proves it.
        if (wait([&] { return acceptsClients(name) || xvfb_.state() != QProcess::Running; },
                 20000) &&
            xvfb_.state() == QProcess::Running) {
            display_ = name;
            return;
        }
        xvfb_.kill();
        xvfb_.waitForFinished();
    }
    problem_ = QStringLiteral("no free display for Xvfb");
}

XSession::~XSession() {
    if (game_.state() != QProcess::NotRunning) {
        game_.kill();
        game_.waitForFinished();
    }
    if (xvfb_.state() != QProcess::NotRunning) {
        xvfb_.terminate();
        if (!xvfb_.waitForFinished(3000)) {
            xvfb_.kill();
            xvfb_.waitForFinished();
        }
    }
}

QString XSession::run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool XSession::startGame(const QString& folder, const QString& program,
                         const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    game_.setProcessEnvironment(env);
    game_.setWorkingDirectory(folder);
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program, arguments);
    return game_.waitForStarted(5000);
}

unsigned long XSession::waitForWindow(const QString& title, int timeoutMs) {
    unsigned long found = 0;
    wait(
        [&] {
            const QString ids =
                run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--name"),
                     QStringLiteral("^%1$").arg(QRegularExpression::escape(title))});
            found = ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts).value(0).toULong();
            return found != 0;
        },
        timeoutMs);
    return found;
}

QString XSession::visibleTitles() {
    QStringList titles;
    const QString ids =
        run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), QStringLiteral(".")});
    for (const QString& id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        titles
            << QLatin1Char('"') +
                   run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id}).trimmed() +
                   QLatin1Char('"');
    return titles.join(QStringLiteral(", "));
}

QRect XSession::geometry(unsigned long window) {
    const QString shell =
        run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                        QStringLiteral("--shell"), QString::number(window)});
    QRect rect;
    for (const QString& line : shell.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString key = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (key == QLatin1String("X"))
            rect.moveLeft(value);
        else if (key == QLatin1String("Y"))
            rect.moveTop(value);
        else if (key == QLatin1String("WIDTH"))
            rect.setWidth(value);
        else if (key == QLatin1String("HEIGHT"))
            rect.setHeight(value);
    }
    return rect;
}

QImage XSession::screenshot(const QString& saveAs) {
    const QString path =
        saveAs.isEmpty() ? QDir::temp().filePath(QStringLiteral("vexaroo-shot.png")) : saveAs;
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

bool XSession::requestClose(unsigned long window) {
    xcb_connection_t* connection = xcb_connect(display_.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    auto atom = [&](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name),
            nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return value;
    };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // Checked, so the server has handled the request before we hang up: a busy server may
    // drop what a client sent just before it disconnected.
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                           reinterpret_cast<const char*>(&message)));
    const bool sent = error == nullptr;
    free(error);
    xcb_disconnect(connection);
    return sent;
}

qint64 XSession::gameCpuMs() const {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(game_.processId()));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(stat.readAll());
    // Fields after the command name, which is in parentheses: utime is 14th, stime 15th.
    const QStringList fields =
        text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
    const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

QString screenshotFolder() {
    const QString folder = QStringLiteral(VEXAROO_SHOT_DIR);
    QDir().mkpath(folder);
    return folder;
}

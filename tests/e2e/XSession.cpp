#include "XSession.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <functional>

#include <xcb/xcb.h>

#include <unistd.h>

namespace {

// A connection of our own to the display, for what xdotool cannot do.
class Connection {
public:
    explicit Connection(const QString& display)
        : c_(xcb_connect(display.toLocal8Bit().constData(), nullptr)) {}
    ~Connection() { xcb_disconnect(c_); }
    bool ok() const { return xcb_connection_has_error(c_) == 0; }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return value;
    }
    xcb_window_t root() { return xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root; }

    // The first 32-bit value of a window's property; 0 when it has none.
    uint32_t property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, name, type, 0, 1), nullptr);
        uint32_t value = 0;
        if (reply && xcb_get_property_value_length(reply) >= 4)
            value = *static_cast<uint32_t*>(xcb_get_property_value(reply));
        free(reply);
        return value;
    }

    QRect placeOnScreen(xcb_window_t window) {
        xcb_get_geometry_reply_t* size =
            xcb_get_geometry_reply(c_, xcb_get_geometry(c_, window), nullptr);
        xcb_translate_coordinates_reply_t* place = xcb_translate_coordinates_reply(
            c_, xcb_translate_coordinates(c_, window, root(), 0, 0), nullptr);
        const QRect rect =
            size && place ? QRect(place->dst_x, place->dst_y, size->width, size->height) : QRect();
        free(size);
        free(place);
        return rect;
    }

    // Sends a client message and waits until the server has handled it: a busy server may
    // drop what a client sent just before it disconnected.
    bool send(xcb_window_t to, uint32_t mask, xcb_window_t about, xcb_atom_t type,
              std::initializer_list<uint32_t> data) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = about;
        message.type = type;
        std::copy(data.begin(), data.end(), message.data.data32);
        xcb_generic_error_t* error = xcb_request_check(
            c_, xcb_send_event_checked(c_, 0, to, mask, reinterpret_cast<const char*>(&message)));
        free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t* c_;
};

} // namespace

XSession::XSession(QSize screen) {
    for (int n = 91 + (getpid() % 20); n < 140; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
            QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        const QString name = QStringLiteral(":%1").arg(n);
        xvfb_.start("Xvfb", {name, "-screen", "0",
                             QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                             "-nolisten", "tcp",
                             // Without it the server resets whenever its last
                             // client leaves, and refuses clients meanwhile.
                             "-noreset"});
        if (!xvfb_.waitForStarted(5000)) {
            problem_ = "Xvfb does not start: " + xvfb_.errorString();
            return;
        }
        // The socket appears before the server takes clients; a real connection proves it.
        if (waitUntil([&] { return Connection(name).ok() || xvfb_.state() != QProcess::Running; },
                      20000) &&
            xvfb_.state() == QProcess::Running) {
            display_ = name;
            return;
        }
        xvfb_.kill();
        xvfb_.waitForFinished();
    }
    problem_ = "no free display for Xvfb";
}

XSession::~XSession() {
    stopPrograms();
    stop(xvfb_, 3000);
    // The manager leaves with its server; a D-Bus session then ends with it.
    if (!windowManager_.waitForFinished(5000))
        stop(windowManager_);
}

bool XSession::startWindowManager(const QString& name) {
    QProcessEnvironment env = environment();
    env.insert("NO_AT_BRIDGE", "1"); // no accessibility bus
    windowManager_.setProcessEnvironment(env);
    // Their complaints about a desktop that is not there are no news.
    windowManager_.setStandardOutputFile(QProcess::nullDevice());
    windowManager_.setStandardErrorFile(QProcess::nullDevice());
    if (name == QLatin1String("xfwm4"))
        windowManager_.start("dbus-run-session", {"xfwm4", "--compositor=off"});
    else
        windowManager_.start(name, {});
    if (!windowManager_.waitForStarted(5000)) {
        problem_ = name + " does not start: " + windowManager_.errorString();
        return false;
    }
    // A manager names its check window on the root once it has taken the screen.
    Connection x(display_);
    const bool managing = waitUntil(
        [&] {
            return windowManager_.state() != QProcess::Running ||
                   x.property(x.root(), x.atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
        },
        20000);
    if (!managing || windowManager_.state() != QProcess::Running) {
        problem_ = name + " does not manage the screen";
        return false;
    }
    return true;
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = Desktop::environment();
    env.insert("DISPLAY", display_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
}

QStringList XSession::visible(const QString& by, const QString& what) {
    return xdotool({"search", "--onlyvisible", by, what}).split('\n', Qt::SkipEmptyParts);
}

unsigned long XSession::waitForWindow(const QString& title, int timeoutMs) {
    unsigned long found = 0;
    waitUntil(
        [&] {
            const QString exactly = "^" + QRegularExpression::escape(title) + "$";
            return (found = visible("--name", exactly).value(0).toULong()) != 0;
        },
        timeoutMs);
    return found;
}

QString XSession::visibleTitles() {
    QStringList titles;
    for (const QString& id : visible("--name", "."))
        titles << QLatin1Char('"') + xdotool({"getwindowname", id}).trimmed() + QLatin1Char('"');
    return titles.join(", ");
}

QRect XSession::geometry(unsigned long window) {
    // From the server itself: xdotool counts a manager's frame twice.
    Connection x(display_);
    return x.ok() ? x.placeOnScreen(static_cast<xcb_window_t>(window)) : QRect();
}

bool XSession::requestClose(unsigned long window) {
    Connection x(display_);
    return x.ok() && x.send(static_cast<xcb_window_t>(window), XCB_EVENT_MASK_NO_EVENT,
                            static_cast<xcb_window_t>(window), x.atom("WM_PROTOCOLS"),
                            {x.atom("WM_DELETE_WINDOW"), XCB_CURRENT_TIME});
}

bool XSession::closeFromTaskbar(unsigned long window) {
    // What wmctrl -c sends: the request goes to the root, where the manager takes it.
    Connection x(display_);
    return x.ok() &&
           x.send(x.root(),
                  XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                  static_cast<xcb_window_t>(window), x.atom("_NET_CLOSE_WINDOW"),
                  {XCB_CURRENT_TIME, 2 /* from a pager */});
}

unsigned long XSession::ownerOf(unsigned long window) {
    Connection x(display_);
    return x.ok() ? x.property(static_cast<xcb_window_t>(window), XCB_ATOM_WM_TRANSIENT_FOR,
                               XCB_ATOM_WINDOW)
                  : 0;
}

int XSession::visibleGameWindows() {
    return static_cast<int>(visible("--pid", QString::number(game_.processId())).size());
}

// A bare server has no manager to ask; its focus is the keys' window.
unsigned long XSession::activeWindow() {
    const bool managed = windowManager_.state() == QProcess::Running;
    return xdotool({managed ? "getactivewindow" : "getwindowfocus"}).trimmed().toULong();
}

void XSession::activate(unsigned long window) {
    const bool managed = windowManager_.state() == QProcess::Running;
    xdotool({managed ? "windowactivate" : "windowfocus", "--sync", QString::number(window)});
}

void XSession::key(const QString& name) {
    xdotool({"key", name});
}

void XSession::type(const QString& text) {
    xdotool({"type", "--delay", "40", text});
}

void XSession::hold(const QStringList& keys, int ms, const std::function<void()>& meanwhile) {
    xdotool(QStringList{"keydown"} + keys);
    QThread::msleep(static_cast<unsigned long>(ms));
    if (meanwhile)
        meanwhile();
    QStringList released = keys;
    std::reverse(released.begin(), released.end());
    xdotool(QStringList{"keyup"} + released);
}

bool XSession::click(QPoint at) {
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    QThread::msleep(150); // the window under it sees the pointer arrive first
    xdotool({"click", "1"});
    return true;
}

unsigned long XSession::startAnotherProgram() {
    other_.setProcessEnvironment(environment());
    other_.start("xmessage", {"another program"});
    return waitForWindow("xmessage");
}

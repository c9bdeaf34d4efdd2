#include "Display.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <memory>

namespace display {

namespace {

// The connection that found the X display, kept until the application has its own: a server
// that resets when its last client leaves (xinit, xvfb-run) refuses clients while it resets.
std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> held(nullptr, xcb_disconnect);

bool xReachable(const QString& name) {
    xcb_connection_t* connection = xcb_connect(name.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return false;
    }
    held.reset(connection);
    return true;
}

// The compositor's socket: WAYLAND_DISPLAY is a path or a name in XDG_RUNTIME_DIR.
bool waylandReachable(const QString& name) {
    const QString path = QDir::isAbsolutePath(name)
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    const QByteArray bytes = path.toLocal8Bit();
    sockaddr_un address{};
    if (bytes.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

} // namespace

bool reachable(QString* problem) {
    // QT_QPA_PLATFORM may list fall-backs ("wayland;xcb") and options ("xcb:...").
    QStringList platforms;
    for (const QString& entry : qEnvironmentVariable("QT_QPA_PLATFORM").split(QLatin1Char(';')))
        if (!entry.isEmpty())
            platforms << entry.section(QLatin1Char(':'), 0, 0);
    const bool anyPlatform = platforms.isEmpty();
    const bool x = anyPlatform || platforms.contains(QLatin1String("xcb"));
    const bool wayland = anyPlatform || platforms.contains(QLatin1String("wayland"));
    if (!x && !wayland)
        return true;

    const QString xName = qEnvironmentVariable("DISPLAY");
    const QString waylandName = qEnvironmentVariable("WAYLAND_DISPLAY");
    if ((x && !xName.isEmpty() && xReachable(xName)) ||
        (wayland && !waylandName.isEmpty() && waylandReachable(waylandName)))
        return true;

    QStringList tried;
    if (x)
        tried << (xName.isEmpty()
                      ? QStringLiteral("DISPLAY is not set")
                      : QStringLiteral("the X display \"%1\" cannot be opened").arg(xName));
    if (wayland && (!waylandName.isEmpty() || !x))
        tried << (waylandName.isEmpty()
                      ? QStringLiteral("WAYLAND_DISPLAY is not set")
                      : QStringLiteral("the Wayland display \"%1\" cannot be opened")
                            .arg(waylandName));
    *problem = tried.join(QStringLiteral(" and "));
    return false;
}

void release() {
    held.reset();
}

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace display

#include "SwaySession.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace {

// The ordinary user sway runs as when the tests run as root; scripts/setup.sh makes it.
constexpr char compositorUser[] = "vexaroo-test";

QRect rectOf(const QJsonValue& value) {
    const QJsonObject r = value.toObject();
    return QRect(r[QLatin1String("x")].toInt(), r[QLatin1String("y")].toInt(),
                 r[QLatin1String("width")].toInt(), r[QLatin1String("height")].toInt());
}

void collect(const QJsonObject& node, std::vector<QJsonObject>& views) {
    if (node[QLatin1String("pid")].toInt() > 0)
        views.push_back(node);
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node[QLatin1String(children)].toArray())
            collect(child.toObject(), views);
}

} // namespace

SwaySession::SwaySession(QSize screen) {
    QStringList command = {"sway", "-c", runtime_.filePath("config")};
    // Native clients only. As on the common desktops, Alt+F4 closes a window and a program that
    // asks for the keys for one of its windows gets them.
    writeBytes(command.last(), QStringLiteral("xwayland disable\n"
                                              "output HEADLESS-1 resolution %1x%2\n"
                                              "bindsym Mod1+F4 kill\n"
                                              "focus_on_window_activation smart\n")
                                   .arg(screen.width())
                                   .arg(screen.height())
                                   .toUtf8());
    if (getuid() == 0) {
        const passwd* user = getpwnam(compositorUser);
        if (!user ||
            chown(runtime_.path().toLocal8Bit().constData(), user->pw_uid, user->pw_gid) != 0) {
            problem_ = QStringLiteral("sway needs the user %1 (scripts/setup.sh makes it)")
                           .arg(QLatin1String(compositorUser));
            return;
        }
        command = QStringList{QStringLiteral("--reuid=%1").arg(user->pw_uid),
                              QStringLiteral("--regid=%1").arg(user->pw_gid), "--clear-groups"} +
                  command;
        command.prepend("setpriv");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK"})
        env.remove(QLatin1String(name));
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert("HOME", runtime_.path());
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman");
    sway_.setProcessEnvironment(env);
    sway_.setStandardOutputFile(QProcess::nullDevice());
    sway_.setStandardErrorFile(runtime_.filePath("sway.log"));
    sway_.start(command.takeFirst(), command);
    // The sockets come once it takes clients; it names them after its user and process.
    const bool listening = waitUntil(
        [&] {
            const QDir dir(runtime_.path());
            const QStringList wayland = dir.entryList({"wayland-?"}, QDir::System);
            const QStringList ipc = dir.entryList({"sway-ipc.*"}, QDir::System);
            if (!wayland.isEmpty() && !ipc.isEmpty()) {
                socket_ = dir.filePath(wayland.first());
                ipc_ = dir.filePath(ipc.first());
            }
            return !ipc_.isEmpty() || sway_.state() == QProcess::NotRunning;
        },
        20000);
    if (!listening || ipc_.isEmpty()) {
        problem_ = "sway does not start: " +
                   QString::fromLocal8Bit(contents(runtime_.filePath("sway.log")));
        return;
    }
    keyboard_.setProcessEnvironment(environment());
    keyboard_.start("wtype", {"-s", "86400000"});
    if (!waitUntil([&] { return swaymsg({"-t", "get_inputs"}).contains("keyboard"); }, 10000))
        problem_ = "no keyboard on sway's seat (is wtype installed?)";
}

SwaySession::~SwaySession() {
    stopPrograms();
    stop(keyboard_, 5000);
    stop(sway_, 5000);
}

QProcessEnvironment SwaySession::environment() const {
    QProcessEnvironment env = Desktop::environment();
    env.remove("DISPLAY");
    env.insert("WAYLAND_DISPLAY", socket_);
    env.insert("XDG_RUNTIME_DIR", clientRuntime_.path());
    env.insert("QT_QPA_PLATFORM", "wayland");
    return env;
}

QString SwaySession::swaymsg(const QStringList& arguments) {
    return run("swaymsg", QStringList{"-s", ipc_} + arguments);
}

unsigned long SwaySession::find(const std::function<bool(const QJsonObject&)>& wanted,
                                int timeoutMs) {
    unsigned long found = 0;
    waitUntil(
        [&] {
            for (const QJsonObject& view : windows())
                if (wanted(view))
                    found = static_cast<unsigned long>(view[QLatin1String("id")].toInt());
            return found != 0;
        },
        timeoutMs);
    return found;
}

std::vector<QJsonObject> SwaySession::windows() {
    std::vector<QJsonObject> views;
    collect(QJsonDocument::fromJson(swaymsg({"-r", "-t", "get_tree"}).toUtf8()).object(), views);
    return views;
}

unsigned long SwaySession::waitForWindow(const QString& title, int timeoutMs) {
    return find(
        [&](const QJsonObject& view) {
            return view[QLatin1String("name")].toString() == title &&
                   view[QLatin1String("visible")].toBool();
        },
        timeoutMs);
}

QString SwaySession::visibleTitles() {
    QStringList titles;
    for (const QJsonObject& view : windows())
        titles << QLatin1Char('"') + view[QLatin1String("name")].toString() + QLatin1Char('"');
    return titles.join(", ");
}

QRect SwaySession::geometry(unsigned long window) {
    for (const QJsonObject& view : windows())
        if (view[QLatin1String("id")].toInt() == static_cast<int>(window)) {
            const QRect inner = rectOf(view[QLatin1String("window_rect")]);
            return inner.translated(rectOf(view[QLatin1String("rect")]).topLeft());
        }
    return {};
}

bool SwaySession::closeFromTaskbar(unsigned long window) {
    return swaymsg({QStringLiteral("[con_id=%1] kill").arg(window)}).contains("true");
}

int SwaySession::visibleGameWindows() {
    const std::vector<QJsonObject> views = windows();
    return static_cast<int>(std::count_if(views.begin(), views.end(), [&](const QJsonObject& v) {
        return v[QLatin1String("pid")].toInt() == game_.processId() &&
               v[QLatin1String("visible")].toBool();
    }));
}

unsigned long SwaySession::activeWindow() {
    return find([](const QJsonObject& view) { return view[QLatin1String("focused")].toBool(); }, 0);
}

void SwaySession::activate(unsigned long window) {
    swaymsg({QStringLiteral("[con_id=%1] focus").arg(window)});
}

void SwaySession::key(const QString& name) {
    QStringList modifiers = name.split(QLatin1Char('+'));
    const QString last = modifiers.takeLast();
    QStringList arguments;
    for (const QString& modifier : modifiers)
        arguments << "-M" << modifier.toLower();
    arguments << "-k" << last;
    for (const QString& modifier : modifiers)
        arguments << "-m" << modifier.toLower();
    run("wtype", arguments);
}

void SwaySession::type(const QString& text) {
    run("wtype", {"-d", "40", text});
}

// One wtype holds and lets go: sway passes a release only from the keyboard that pressed.
void SwaySession::hold(const QStringList& keys, int ms, const std::function<void()>& meanwhile) {
    QStringList arguments;
    for (const QString& key : keys)
        arguments << "-P" << key;
    // Room for what is done meanwhile, a screenshot or two and a wait.
    arguments << "-s" << QString::number(ms + (meanwhile ? 2500 : 0));
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        arguments << "-p" << *key;
    QProcess wtype;
    wtype.setProcessEnvironment(environment());
    wtype.start("wtype", arguments);
    QThread::msleep(static_cast<unsigned long>(ms));
    if (meanwhile)
        meanwhile();
    wtype.waitForFinished(ms + 10000);
}

unsigned long SwaySession::startAnotherProgram() {
    other_.setProcessEnvironment(environment());
    other_.setWorkingDirectory(otherFolder_.path());
    other_.start(VEXAROO_EXECUTABLE, {});
    return find([&](const QJsonObject& view) {
        return view[QLatin1String("pid")].toInt() == other_.processId();
    });
}

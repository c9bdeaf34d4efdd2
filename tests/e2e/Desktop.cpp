#include "Desktop.h"

#include "SwaySession.h"
#include "XSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <unistd.h>

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

QString screenshotFolder() {
    const QString folder = VEXAROO_SHOT_DIR;
    QDir().mkpath(folder);
    return folder;
}

Desktop::Desktop() {
    QFile::copy(VEXAROO_SOURCE_DIR "/data/settings", folder.filePath("settings"));
}

std::unique_ptr<Desktop> Desktop::open(const QString& name, QSize screen) {
    if (name == QLatin1String("sway"))
        return std::make_unique<SwaySession>(screen);
    auto x = std::make_unique<XSession>(screen);
    if (x->ok() && !name.isEmpty())
        x->startWindowManager(name);
    return x;
}

XSession* Desktop::x11() {
    return dynamic_cast<XSession*>(this);
}

QProcessEnvironment Desktop::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The scenarios find windows by their English titles, whatever the desktop speaks.
    env.insert("LANGUAGE", "en");
    if (QFile::exists(own_.filePath("xdg-open")))
        env.insert("PATH", own_.path() + ":" + env.value("PATH"));
    return env;
}

void Desktop::replaceOpener(const QByteArray& script) {
    writeBytes(own_.filePath("xdg-open"), "#!/bin/sh\n" + script + "\n");
    QFile::setPermissions(own_.filePath("xdg-open"),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

QString Desktop::run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs))
        stop(process);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QImage Desktop::screenshot(const QString& saveAs) {
    const QString file = saveAs.isEmpty() ? own_.filePath("shot.png") : saveAs;
    const QStringList command = screenshotCommand(file);
    run(command.first(), command.mid(1));
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool Desktop::startGame(const QString& workingFolder, const QString& program,
                        const QStringList& arguments) {
    game_.setProcessEnvironment(environment());
    game_.setWorkingDirectory(workingFolder);
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program, arguments);
    return game_.waitForStarted(5000);
}

void Desktop::stopPrograms() {
    stop(game_);
    stop(other_);
}

void stop(QProcess& program, int graceMs) {
    if (program.state() == QProcess::NotRunning)
        return;
    if (graceMs > 0)
        program.terminate();
    if (graceMs == 0 || !program.waitForFinished(graceMs)) {
        program.kill();
        program.waitForFinished();
    }
}

qint64 Desktop::gameCpuMs() const {
    const QString text =
        QString::fromLatin1(contents(QStringLiteral("/proc/%1/stat").arg(game_.processId())));
    if (text.isEmpty())
        return -1;
    // Fields after the command name, which is in parentheses: utime is 14th, stime 15th.
    const QStringList fields =
        text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
    const qint64 ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();
    return ticks * 1000 / sysconf(_SC_CLK_TCK);
}

// The first window moves once the manager has framed it: a first click waits for its place.
static unsigned long settled(Desktop& d, unsigned long window) {
    waitUntil(
        [&] {
            const QRect was = d.geometry(window);
            QThread::msleep(250);
            return d.geometry(window) == was;
        },
        3000);
    return window;
}

unsigned long Desktop::start(const QStringList& arguments) {
    const qsizetype sizeAt = arguments.indexOf("--size");
    size = sizeAt >= 0 ? arguments.value(sizeAt + 1).toDouble() : 1;
    if (!ok() || !startGame(folder.path(), executable, arguments))
        return 0;
    return settled(*this, waitForWindow(titles::intro));
}

unsigned long Desktop::startScenario(const QString& scenario, const QStringList& more) {
    if (!ok() || !startGame(folder.path(), VEXAROO_HARNESS, QStringList{scenario} + more))
        return 0;
    return settled(*this, waitForWindow(titles::game));
}

unsigned long Desktop::menuAfterTheIntro(const QStringList& arguments, const QString& skipKey) {
    const unsigned long intro = start(arguments);
    if (intro == 0)
        return 0;
    if (!skipKey.isEmpty() || !clickOn(intro, QPointF(20, 10))) {
        activate(intro);
        keys({skipKey.isEmpty() ? "Escape" : skipKey});
    }
    return waitForWindow(titles::menu);
}

unsigned long Desktop::play(unsigned long menu) {
    // The menu takes the keys once the manager has settled the intro's going.
    QThread::msleep(300);
    if (!clickOn(menu, QPointF(75, 133))) {
        activate(menu);
        keys({"Return"});
    }
    return waitForWindow(titles::game);
}

void Desktop::keys(const QStringList& names) {
    for (const QString& name : names)
        key(name);
}

bool Desktop::clickOn(unsigned long window, QPointF at) {
    return click(geometry(window).topLeft() + (at * size).toPoint());
}

void Desktop::answer(unsigned long box, const QString& answerKey) {
    activate(box);
    keys({answerKey});
}

bool Desktop::becomesActive(unsigned long window) {
    return waitUntil([&] { return activeWindow() == window; }, 5000);
}

bool Desktop::gone(const QString& title) {
    return waitUntil([&] { return waitForWindow(title, 0) == 0; }, 5000);
}

QImage Desktop::shot(const QString& name) {
    QThread::msleep(250);
    return screenshot(screenshotFolder() + QLatin1Char('/') + name + ".png");
}

#include "Player.h"

#include "SwaySession.h"

#include <QFile>
#include <QThread>

Player::Player(const QString& desktop, QSize screen) {
    if (desktop == QLatin1String("sway")) {
        desktop_ = std::make_unique<SwaySession>(screen);
    } else {
        auto x = std::make_unique<XSession>(screen);
        if (x->ok() && !desktop.isEmpty())
            x->startWindowManager(desktop);
        desktop_ = std::move(x);
    }
    QFile::copy(QStringLiteral(VEXAROO_SOURCE_DIR "/data/settings"),
                folder.filePath(QStringLiteral("settings")));
}

unsigned long Player::start(const QStringList& arguments) {
    const qsizetype sizeAt = arguments.indexOf(QStringLiteral("--size"));
    size = sizeAt >= 0 ? arguments.value(sizeAt + 1).toDouble() : 1;
    if (!desktop_->ok() ||
        !desktop_->startGame(folder.path(), QStringLiteral(VEXAROO_EXECUTABLE), arguments))
        return 0;
    return desktop_->waitForWindow(titles::intro);
}

unsigned long Player::startGame(const QString& scenario, const QStringList& more) {
    if (!desktop_->ok() || !desktop_->startGame(folder.path(), QStringLiteral(VEXAROO_HARNESS),
                                                QStringList{scenario} + more))
        return 0;
    return desktop_->waitForWindow(titles::game);
}

unsigned long Player::menuAfterTheIntro(const QStringList& arguments, const QString& skipKey) {
    const unsigned long intro = start(arguments);
    if (intro == 0)
        return 0;
    if (!skipKey.isEmpty() || !click(intro, QPointF(20, 10))) {
        desktop_->activate(intro);
        keys({skipKey.isEmpty() ? QStringLiteral("Escape") : skipKey});
    }
    return desktop_->waitForWindow(titles::menu);
}

unsigned long Player::play(unsigned long menu) {
    // The menu takes the keys once the manager has settled the intro's going.
    QThread::msleep(300);
    if (!click(menu, QPointF(75, 133))) {
        desktop_->activate(menu);
        keys({QStringLiteral("Return")});
    }
    return desktop_->waitForWindow(titles::game);
}

void Player::keys(const QStringList& names) {
    for (const QString& name : names)
        desktop_->key(name);
}

bool Player::click(unsigned long window, QPointF at) {
    return desktop_->click(desktop_->geometry(window).topLeft() + (at * size).toPoint());
}

void Player::answer(unsigned long box, const QString& key) {
    desktop_->activate(box);
    keys({key});
}

bool Player::becomesActive(unsigned long window) {
    return waitUntil([&] { return desktop_->activeWindow() == window; }, 5000);
}

bool Player::gone(const QString& title) {
    return waitUntil([&] { return desktop_->waitForWindow(title, 0) == 0; }, 5000);
}

QImage Player::shot(const QString& name) {
    QThread::msleep(250);
    return desktop_->screenshot(screenshotFolder() + QLatin1Char('/') + name + ".png");
}

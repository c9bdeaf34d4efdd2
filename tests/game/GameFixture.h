#pragma once

#include "Game.h"
#include "TestProgram.h"
#include "frmGame.h"

#include <QAccessible>

#include <gtest/gtest.h>

inline constexpr float justUnderOne = 0.99999994f;

// What a screen reader is told of a control: its name and its description.
inline std::pair<QString, QString> told(QWidget& control) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&control);
    return {spoken->text(QAccessible::Name), spoken->text(QAccessible::Description)};
}

// The rules of one game with no window, on a virtual clock with scripted draws. The host
// keeps the boxes the rules open, with the lives and the pictures shown when each opened;
// `whileOpen` runs while a box is "open", e.g. to let time pass.
class Rules : public ::testing::Test, public Game::Host {
protected:
    VirtualClock clock;
    ScriptedRandom random;
    Game g{clock, random, *this};
    struct Opened {
        Box box;
        qint16 lives, livesShown;
        bool operator==(const Opened&) const = default;
    };
    std::vector<Opened> boxes;
    std::vector<Event> events;
    std::function<void(Box)> whileOpen;
    bool over = false;

    void box(Box which) override {
        boxes.push_back({which, g.lives, g.livesShown});
        if (whileOpen)
            whileOpen(which);
    }
    void event(Event what) override { events.push_back(what); }
    void gameOver() override { over = true; }

    Game& start() {
        g.Form_Load();
        return g;
    }
    // Targets far out on the right (every draw just under 1), so that only the targets a
    // test places itself take part.
    Game& startWithTargetsFarAway() {
        random.fallback = {justUnderOne};
        return start();
    }
    void put(Body& body, float left, float top) {
        body.move(left, top);
        body.setVisible(true);
    }
    // Bodies told in words: "t3@200,100" target 3 shown at 200, 100, "-b1@210,110" bullet 1
    // hidden there, "G@100,100" Gorvan. place() puts them so; standing() tells where they are.
    Body& named(const QString& word) {
        const QString name = word.section('@', 0, 0).remove('-');
        const int index = name.mid(1).toInt();
        return name == "G" ? g.swfGV : name[0] == 'b' ? g.imgBullet[index] : g.swfTarget[index];
    }
    void place(const QString& field) {
        for (const QString& word : field.split(' ')) {
            const QStringList at = word.section('@', 1).split(',');
            put(named(word), at[0].toFloat(), at[1].toFloat());
            named(word).setVisible(!word.startsWith('-'));
        }
    }
    QString standing(const QString& field) {
        QStringList words;
        for (const QString& word : field.split(' ')) {
            const Body& body = named(word);
            words << QStringLiteral("%1%2@%3,%4")
                         .arg(body.visible() ? "" : "-", word.section('@', 0, 0).remove('-'))
                         .arg(body.left())
                         .arg(body.top());
        }
        return words.join(' ');
    }
    std::vector<float> targetLefts() const {
        std::vector<float> lefts;
        for (const Body& target : g.swfTarget)
            lefts.push_back(target.left());
        return lefts;
    }
};

// A game in its window on the virtual clock, with scripted draws and the delivered settings.
class GameWindow : public ::testing::Test, public TestProgram {
protected:
    frmGame& game() { return program.frmGame(); }

    void writeSettings(const QByteArray& lines) { world.writeFile("settings", lines); }

    std::vector<QString> lifePictures() {
        std::vector<QString> pictures;
        for (auto& life : game().imgLife)
            pictures.push_back(life->picture());
        return pictures;
    }

    // As Rules::startWithTargetsFarAway.
    frmGame& gameWithTargetsFarAway() {
        world.random.fallback = {justUnderOne};
        return game();
    }
};

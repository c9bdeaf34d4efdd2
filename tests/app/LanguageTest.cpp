// Captions and messages in the player's language: chosen from the desktop or --lang, English
// byte for byte where no translation applies, and nowhere wider than the fixed control that
// shows it.
#include "Language.h"
#include "HelpCommand.h"
#include "KeyName.h"
#include "Program.h"
#include "Resources.h"
#include "ScoresFile.h"
#include "SettingsFile.h"
#include "TestProgram.h"
#include "frmGame.h"
#include "frmHigh.h"
#include "frmIntro.h"
#include "frmMain.h"
#include "frmRecord.h"
#include "frmSettings.h"

#include <QFileInfo>
#include <QPainter>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

namespace {

// The desktop's locale variables for one case; the previous ones come back afterwards, with
// English installed again.
struct Desktop {
    explicit Desktop(const char* lang, const char* language = "", const char* lcMessages = "",
                     const char* lcAll = "") {
        const char* values[] = {lang, language, lcMessages, lcAll};
        for (int i = 0; i < 4; ++i) {
            if (qEnvironmentVariableIsSet(names[i]))
                saved[i] = qgetenv(names[i]);
            *values[i] ? qputenv(names[i], values[i]) : qunsetenv(names[i]);
        }
    }
    ~Desktop() {
        for (int i = 0; i < 4; ++i)
            saved[i] ? qputenv(names[i], *saved[i]) : qunsetenv(names[i]);
        language::install("en");
    }
    static constexpr const char* names[] = {"LANG", "LANGUAGE", "LC_MESSAGES", "LC_ALL"};
    std::optional<QByteArray> saved[4];
};

using Window = std::function<QWidget&(Program&)>;
const std::pair<const char*, Window> windows[] = {
    {"intro", [](Program& p) -> QWidget& { return p.frmIntro(); }},
    {"menu", [](Program& p) -> QWidget& { return p.frmMain(); }},
    {"game", [](Program& p) -> QWidget& { return p.frmGame(); }},
    {"settings", [](Program& p) -> QWidget& { return p.frmSettings(); }},
    {"entry", [](Program& p) -> QWidget& { return p.frmRecord(); }},
    {"table", [](Program& p) -> QWidget& { return p.frmHigh(); }},
};

bool isControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
           dynamic_cast<const PictureBox*>(w);
}

// The width a text takes as laid out. The game's English captions already reach one pixel
// past their controls (the last letter's blank on its right), so that pixel is allowed.
constexpr int slack = 1;
int shownWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.horizontalAdvance(text) - slack;
}

QRect inWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// A control's place in the window; an auto-sized label's only as far as its text.
QRect shownInWindow(const QWidget* w) {
    const auto* label = dynamic_cast<const Label*>(w);
    if (!label || !label->autoSize())
        return inWindow(w);
    return inWindow(w).adjusted(
        0, 0, shownWidth(label->fontMetrics(), label->text()) - label->width(), 0);
}

// Room the window manager's frame leaves for a title beside the close button.
constexpr int titleBar = 80;

// The window's title as the frame draws it.
int titleWidth(const QWidget& window) {
    QFont titleFont = window.font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    return QFontMetrics(titleFont).horizontalAdvance(window.windowTitle());
}

// Every caption of the window that its control would cut: a fixed label, a button, a frame's
// title or a list item wider (a wrapped text higher) than its room, or an auto-sized label
// that runs out of its parent or into another control. Window titles may be as wide as the
// English one, or fit beside the frame's icon and buttons.
QStringList cutCaptions(QWidget& window, int englishTitleWidth) {
    QStringList cut;
    auto say = [&](const QString& text, int need, int room) {
        cut << QStringLiteral("\"%1\" needs %2, has %3").arg(text).arg(need).arg(room);
    };
    auto fits = [&](const QString& text, int need, int room) {
        if (need > room)
            say(text, need, room);
    };
    fits(window.windowTitle(), titleWidth(window),
         std::max(englishTitleWidth, window.width() - titleBar));

    const QList<QWidget*> all = window.findChildren<QWidget*>();
    for (QWidget* w : all) {
        const QFontMetrics metrics = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            const QString text = label->text();
            if (label->wordWrap()) {
                fits(text, label->heightForWidth(label->width()), label->height());
                continue;
            }
            // A label may reach past its window's edge, which cuts it there.
            const int need = shownWidth(metrics, text);
            const int room =
                label->contentsRect()
                    .intersected(QRect(-label->x(), -label->y(), label->parentWidget()->width(),
                                       label->parentWidget()->height()))
                    .width();
            fits(text, need, room);
            const auto* own = dynamic_cast<const Label*>(label);
            if (!own || !own->autoSize())
                continue;
            if (!label->parentWidget()->rect().contains(label->geometry()))
                say(text, label->geometry().right(), label->parentWidget()->width());
            for (const QWidget* other : all) {
                if (other != w && isControl(other) && other->isVisibleTo(&window) &&
                    !other->isAncestorOf(w) && !w->isAncestorOf(other) &&
                    shownInWindow(other).intersects(shownInWindow(w)))
                    say(text + " (runs into a control)", need,
                        inWindow(other).left() - inWindow(w).left());
            }
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            // Inside the dotted frame that marks the focus, a pixel clear of it.
            fits(button->text(), shownWidth(metrics, button->text()), button->width() - 9);
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
            fits(frame->title(), shownWidth(metrics, frame->title()) + 8, frame->width());
        } else if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i)
                fits(list->itemText(i), shownWidth(metrics, list->itemText(i)), room);
        }
    }
    return cut;
}

} // namespace

TEST(Language, FollowsTheDesktopAsGettextDoesUnlessLangOrThePreferencesSayOtherwise) {
    const struct {
        const char *lang, *language, *lcMessages, *lcAll, *requested, *stored, *shown;
    } rows[] = {
        {"C", "", "", "", "", "", "en"},
        {"POSIX", "de", "", "", "", "", "en"},
        {"de_DE.UTF-8", "fr", "", "C.UTF-8", "", "", "en"},
        {"", "de", "", "", "", "", "en"},
        {"en_GB.UTF-8", "", "", "", "", "", "en"},
        {"de_DE.UTF-8", "", "", "", "", "", "de"},
        {"fr_FR.UTF-8", "", "", "", "", "", "fr"},
        {"fr_CA.UTF-8@euro", "", "", "", "", "", "fr"},
        {"en_US.UTF-8", "", "de_AT.UTF-8", "", "", "", "de"},
        {"fr_FR.UTF-8", "nl:de:fr", "", "", "", "", "de"},
        {"de_DE.UTF-8", "en_GB:de", "", "", "", "", "en"},
        {"nl_NL.UTF-8", "", "", "", "", "", "en"},
        {"C", "", "", "", "fr", "", "fr"},
        {"de_DE.UTF-8", "", "", "", "en", "", "en"},
        {"de_DE.UTF-8", "", "", "", "", "fr", "fr"},
        {"en_GB.UTF-8", "", "", "", "de_CH", "fr", "de"},
        {"fr_FR.UTF-8", "", "", "", "nl", "", "en"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.lang) + " LANGUAGE=" + row.language +
                     " LC_MESSAGES=" + row.lcMessages + " LC_ALL=" + row.lcAll + " --lang " +
                     row.requested + " stored " + row.stored);
        Desktop desktop(row.lang, row.language, row.lcMessages, row.lcAll);
        EXPECT_EQ(
            language::choose(QString::fromLatin1(row.requested), QString::fromLatin1(row.stored))
                .toStdString(),
            row.shown);
    }
}

// Every text a window shows, in the order found: its title, its controls' captions and list
// items, and the names a screen reader reads.
QStringList textsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->accessibleName();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (const auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    return texts;
}

// A few captions of every window (found where the English one shows them), each message path
// and Qt's own texts, in each language; the English ones byte for byte as they always were.
TEST(Language, EveryWindowShowsItsCaptionsInTheChosenLanguage) {
    const struct {
        const char *en, *de, *fr;
    } captions[] = {
        {"Skip Intro", "Intro überspringen", "Passer l’intro"},
        {"Main Menu", "Hauptmenü", "Menu principal"},
        {"Help", "Hilfe", "Aide"},
        {"Play", "Spielen", "Jouer"}, // what a screen reader reads
        {" Project Description:", " Projektbeschreibung:", " Description du projet\u00a0:"},
        {"Vexaroo - Press P to pause", "Vexaroo - Pause mit P", "Vexaroo - Pause avec P"},
        {"Enemies Destroyed:", "Zerstörte Feinde:", "Ennemis détruits\u00a0:"},
        {"Bananas Remaining:", "Bananen übrig:", "Bananes restantes\u00a0:"},
        {"Image Quality", "Bildqualität", "Qualité d’image"},
        {"Move Left:", "Nach links:", "Gauche\u00a0:"},
        {"High", "Hoch", "Haute"},
        {"Ok", "OK", "OK"},
        {"[left arrow]", "[Pfeil links]", "[gauche]"},
        {"You have a high score!", "Neuer Rekord!", "Nouveau record\u00a0!"},
        {"Submit", "Eintragen", "Valider"},
        {" Targets Hit", " Abschüsse", " Détruits"},
        {"Close", "Zurück", "Fermer"},
        {"Game Paused", "Spiel pausiert", "Jeu en pause"}, // the pause's box
        {"&Undo", "&Rückgängig", "&Annuler"},              // Qt's text boxes
    };
    const struct {
        const char *lang, *requested;
        int column; // 0 English, 1 German, 2 French
    } cases[] = {{"C", "", 0},           {"POSIX", "", 0},       {"en_GB.UTF-8", "", 0},
                 {"de_DE.UTF-8", "", 1}, {"fr_FR.UTF-8", "", 2}, {"de_DE.UTF-8", "fr", 2}};
    std::map<QString, std::pair<int, qsizetype>> where; // each English caption's window and place
    for (const auto& c : cases) {
        Desktop desktop(c.lang);
        language::install(language::choose(QString::fromLatin1(c.requested), {}));
        TestProgram t;
        std::vector<QStringList> shown;
        for (const auto& [what, window] : windows)
            shown.push_back(textsOf(window(t.program)));
        t.program.frmGame().keyDown(pauseKey, 0);
        shown.push_back(
            QStringList(t.world.messageBox.texts.begin(), t.world.messageBox.texts.end())
            << QCoreApplication::translate("QLineEdit", "&Undo"));
        for (const auto& row : captions) {
            for (std::size_t k = 0; k < shown.size() && !where.count(row.en); ++k)
                if (shown[k].contains(row.en))
                    where[row.en] = {int(k), shown[k].indexOf(row.en)};
            ASSERT_TRUE(where.count(row.en)) << row.en << " is shown nowhere";
            const auto [window, place] = where.at(row.en);
            const char* expected = c.column == 0 ? row.en : c.column == 1 ? row.de : row.fr;
            EXPECT_EQ(shown[window].value(place).toUtf8().toStdString(), expected)
                << c.lang << " --lang " << c.requested << ": " << row.en;
        }
    }
}

// Every control keeps its design size, so a translation must fit it: every window in each
// language, measured in the game's own font, every key name in a key box, and the lettering of
// each menu button, which another language draws anew, inside its plate's bevel.
TEST(Language, NoCaptionIsWiderThanItsControl) {
    resources::installFonts();
    std::map<std::string, int> englishTitles;
    std::map<QString, QImage> englishButtons;
    for (const char* name : {"en", "de", "fr"}) {
        Desktop desktop("C");
        language::install(QString::fromLatin1(name));
        TestProgram t;
        Program& program = t.program;
        for (const auto& [what, window] : windows) {
            QWidget& shown = window(program);
            englishTitles.try_emplace(what, titleWidth(shown));
            EXPECT_EQ(cutCaptions(shown, englishTitles[what]).join("; ").toStdString(), "")
                << name << ": " << what;
        }
        // Each language draws its own lettering, inside the plate's bevel: the plate outside
        // it is the English one.
        auto plate = [](QImage image) {
            QPainter(&image).fillRect(6, 6, 98, 38, Qt::black);
            return image;
        };
        for (const QWidget* w : program.frmMain().findChildren<QWidget*>()) {
            const auto* button = dynamic_cast<const PictureBox*>(w);
            if (!button || !button->picture().startsWith(QLatin1String("btn_")))
                continue;
            const QImage drawn = resources::picture(button->picture(), button->size(), 1);
            QImage& english = englishButtons[button->picture()];
            if (english.isNull())
                english = drawn;
            EXPECT_EQ(drawn == english, name == std::string("en")) << name << ": " << w->x();
            EXPECT_EQ(plate(drawn), plate(english)) << name << ": " << w->x() << "," << w->y();
        }
        // The delivered keys' names stand in the middle of their boxes, whatever their width.
        for (const auto& keyName : program.frmSettings().lblAssign)
            EXPECT_NEAR(keyName->x(), (keyName->parentWidget()->width() - keyName->width()) / 2, 1)
                << name << ": " << keyName->caption().toStdString();
        // A long key name is centred in its box, and must stay inside it.
        const Label& keyName = *program.frmSettings().lblAssign[0];
        for (int code = -1; code <= 255; ++code) {
            const QString shown = KeyName(static_cast<qint16>(code));
            if (shown.front() < QLatin1Char(' '))
                continue; // a control character: no name and nothing to read
            program.frmSettings().lblAssign[0]->setCaption(shown);
            EXPECT_TRUE(keyName.parentWidget()->rect().contains(keyName.geometry()))
                << name << ": \"" << keyName.caption().toStdString() << "\" needs "
                << keyName.width() << ", has " << keyName.parentWidget()->width();
        }
    }
}

// The files hold numbers and names, never words: a German game saves the same bytes.
TEST(Language, FilesKeepTheirBytesInEveryLanguage) {
    std::pair<QByteArray, QByteArray> saved[2]; // settings and scores, in English and in German
    for (int german : {0, 1}) {
        Desktop desktop(german ? "de_DE.UTF-8" : "C");
        language::install(QString::fromLatin1(german ? "de" : "en"));
        TestWorld world;
        Settings settings = Settings::delivered();
        settings.keyFire = 65; // A
        QString error;
        ASSERT_TRUE(writeSettings(settings, &error)) << error.toStdString();
        const ScoreRecord record{scores::fixedName("Zoë"), scores::fixedName("Müller"), 12, 345};
        ASSERT_TRUE(scores::save(record, &error)) << error.toStdString();
        saved[german] = {world.readFile("settings"), world.readFile("scores")};
    }
    EXPECT_EQ(saved[0].first, QByteArray(" 1 \r\n 37 \r\n 39 \r\n 38 \r\n 40 \r\n 65 \r\n"));
    EXPECT_EQ(saved[0].second.size(), 44);
    EXPECT_EQ(saved[1].first, saved[0].first) << "settings";
    EXPECT_EQ(saved[1].second, saved[0].second) << "scores";
}

// Help opens the text in the player's language where the folder holds it; the player's own
// HelpFile.txt stays as it is, and is what opens without a translation beside it.
TEST(Language, HelpOpensTheTextInThePlayersLanguageWhereTheFolderHoldsIt) {
    const struct {
        const char* language;
        bool translationThere;
        const char* opened;
    } rows[] = {{"en", true, "HelpFile.txt"},
                {"de", true, "HelpFile.de.txt"},
                {"fr", true, "HelpFile.fr.txt"},
                {"de", false, "HelpFile.txt"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.language) + (row.translationThere ? "" : ", none beside"));
        Desktop desktop("C");
        language::install(QString::fromLatin1(row.language));
        TestWorld world;
        world.writeFile("HelpFile.txt", "the player's own");
        if (row.translationThere) {
            for (const char* name : {"HelpFile.de.txt", "HelpFile.fr.txt"})
                world.writeFile(QString::fromLatin1(name), "delivered");
        }
        const HelpCommand command = helpCommand();
        ASSERT_TRUE(command.problem.isEmpty()) << command.problem.toStdString();
        ASSERT_EQ(command.arguments.size(), 1);
        EXPECT_EQ(QFileInfo(QFile::decodeName(command.arguments[0])).fileName().toStdString(),
                  row.opened);
        EXPECT_EQ(world.readFile("HelpFile.txt"), QByteArray("the player's own"));
    }
}

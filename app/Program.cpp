#include "Program.h"

#include "frmGame.h"
#include "frmHigh.h"
#include "frmIntro.h"
#include "frmMain.h"
#include "frmRecord.h"
#include "frmSettings.h"

#include "MessageBox.h"
#include "PadKeys.h"
#include "Preferences.h"
#include "Resources.h"
#include "Sound.h"
#include "WindowSize.h"
#include "X11Keyboard.h"
#include "X11Transfer.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <utility>

Program::Program(Services& services) : services_(services) {}

std::unique_ptr<QApplication> Program::makeApplication(int& argc, char** argv) {
    sendPicturesOverTheConnection(); // read when the connection opens
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexaroo"));
    // The program ends when the menu says so, not when its last window hides.
    QApplication::setQuitOnLastWindowClosed(false);
    resources::installFonts();
    QApplication::setWindowIcon(resources::programIcon());
    enableDetectableAutoRepeat();
    return app;
}

Program::~Program() {
    delete intro_.data();
    delete menu_.data();
    delete game_.data();
    delete settings_.data();
    delete high_.data();
    delete record_.data();
}

template <class Window> Window& Program::use(QPointer<Window>& window) {
    if (!window || window->isUnloaded()) {
        window = new Window(services_, *this);
        window->load();
    }
    return *window;
}

void Program::start() {
    if (qEnvironmentVariableIsSet(atMenuVariable)) {
        qunsetenv(atMenuVariable);
        menu().show();
        return;
    }
    intro().show();
}

void Program::connectPad(GamePad& pad) {
    pad.onButton = deliverPadButton;
    pad.onUnplugged = [this] { padUnplugged(); };
}

void Program::padUnplugged() {
    if (game_ && !game_->isUnloaded())
        game_->Pad_Unplugged();
}

::frmIntro& Program::intro() {
    return use(intro_);
}

::frmMain& Program::menu() {
    return use(menu_);
}

::frmGame& Program::game() {
    return use(game_);
}

::frmSettings& Program::settings() {
    return use(settings_);
}

::frmHigh& Program::high() {
    return use(high_);
}

::frmRecord& Program::record() {
    return use(record_);
}

Form& Program::frmMain() {
    return menu();
}

Form& Program::frmGame() {
    return game();
}

Form& Program::frmSettings() {
    return settings();
}

Form& Program::frmHigh() {
    return high();
}

Form& Program::frmRecord() {
    return record();
}

void Program::setRecordResult(const GameResult& result) {
    record().setResult(result);
}

QString Program::watchReplay(const QString& path, const QString& whose, Form* asking) {
    Replay watched;
    if (QString why; !replay::read(path, &watched, &why))
        return why;
    watchAsked_ = asking;
    if (asking)
        asking->hide();
    game_ = new ::frmGame(services_, *this, std::move(watched), whose);
    game_->load();
    game_->show();
    return {};
}

void Program::replayWatched() {
    if (watchAsked_)
        watchAsked_->show();
    else
        end();
}

// A lost replay costs nothing else: the player hears of it once, over the menu.
void Program::replayNotKept(const QString& why) {
    std::fprintf(stderr, "vexaroo: %s\n", qPrintable(why));
    if (std::exchange(replayLossTold_, true))
        return;
    QTimer::singleShot(0, &menu(), [this, why] {
        services_.messageBox.show(
            menu(), QCoreApplication::translate("Program", "Replays cannot be kept: %1").arg(why));
    });
}

// The choice is a comfort: a file that cannot take it is reported and play goes on.
void Program::setSoundOn(bool on) {
    services_.sound.setMuted(!on);
    Preferences kept = readPreferences();
    kept.sound = on;
    if (QString error; !writePreferences(kept, &error))
        std::fprintf(stderr, "vexaroo: %s\n", qPrintable(error));
}

void Program::end() {
    // Ends at once: no window's unload handler runs, every window simply goes.
    ended_ = true;
    for (Form* window :
         std::initializer_list<Form*>{intro_, menu_, game_, settings_, high_, record_}) {
        if (window)
            window->hide();
    }
    // exit(), not quit(): quit() first asks every window to close, and a window may refuse.
    QCoreApplication::exit(0);
}

void Program::setWindowSize(double factor) {
    if (factor == windowsize::current())
        return;
    Preferences kept = readPreferences();
    kept.size = factor;
    // Not kept (a read-only file): the size still changes for this run.
    QString ignored;
    writePreferences(kept, &ignored);
    // The toolkit takes its scale when it starts, so the program starts again at the menu:
    // nothing is lost there, settings and scores are on disk.
    restartSize_ = factor;
    end();
}

double Program::firstWindowSize() const {
    return windowsize::firstStartChoiceHere();
}

bool Program::gameFullScreen() const {
    return readPreferences().fullScreen;
}

void Program::setGameFullScreen(bool on) {
    Preferences kept = readPreferences();
    if (kept.fullScreen == on)
        return;
    kept.fullScreen = on;
    QString ignored;
    writePreferences(kept, &ignored);
}

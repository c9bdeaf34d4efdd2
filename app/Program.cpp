#include "Program.h"

#include "MessageBox.h"
#include "Preferences.h"
#include "Resources.h"
#include "Sound.h"
#include "WindowSize.h"
#include "X11Keyboard.h"
#include "X11Transfer.h"
#include "X11Windows.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <utility>

Program::Program(Services& services)
    : services_(services), preferences_(readPreferences()),
      destroyedWindows_(std::make_unique<DestroyedWindows>(
          [this](quintptr window) { windowDestroyed(window); })) {}

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
        frmMain().show();
        return;
    }
    frmIntro().show();
}

void Program::windowDestroyed(quintptr window) {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (!shown->isVisible() || shown->internalWinId() != window)
            continue;
        if (auto* form = dynamic_cast<Form*>(shown)) {
            // Its boxes go first, answered as by their close box, then the window itself.
            for (QWidget* box : QApplication::topLevelWidgets())
                if (box->isVisible() && box->windowHandle() &&
                    box->windowHandle()->transientParent() == form->windowHandle())
                    box->close();
            closeDestroyed(form);
        } else {
            shown->close(); // a box: answered
        }
    }
}

// Unloaded only once no box is open: the handler that opened one still runs and needs its
// window until the box has returned.
void Program::closeDestroyed(QPointer<Form> window) {
    if (!window || window->isUnloaded())
        return;
    if (services_.messageBox.isOpen()) {
        QTimer::singleShot(50, window, [this, window] { closeDestroyed(window); });
        return;
    }
    window->unload();
}

void Program::connectPad(GamePad& pad) {
    pad.onButton = [this](PadButton button, bool down) { padButton(button, down); };
    pad.onUnplugged = [this] { padUnplugged(); };
}

void Program::padButton(PadButton button, bool down) {
    deliverPadButton(button, down, padKeys);
}

void Program::padUnplugged() {
    if (game_ && !game_->isUnloaded())
        game_->Pad_Unplugged();
}

::frmIntro& Program::frmIntro() {
    return use(intro_);
}

// Whoever asks for the menu is about to show or enable it: a message waiting for it follows.
::frmMain& Program::frmMain() {
    ::frmMain& menu = use(menu_);
    if (!untold_.isEmpty())
        QTimer::singleShot(0, &menu, [this] { tellOverTheMenu(); });
    return menu;
}

::frmGame& Program::frmGame() {
    return use(game_);
}

::frmSettings& Program::frmSettings() {
    return use(settings_);
}

::frmHigh& Program::frmHigh() {
    return use(high_);
}

::frmRecord& Program::frmRecord() {
    return use(record_);
}

void Program::setRecordResult(const GameResult& result) {
    frmRecord().setResult(result);
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
    if (std::exchange(replayLossTold_, true))
        return;
    tellOverTheMenu(QCoreApplication::translate("Program", "Replays cannot be kept: %1.").arg(why));
}

void Program::setSoundOn(bool on) {
    services_.sound.setMuted(!on);
    keepPreferences([on](Preferences& p) { p.sound = on; });
}

// The choice is a comfort: a file that cannot take it is told once and the run goes on with it.
// The file is read again first, as another copy of the game may have saved other choices.
void Program::keepPreferences(const std::function<void(Preferences&)>& change) {
    change(preferences_);
    Preferences saved = readPreferences();
    change(saved);
    QString error;
    if (writePreferences(saved, &error) || preferencesProblemTold_)
        return;
    preferencesProblemTold_ = true;
    tellOverTheMenu(
        QCoreApplication::translate("Program", "Your choice holds until you leave Vexaroo, but the "
                                               "preferences file \"%1\" could not be saved: %2.")
            .arg(preferencesFileName, error));
}

// Over the menu once it is on the screen and takes input: never over a game in play, whose
// targets fly on while a box is open, nor over another screen or box.
void Program::tellOverTheMenu(const QString& news) {
    if (!news.isEmpty())
        untold_ += (untold_.isEmpty() ? QString() : QStringLiteral("\n\n")) + news;
    if (untold_.isEmpty() || !menu_ || !menu_->isVisible() || !menu_->isEnabled() ||
        services_.messageBox.isOpen())
        return;
    services_.messageBox.show(*menu_, std::exchange(untold_, QString()));
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

// The toolkit takes its scale when it starts, so the program starts again at the menu: nothing
// is lost there, settings and scores are on disk. The new start keeps the size; a start that
// cannot happen leaves this one running at its size. No window grows past the screen.
void Program::setWindowSize(double factor) {
    factor = std::min(factor, largestSizeHere());
    if (factor == windowsize::current() || !startAgainAt)
        return;
    const QString problem = startAgainAt(factor);
    services_.messageBox.show(
        use(menu_), QCoreApplication::translate(
                        "Program", "Vexaroo could not start again at the new size: %1.\r\n"
                                   "It goes on at this size.")
                        .arg(problem));
}

double Program::firstWindowSize() const {
    return firstStartSizeHere();
}

double Program::firstStartSize(int screenPixels, double desktopScale) {
    if (screenPixels <= 0 || !(desktopScale > 0))
        return windowsize::smallest;
    // Two fifths, divided last, so that a screen that fits a step exactly gets it.
    return windowsize::largestWithin(::frmMain::designSize.height(),
                                     2.0 * screenPixels / (5.0 * desktopScale));
}

double Program::firstStartSizeHere() {
    const windowsize::Screen screen = windowsize::screenHere();
    return firstStartSize(screen.pixelsHigh, screen.desktopScale);
}

double Program::largestSizeHere() {
    return windowsize::largestFittingHere(::frmMain::designSize);
}

bool Program::gameFullScreen() const {
    return preferences_.fullScreen;
}

void Program::setGameFullScreen(bool on) {
    if (preferences_.fullScreen != on)
        keepPreferences([on](Preferences& p) { p.fullScreen = on; });
}

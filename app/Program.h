#pragma once

#include "PadKeys.h"
#include "Preferences.h"
#include "Screens.h"
#include "Services.h"
#include "SettingsFile.h"
#include "frmGame.h"
#include "frmHigh.h"
#include "frmIntro.h"
#include "frmMain.h"
#include "frmRecord.h"
#include "frmSettings.h"

#include <QPointer>

#include <functional>
#include <memory>

class QApplication;
class DestroyedWindows;

// Owns the windows and hands each its services. A window is created and loaded on first
// use; once unloaded, the next use makes a fresh one.
class Program final : public Screens {
public:
    explicit Program(Services& services);
    ~Program() override;

    // The toolkit's application object as the game runs in it: before any window is made.
    static std::unique_ptr<QApplication> makeApplication(int& argc, char** argv);

    // Opens the first window: the intro, which hands over to the menu.
    void start();
    // Hands the pad's buttons to the windows, and pauses a game when the pad goes.
    void connectPad(GamePad& pad);
    void padButton(PadButton button, bool down);
    void padUnplugged();
    // What the buttons are to the boxes and to the windows that take no buttons of their own: the
    // D-pad is the arrows, south Return, east Esc, and Start the pause key, which also answers
    // the pause's box (a letter's code is its character for the toolkit too).
    static constexpr PadKeys padKeys = {Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Up,
                                        Qt::Key_Down,     Qt::Key_Return, Qt::Key_Escape,
                                        Qt::Key(pauseKey)};
    bool hasEnded() const { return ended_; }

    // The windows, each by its own class.
    ::frmIntro& frmIntro();
    ::frmMain& frmMain() override;
    ::frmGame& frmGame() override;
    ::frmSettings& frmSettings() override;
    ::frmHigh& frmHigh() override;
    ::frmRecord& frmRecord() override;
    void setRecordResult(const GameResult& result) override;
    QString watchReplay(const QString& path, const QString& whose, Form* asking) override;
    void replayWatched() override;
    void replayNotKept(const QString& why) override;
    void setSoundOn(bool on) override;
    void end() override;
    void setWindowSize(double factor) override;
    double firstWindowSize() const override;
    // The first start's size: the largest step at which the menu, the largest window, takes at
    // most two fifths of a screen `screenPixels` high whose desktop scales by `desktopScale`.
    static double firstStartSize(int screenPixels, double desktopScale);
    // That size for the screen the program is on, and the largest at which the menu fits there,
    // frame and panels included; both before the program exists.
    static double firstStartSizeHere();
    static double largestSizeHere();
    bool gameFullScreen() const override;
    void setGameFullScreen(bool on) override;

    // A window that another program destroyed is gone from the screen: it closes as if the
    // player had closed it, even while disabled, once the boxes it shows are answered. The menu
    // comes back, or the program ends.
    void windowDestroyed(quintptr window);

    // The player's preferences as this run holds them. Every change goes through
    // keepPreferences: it holds for this run and is saved where the file allows; the first
    // save that fails is told once, over the menu.
    const Preferences& preferences() const { return preferences_; }
    void keepPreferences(const std::function<void(Preferences&)>& change);

    // Starts the program again in this one's place at another window size; returns only when
    // it cannot, with the reason. Unset, the size never changes.
    std::function<QString(double factor)> startAgainAt;
    // Opens the menu, without the intro, when the program starts again at another size.
    static constexpr const char* atMenuVariable = "VEXAROO_AT_MENU";

private:
    template <class Window> Window& use(QPointer<Window>& window);

    Services& services_;
    QPointer<::frmIntro> intro_;
    QPointer<::frmMain> menu_;
    QPointer<::frmGame> game_;
    QPointer<::frmSettings> settings_;
    QPointer<::frmHigh> high_;
    QPointer<::frmRecord> record_;
    bool ended_ = false;
    // The window that asked to watch a replay, shown again afterwards; none: the program ends.
    QPointer<Form> watchAsked_;
    bool replayLossTold_ = false;
    Preferences preferences_;
    // A message that waits for the menu: none may stand over a game in play.
    QString untold_;
    bool preferencesProblemTold_ = false;
    void tellOverTheMenu(const QString& news = {});
    void closeDestroyed(QPointer<Form> window);
    std::unique_ptr<DestroyedWindows> destroyedWindows_;
};

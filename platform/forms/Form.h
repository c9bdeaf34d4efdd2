#pragma once

#include "GamePad.h"
#include "Services.h"
#include "Sprite.h"
#include "Timer.h"

#include <QWidget>

// The base of every window: black, fixed size, close button only, centred when first
// shown, frame included, over its owner or on the screen. Form_Load runs on first use; unload()
// runs Form_Unload, hides the window and deletes it once the running handler has returned, so a
// window may unload itself from inside one of its own timers. A disabled window ignores mouse, keys
// and its close button; no window closes while one of the program's message boxes is open.
class Form : public QWidget {
public:
    Form(Services& services, const QString& caption, int clientWidth, int clientHeight);
    ~Form() override;

    void load();
    void unload();
    bool isUnloaded() const { return unloaded_; }

    using QWidget::show;
    // Shows the window owned by another (transient for it): the window manager keeps it above
    // its owner, and a click on the owner never covers it.
    void show(QWidget& owner);

    // Inner size in pixels of the design, whatever size the window is shown at.
    float scaleWidth() const {
        return static_cast<float>(fullScreen_ ? design_.width() : maximumWidth());
    }
    float scaleHeight() const {
        return static_cast<float>(fullScreen_ ? design_.height() : maximumHeight());
    }

    // Full screen: the inner area scaled to the largest size that fits with its proportions
    // kept, centred on black; the handlers still see the design's units.
    void setFullScreen(bool on);
    bool fullScreen() const { return fullScreen_; }

    // With key preview the window's key handlers run first for every key, then the key
    // still reaches the focused control. Key codes are virtual-key codes; a held key gives
    // repeated key-downs and one key-up at the real release, or, without key repeats, one
    // key-down and one key-up.
    void setKeyPreview(bool on) { keyPreview_ = on; }
    void setKeyRepeats(bool on) { keyRepeats_ = on; }
    void keyDown(int keyCode, int shift, bool repeat = false);
    void keyUp(int keyCode, int shift);

    SpriteCanvas& canvas() { return *canvas_; }

    // A pad's button while this window is active; false leaves it to be a key (PadKeys.h).
    virtual bool padButton(PadButton /*button*/, bool /*down*/) { return false; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void Form_KeyUp(int keyCode, int shift) { (void)keyCode, (void)shift; }

    // A message box owned by this window, answered by OK or by `answerKey` (0: none).
    void MsgBox(const QString& text, int answerKey = 0);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    Services& services;

private:
    void flushRelease();
    void nativeWindowEvent(QEvent* event);
    void centre();
    void layOut();
    void allowOnePixelLess();
    void enterFullScreen();
    void activateOwnedWindow();
    QList<QWidget*> ownedWindows() const;

    SpriteCanvas* canvas_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool centred_ = false;
    bool frameCentred_ = false;
    bool keyPreview_ = false;
    bool keyRepeats_ = true;
    bool fullScreen_ = false;
    bool fullScreenWhenShown_ = false;
    QSize design_;
    // A key release is held back briefly: X11 may report auto-repeat as release + press,
    // and a press of the same key that follows at once means the key never went up.
    Timer releaseGuard_;
    int pendingRelease_ = 0;
    int pendingShift_ = 0;
};

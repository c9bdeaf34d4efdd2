#include "Form.h"

#include "Display.h"
#include "Keys.h"
#include "Label.h"
#include "MessageBox.h"
#include "Placement.h"
#include "Resources.h"
#include "WindowSize.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {
constexpr int releaseGuardMs = 10;

// The style keeps what it paints (button faces, lists) under the identity of the palette it
// was painted with, and every window and control that sets its colours has a palette of its
// own: each new window would paint its pictures anew and keep them. Painted with one palette
// for each set of colours, a new window finds its pictures painted. The colours are the same.
class SharedPaletteStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const Shared shared(*this, option);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const Shared shared(*this, option);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const Shared shared(*this, option);
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    // The option's palette, replaced by the shared one of its colours while it is painted.
    class Shared {
    public:
        Shared(const SharedPaletteStyle& style, const QStyleOption* option)
            : option_(const_cast<QStyleOption*>(option)) {
            if (option_) {
                own_ = option_->palette;
                option_->palette = style.shared(own_);
            }
        }
        ~Shared() {
            if (option_)
                option_->palette = own_;
        }
        Shared(const Shared&) = delete;
        Shared& operator=(const Shared&) = delete;

    private:
        QStyleOption* option_;
        QPalette own_;
    };

    const QPalette& shared(const QPalette& colours) const {
        for (const QPalette& known : palettes_) {
            if (known.isCopyOf(colours) || known == colours)
                return known;
        }
        // The program has a handful of colour sets; more would not be ours to keep.
        constexpr std::size_t mostPalettes = 32;
        if (palettes_.size() == mostPalettes)
            return colours;
        palettes_.push_back(colours);
        return palettes_.back();
    }

    mutable std::vector<QPalette> palettes_;
};
} // namespace

Form::Form(Services& given, const QString& caption, int clientWidth, int clientHeight)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      services(given), canvas_(new SpriteCanvas(this, given.clock)),
      releaseGuard_(given.clock, releaseGuardMs) {
    static const bool styled = [] {
        QApplication::setStyle(new SharedPaletteStyle(QApplication::style()->name()));
        return true;
    }();
    (void)styled;
    setWindowTitle(caption);
    setWindowIcon(resources::programIcon());
    setFixedSize(clientWidth, clientHeight);
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, Qt::black);
    setPalette(colors);
    setFont(resources::textFont());
    setFocusPolicy(Qt::StrongFocus);
    canvas_->setGeometry(0, 0, clientWidth, clientHeight);
    releaseGuard_.setOnTick([this] { flushRelease(); });
    qApp->installEventFilter(this);
}

Form::~Form() {
    qApp->removeEventFilter(this);
}

void Form::load() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Form::unload() {
    if (unloaded_)
        return;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel)
        return;
    unloaded_ = true;
    releaseGuard_.setEnabled(false);
    hide();
    deleteLater();
}

void Form::show(QWidget& owner) {
    // X11 names an owner (WM_TRANSIENT_FOR) for dialog windows only, so an owned window is
    // one; both need their native windows for the window manager to know who owns whom.
    if (windowType() != Qt::Dialog)
        setWindowFlag(Qt::Dialog);
    owner.window()->winId();
    winId();
    windowHandle()->setTransientParent(owner.window()->windowHandle());
    show();
}

void Form::MsgBox(const QString& text, int answerKey) {
    services.messageBox.show(*this, text, answerKey);
}

void Form::keyDown(int keyCode, int shift, bool repeat) {
    if (pendingRelease_ == keyCode && releaseGuard_.enabled()) {
        // Release and press of one key at once: auto-repeat, the key is still down.
        releaseGuard_.setEnabled(false);
        pendingRelease_ = 0;
        repeat = true;
    } else {
        flushRelease();
    }
    if (keyRepeats_ || !repeat)
        Form_KeyDown(keyCode, shift);
}

void Form::keyUp(int keyCode, int shift) {
    flushRelease();
    pendingRelease_ = keyCode;
    pendingShift_ = shift;
    releaseGuard_.setEnabled(true);
}

void Form::flushRelease() {
    if (!releaseGuard_.enabled())
        return;
    releaseGuard_.setEnabled(false);
    const int keyCode = pendingRelease_;
    pendingRelease_ = 0;
    Form_KeyUp(keyCode, pendingShift_);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle())
        nativeWindowEvent(event);
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    // A hidden window takes no keys: one that a key has just hidden must not take it again as
    // it travels on to the window.
    if (!keyPreview_ || unloaded_ || !isEnabled() || !isVisible() || !watched->isWidgetType())
        return false;
    // A key event travels up from the focused control to its window; take it once, from
    // the first widget that receives it.
    QWidget* first = focusWidget() && isAncestorOf(focusWidget()) ? focusWidget() : this;
    if (watched != first)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int shift = keys::shiftState(key->modifiers());
    const int code = keys::virtualKeyCode(*key);
    if (event->type() == QEvent::KeyPress)
        keyDown(code, shift, key->isAutoRepeat());
    else if (!key->isAutoRepeat())
        keyUp(code, shift);
    return false;
}

// The native window sees its events whatever the window's state, a disabled window's clicks too.
void Form::nativeWindowEvent(QEvent* event) {
    if (event->type() == QEvent::Expose && fullScreenWhenShown_ && windowHandle()->isExposed()) {
        // Once its first picture is on the screen, which the expose's paint sends.
        fullScreenWhenShown_ = false;
        QTimer::singleShot(0, this, [this] {
            if (fullScreen_)
                enterFullScreen();
        });
    }
    if ((event->type() == QEvent::Expose || event->type() == QEvent::Move) && !frameCentred_ &&
        isVisible() && !windowHandle()->frameMargins().isNull()) {
        // The first window the manager frames was centred without its frame; the frame is
        // known once the manager has framed it, so centre it again, whole, with any box
        // that came up over it meanwhile.
        frameCentred_ = true;
        centre();
        for (QWidget* window : ownedWindows())
            placement::centre(*window, frameGeometry());
    }
    // The click is over once the window manager has activated this window; only then may
    // another window take the activation.
    if (event->type() == QEvent::MouseButtonRelease && !isEnabled())
        activateOwnedWindow();
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled())
        activateOwnedWindow();
}

// A disabled window waits for a window it owns: activating it means that one, so the player
// lands where the program expects input.
void Form::activateOwnedWindow() {
    const QList<QWidget*> owned = ownedWindows();
    if (owned.isEmpty())
        return;
    // On Wayland the compositor also hears that this window was activated, which Qt asks for
    // meanwhile: asked once that has gone, the owned window comes last and stays.
    if (display::onWayland())
        QTimer::singleShot(0, owned.front(),
                           [window = owned.front()] { window->activateWindow(); });
    else
        owned.front()->activateWindow();
}

// The shown windows this one owns: its screens and boxes.
QList<QWidget*> Form::ownedWindows() const {
    QList<QWidget*> owned;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowHandle() &&
            window->windowHandle()->transientParent() == windowHandle())
            owned.push_back(window);
    }
    return owned;
}

void Form::closeEvent(QCloseEvent* event) {
    event->ignore();
    // A close asked for while a box is open, from the frame, the keyboard, a taskbar or
    // another program, would take a window from under the box and could leave none shown.
    if (isEnabled() && !services.messageBox.isOpen())
        unload();
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The program keeps the keys when its active window goes, so the player need not click
    // first: the owner takes them, or else another window of the program that takes input.
    if (QGuiApplication::applicationState() != Qt::ApplicationActive)
        return;
    QWindow* next = windowHandle()->transientParent();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (next && next->isVisible())
            break;
        if (window != this && window->isVisible() && window->isEnabled() &&
            dynamic_cast<Form*>(window))
            next = window->windowHandle();
    }
    if (next && next->isVisible())
        next->requestActivate();
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The sprites' canvas always covers the whole inner area.
    canvas_->setGeometry(rect());
    layOut();
}

void Form::setFullScreen(bool on) {
    if (on == fullScreen_)
        return;
    // A hidden window takes the state when it shows.
    if (on) {
        design_ = maximumSize(); // the design size, whatever the manager made of it
        fullScreen_ = true;
        // A Wayland compositor lets a window float at its own size only when it first shows
        // with a fixed size; one that starts full screen would come back from it laid out with
        // others, as large as the screen. So it shows at its size first.
        if (display::onWayland() && !isVisible())
            fullScreenWhenShown_ = true;
        else
            enterFullScreen();
    } else {
        fullScreen_ = false;
        fullScreenWhenShown_ = false;
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setFixedSize(design_);
        allowOnePixelLess();
        layOut();
        if (isVisible())
            centre();
    }
}

void Form::enterFullScreen() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void Form::layOut() {
    qreal scale = 1;
    QPointF origin;
    if (fullScreen_ && !design_.isEmpty()) {
        scale = std::min(qreal(width()) / design_.width(), qreal(height()) / design_.height());
        origin = QPointF((width() - scale * design_.width()) / 2,
                         (height() - scale * design_.height()) / 2);
    }
    canvas_->setView(scale, origin);
    for (QObject* child : children()) {
        if (auto* label = dynamic_cast<Label*>(child))
            label->setView(scale, origin);
    }
}

// A window of fixed size scaled by a whole factor is put full screen by jwm; a window that
// may be one pixel smaller is left as it is. Its handlers still see the full size. A Wayland
// compositor lays such a window out with others instead, and keeps a fixed size as it is.
void Form::allowOnePixelLess() {
    if (windowsize::current() > 1 && !fullScreen_ && minimumSize() == maximumSize() &&
        !display::onWayland())
        setMinimumSize(maximumSize() - QSize(1, 1));
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    allowOnePixelLess();
    if (centred_)
        return;
    centred_ = true;
    centre();
}

// An owned window is centred over its owner, any other on the screen.
void Form::centre() {
    if (fullScreen_)
        return;
    const QWindow* owner = windowHandle() ? windowHandle()->transientParent() : nullptr;
    if (owner && owner->isVisible())
        placement::centre(*this, owner->frameGeometry());
    else if (const QScreen* where = screen())
        placement::centre(*this, where->availableGeometry());
}

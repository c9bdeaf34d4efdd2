#include "Controls.h"

#include "Accessible.h"
#include "Palette.h"
#include "Resources.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* window, const QString& picture, int left, int top, int width,
                       int height, bool visible)
    : QWidget(window), picture_(picture) {
    setGeometry(left, top, width, height);
    setMouseTracking(true);
    setVisible(visible);
    accessible::installFactory();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), resources::picture(picture_, size(), devicePixelRatioF()));
    if (showFocus_ && hasKeyboardFocus()) {
        painter.setPen(QPen(palette::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (onMouseMove)
        onMouseMove();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick)
        onClick();
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Coming back to the window keeps the way the focus came.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardFocus_ = true;
    else if (event->reason() != Qt::ActiveWindowFocusReason)
        keyboardFocus_ = false;
    if (showFocus_)
        update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason)
        keyboardFocus_ = false;
    if (showFocus_)
        update();
}

Outline::Outline(QWidget* window, int left, int top, int width, int height, QColor color,
                 Qt::PenStyle style)
    : QWidget(window), color_(color), style_(style) {
    setGeometry(left, top, width, height);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(color_, 1, style_));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

ClickWatcher::ClickWatcher(QWidget* control, std::function<void()> onClick)
    : QObject(control), control_(control), onClick_(std::move(onClick)) {
    control->installEventFilter(this);
}

void ClickWatcher::press() {
    if (control_->isEnabled() && onClick_)
        onClick_();
}

bool ClickWatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != control_ ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease))
        return false;
    // Filters see mouse events even on a disabled window, which must take no clicks.
    if (!control_->isEnabled())
        return true;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return true;
    if (type == QEvent::MouseButtonPress) {
        pressed_ = true;
        return true;
    }
    const bool click = pressed_ && control_->rect().contains(mouse->position().toPoint());
    pressed_ = false;
    if (click && onClick_)
        onClick_();
    return true;
}

CommandButton::CommandButton(QWidget* window, const QString& caption, int left, int top, int width,
                             int height)
    : QPushButton(caption, window) {
    setGeometry(left, top, width, height);
    setAutoDefault(false);
    QPalette colors = palette();
    colors.setColor(QPalette::Button, palette::lightGrey);
    colors.setColor(QPalette::ButtonText, Qt::black);
    // A disabled button says so by its greyed caption, as on every desktop.
    colors.setColor(QPalette::Disabled, QPalette::ButtonText, palette::grey);
    setPalette(colors);
}

void CommandButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    // The style marks the focus only once Tab has moved it; the player should always see it.
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

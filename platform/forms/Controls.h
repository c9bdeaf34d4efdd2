#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>

// A still picture that may be clicked: picture buttons, images, key boxes. It takes the mouse
// moves over it, so they never reach the window's background handler, and hands them and its
// clicks (a left press and release inside it) to the window.
class PictureBox final : public QWidget {
public:
    PictureBox(QWidget* window, const QString& picture, int left, int top, int width, int height,
               bool visible = true);

    const QString& picture() const { return picture_; }
    // A box that takes the focus from the keyboard (Tab) shows it with a dotted frame; one
    // that a click focused shows none, and Return keeps its meaning for the window.
    void setShowFocus(bool on) { showFocus_ = on; }
    bool hasKeyboardFocus() const { return hasFocus() && keyboardFocus_; }

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString picture_;
    bool pressed_ = false;
    bool showFocus_ = false;
    bool keyboardFocus_ = false;
};

// A rectangle outline. It takes no mouse events: they go to whatever lies below.
class Outline final : public QWidget {
public:
    Outline(QWidget* window, int left, int top, int width, int height, QColor color,
            Qt::PenStyle style = Qt::SolidLine);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    Qt::PenStyle style_;
};

// Gives a label a Click: a left press and release over it while it is enabled.
class ClickWatcher final : public QObject {
public:
    ClickWatcher(QWidget* control, std::function<void()> onClick);

    // A click without the mouse, as a screen reader's press gives it.
    void press();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// A push button with a light grey face. Enter does not press it on its own; Space does while it
// has the focus, which a dotted rectangle shows.
class CommandButton final : public QPushButton {
public:
    CommandButton(QWidget* window, const QString& caption, int left, int top, int width,
                  int height);

protected:
    void paintEvent(QPaintEvent* event) override;
};

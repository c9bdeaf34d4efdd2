#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

// The menu's still pictures: the picture buttons and the images. Every one takes the mouse
// moves over it, so they never reach the window's background handler; a picture button
// also hands them, and its clicks, to the window.
class PictureBox final : public QWidget {
public:
    PictureBox(QWidget* window, const QString& picture, int left, int top, int width, int height,
               bool visible = true);

    const QString& picture() const { return picture_; }

    std::function<void()> onClick;
    std::function<void()> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString picture_;
    bool pressed_ = false;
};

// A rectangle outline. It takes no mouse events: they go to whatever lies below.
class Outline final : public QWidget {
public:
    Outline(QWidget* window, int left, int top, int width, int height, QColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

// Gives a label a Click: a left press and release over it while it is enabled.
class ClickWatcher final : public QObject {
public:
    ClickWatcher(QWidget* control, std::function<void()> onClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
    std::function<void()> onClick_;
    bool pressed_ = false;
};

#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class Clock;
class QPainter;
class Sprite;
class Timer;

// Paints a window's sprites: the moving controls of the game screen, which hold
// fractional positions that widgets cannot. It covers the whole window, below the labels.
class SpriteCanvas final : public QWidget {
public:
    SpriteCanvas(QWidget* window, Clock& clock);
    ~SpriteCanvas() override;

    Clock& clock() const { return clock_; }
    void add(Sprite* sprite);
    void remove(Sprite* sprite);
    // Repaints what a sprite covered before and covers now.
    void changed(const QRectF& before, const QRectF& after);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void animationTick();

    Clock& clock_;
    std::vector<Sprite*> sprites_;
    std::unique_ptr<Timer> animationTimer_;
};

class Sprite {
public:
    Sprite(SpriteCanvas& canvas, float left, float top, float width, float height,
           bool visible = true);
    virtual ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    bool visible() const { return visible_; }
    void setLeft(float left);
    void setTop(float top);
    void setVisible(bool visible);
    void move(float left, float top);
    void move(float left, float top, float width, float height);
    QRectF rect() const { return {left_, top_, width_, height_}; }

    virtual void paint(QPainter& painter) = 0;
    // Movies are painted above pictures and shapes, as windowed controls are.
    virtual int layer() const { return 0; }
    // True when the picture changes with time; the canvas then asks at every frame.
    virtual bool needsRepaint() { return false; }

protected:
    SpriteCanvas& canvas() const { return canvas_; }
    void repaint() { canvas_.changed(rect(), rect()); }

private:
    template <typename Change> void change(Change&& apply);

    SpriteCanvas& canvas_;
    float left_, top_, width_, height_;
    bool visible_;
};

// A still picture from the resources (bullets, lives).
class PictureSprite final : public Sprite {
public:
    PictureSprite(SpriteCanvas& canvas, const QString& picture, float left, float top, float width,
                  float height, bool visible = true);
    const QString& picture() const { return picture_; }
    void setPicture(const QString& picture);
    // A further element of a control array: a hidden copy of this one.
    std::unique_ptr<PictureSprite> copyHidden() const;
    void paint(QPainter& painter) override;

private:
    QString picture_;
};

// A filled rectangle with a border.
class ShapeSprite final : public Sprite {
public:
    ShapeSprite(SpriteCanvas& canvas, float left, float top, float width, float height, QColor fill,
                QColor border, int borderWidth);
    void paint(QPainter& painter) override;

private:
    QColor fill_, border_;
    int borderWidth_;
};

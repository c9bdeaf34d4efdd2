#pragma once

#include "Timer.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class Clock;
class QPainter;
class Sprite;

// Paints a window's sprites: pictures, shapes and movies at fractional positions, which
// widgets cannot hold. It covers the whole window, below the labels.
//
// A change to a sprite only marks it; once a frame (one in each Clock::frameMs at most)
// the canvas repaints what the marked sprites covered before and cover now, in one paint and
// one flush however many timers moved them. Nothing runs while nothing is to be drawn.
class SpriteCanvas final : public QWidget {
public:
    SpriteCanvas(QWidget* window, Clock& clock);
    ~SpriteCanvas() override;

    Clock& clock() const { return clock_; }

    // Shows the sprites, laid out in design units, `scale` times larger from `origin` (full
    // screen); pictures are drawn for the size shown.
    void setView(qreal scale, QPointF origin);
    qreal viewScale() const { return scale_; }
    // The canvas pixels a rectangle of design units covers.
    QRect toView(const QRect& design) const;
    // Device pixels per design unit as this painter paints: what a picture is rendered for.
    static qreal pixelRatio(const QPainter& painter);
    bool frameTimerRunning() const { return frameTimer_.enabled(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class Sprite;
    void add(Sprite* sprite);
    void remove(Sprite* sprite);
    void mark(Sprite* sprite) {
        marked_.push_back(sprite);
        if (!frameTimer_.enabled() && isVisible())
            frameTimer_.setEnabled(true);
    }
    void endOfPass();
    void frame();

    Clock& clock_;
    std::vector<Sprite*> sprites_; // in painting order: by layer, then as created
    std::vector<Sprite*> marked_;
    std::vector<QRect> damage_; // of this frame, kept for its room
    // Runs while a frame is due: a sprite is marked or a visible movie animates. Frames come
    // at the end of a pass of the event loop, one per frame slot of the clock at most.
    Timer frameTimer_;
    qint64 lastSlot_ = -1;
    qreal scale_ = 1;
    QPointF origin_;
};

class Sprite {
public:
    // Movies are painted above pictures and shapes, whatever order they were made in.
    enum Layer { Pictures = 0, Movies = 1 };

    Sprite(SpriteCanvas& canvas, float left, float top, float width, float height,
           bool visible = true, Layer layer = Pictures);
    virtual ~Sprite();
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    bool visible() const { return visible_; }
    void setLeft(float left) {
        left_ = left;
        changed();
    }
    void setTop(float top) {
        top_ = top;
        changed();
    }
    void setVisible(bool visible) {
        if (visible == visible_)
            return;
        visible_ = visible;
        changed();
    }
    void move(float left, float top) {
        left_ = left;
        top_ = top;
        changed();
    }
    void move(float left, float top, float width, float height);
    QRectF rect() const { return {left_, top_, width_, height_}; }
    Layer layer() const { return layer_; }

    virtual void paint(QPainter& painter) = 0;
    // True while the picture changes with time by itself (a running movie).
    virtual bool animates() const { return false; }
    // True when the picture on screen is no longer the one it would paint now.
    virtual bool needsRepaint() { return false; }
    // The window went out of sight: pictures kept for painting may go.
    virtual void forgetPictures() {}

protected:
    SpriteCanvas& canvas() const { return canvas_; }
    // The picture changed where the sprite stands.
    void repaint() { changed(); }

private:
    friend class SpriteCanvas;
    // A hidden sprite that is not on screen has nothing to repaint.
    void changed() {
        if (!marked_ && (visible_ || onScreen_)) {
            marked_ = true;
            canvas_.mark(this);
        }
    }
    // The pixels the sprite covers; one more on every side for fractional edges and smoothing.
    QRect bounds() const { return rect().toAlignedRect().adjusted(-1, -1, 1, 1); }

    SpriteCanvas& canvas_;
    float left_, top_, width_, height_;
    bool visible_;
    const Layer layer_;
    bool marked_ = false;
    bool onScreen_ = false; // shown at shownAt_ by the last frame
    QRect shownAt_;
    qint64 movedAtMs_ = -1000;
};

// A still picture from the resources (bullets, lives).
class PictureSprite final : public Sprite {
public:
    PictureSprite(SpriteCanvas& canvas, const QString& picture, float left, float top, float width,
                  float height, bool visible = true);
    const QString& picture() const { return picture_; }
    void setPicture(const QString& picture);
    // Another of a row of like pictures (the bullets): a hidden copy of this one.
    std::unique_ptr<PictureSprite> copyHidden() const;
    void paint(QPainter& painter) override;
    void forgetPictures() override { image_ = QImage(); }

private:
    QString picture_;
    QImage image_; // the picture as last painted, kept while its size stays
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

#include "Sprite.h"

#include "Resources.h"
#include "Timer.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
// How often running movies are asked whether they show a new frame.
constexpr int animationTickMs = 20;
} // namespace

SpriteCanvas::SpriteCanvas(QWidget* window, Clock& clock)
    : QWidget(window), clock_(clock),
      animationTimer_(std::make_unique<Timer>(clock, animationTickMs)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    animationTimer_->setOnTick([this] { animationTick(); });
}

SpriteCanvas::~SpriteCanvas() = default;

void SpriteCanvas::add(Sprite* sprite) {
    sprites_.push_back(sprite);
}

void SpriteCanvas::remove(Sprite* sprite) {
    std::erase(sprites_, sprite);
}

void SpriteCanvas::changed(const QRectF& before, const QRectF& after) {
    // One pixel of margin covers fractional positions and smoothing at the edges.
    update(before.toAlignedRect().adjusted(-1, -1, 1, 1));
    update(after.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void SpriteCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    std::vector<Sprite*> order = sprites_;
    std::stable_sort(order.begin(), order.end(),
                     [](Sprite* a, Sprite* b) { return a->layer() < b->layer(); });
    for (Sprite* sprite : order) {
        if (sprite->visible() && event->region().intersects(sprite->rect().toAlignedRect()))
            sprite->paint(painter);
    }
}

void SpriteCanvas::showEvent(QShowEvent*) {
    animationTimer_->setEnabled(true);
}

void SpriteCanvas::hideEvent(QHideEvent*) {
    animationTimer_->setEnabled(false);
}

void SpriteCanvas::animationTick() {
    for (Sprite* sprite : sprites_) {
        if (sprite->visible() && sprite->needsRepaint())
            update(sprite->rect().toAlignedRect().adjusted(-1, -1, 1, 1));
    }
}

Sprite::Sprite(SpriteCanvas& canvas, float left, float top, float width, float height, bool visible)
    : canvas_(canvas), left_(left), top_(top), width_(width), height_(height), visible_(visible) {
    canvas_.add(this);
}

Sprite::~Sprite() {
    canvas_.remove(this);
    if (visible_)
        canvas_.changed(rect(), rect());
}

template <typename Change> void Sprite::change(Change&& apply) {
    const QRectF before = rect();
    const bool wasVisible = visible_;
    apply();
    if (wasVisible || visible_)
        canvas_.changed(before, rect());
}

void Sprite::setLeft(float left) {
    change([&] { left_ = left; });
}

void Sprite::setTop(float top) {
    change([&] { top_ = top; });
}

void Sprite::setVisible(bool visible) {
    if (visible != visible_)
        change([&] { visible_ = visible; });
}

void Sprite::move(float left, float top) {
    change([&] {
        left_ = left;
        top_ = top;
    });
}

void Sprite::move(float left, float top, float width, float height) {
    change([&] {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    });
}

PictureSprite::PictureSprite(SpriteCanvas& canvas, const QString& picture, float left, float top,
                             float width, float height, bool visible)
    : Sprite(canvas, left, top, width, height, visible), picture_(picture) {}

void PictureSprite::setPicture(const QString& picture) {
    if (picture == picture_)
        return;
    picture_ = picture;
    repaint();
}

std::unique_ptr<PictureSprite> PictureSprite::copyHidden() const {
    return std::make_unique<PictureSprite>(canvas(), picture_, left(), top(), width(), height(),
                                           false);
}

void PictureSprite::paint(QPainter& painter) {
    const QImage image =
        resources::picture(picture_, rect().size(), painter.device()->devicePixelRatioF());
    if (!image.isNull())
        painter.drawImage(rect(), image);
}

ShapeSprite::ShapeSprite(SpriteCanvas& canvas, float left, float top, float width, float height,
                         QColor fill, QColor border, int borderWidth)
    : Sprite(canvas, left, top, width, height), fill_(fill), border_(border),
      borderWidth_(borderWidth) {}

void ShapeSprite::paint(QPainter& painter) {
    painter.fillRect(rect(), border_);
    const qreal inset = borderWidth_ / 2.0;
    painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), fill_);
}

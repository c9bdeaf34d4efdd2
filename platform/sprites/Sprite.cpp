#include "Sprite.h"

#include "Clock.h"
#include "Resources.h"

#include <QAbstractEventDispatcher>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
// A sprite that moved this recently shows its movie's current frame at its next step anyway
// (targets step every 30 ms, their movies run at 24 frames a second); only a sprite standing
// still is repainted for its movie alone.
constexpr qint64 stillMs = 50;

// Two damaged rectangles are painted as one when that paints at most this many pixels more:
// a sprite's old and new place become one rectangle, and each rectangle flushed is one more
// request to the X server.
constexpr long mergeSlack = 256;

// Adds a rectangle to the frame's damage, joining it with any that it overlaps or lies close
// to (see mergeSlack), so that the damage stays a few rectangles that do not overlap.
void addDamage(std::vector<QRect>& damage, const QRect& rect) {
    if (rect.isEmpty())
        return;
    int left = rect.left(), top = rect.top(), right = rect.right() + 1, bottom = rect.bottom() + 1;
    long area = long(right - left) * (bottom - top);
    for (std::size_t i = 0; i < damage.size();) {
        const QRect& other = damage[i];
        const int oLeft = other.left(), oTop = other.top();
        const int oRight = other.right() + 1, oBottom = other.bottom() + 1;
        const int uLeft = std::min(left, oLeft), uTop = std::min(top, oTop);
        const int uRight = std::max(right, oRight), uBottom = std::max(bottom, oBottom);
        const long oArea = long(oRight - oLeft) * (oBottom - oTop);
        const long common = long(std::max(0, std::min(right, oRight) - std::max(left, oLeft))) *
                            std::max(0, std::min(bottom, oBottom) - std::max(top, oTop));
        const long both = long(uRight - uLeft) * (uBottom - uTop);
        if (common == 0 && both - area - oArea > mergeSlack) {
            ++i;
            continue;
        }
        // Joined: the larger rectangle may now reach others, so look at them all again.
        left = uLeft, top = uTop, right = uRight, bottom = uBottom, area = both;
        damage[i] = damage.back();
        damage.pop_back();
        i = 0;
    }
    damage.emplace_back(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
} // namespace

SpriteCanvas::SpriteCanvas(QWidget* window, Clock& clock)
    : QWidget(window), clock_(clock), frameTimer_(clock, Clock::frameMs) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    frameTimer_.setOnTick([this] { frame(); });
    frameTimer_.setPunctual(true);
    // The end of each pass of the event loop, when every timer that was due has run.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { endOfPass(); });
}

SpriteCanvas::~SpriteCanvas() = default;

void SpriteCanvas::add(Sprite* sprite) {
    const auto above = std::upper_bound(
        sprites_.begin(), sprites_.end(), sprite->layer(),
        [](Sprite::Layer layer, const Sprite* other) { return layer < other->layer(); });
    sprites_.insert(above, sprite);
}

void SpriteCanvas::remove(Sprite* sprite) {
    std::erase(sprites_, sprite);
    if (sprite->marked_)
        std::erase(marked_, sprite);
    if (sprite->onScreen_) {
        addDamage(damage_, sprite->shownAt_);
        if (!frameTimer_.enabled() && isVisible())
            frameTimer_.setEnabled(true);
    }
}

void SpriteCanvas::endOfPass() {
    // Something waits for a frame, and this slot has none yet.
    if (frameTimer_.enabled() && clock_.nowMs() / Clock::frameMs != lastSlot_)
        frame();
}

void SpriteCanvas::frame() {
    const qint64 now = clock_.nowMs();
    lastSlot_ = now / Clock::frameMs;
    const bool shown = isVisible();
    bool animating = false;
    for (Sprite* sprite : sprites_) {
        if (!shown || !sprite->visible_ || !sprite->animates())
            continue;
        animating = true;
        if (!sprite->marked_ && now - sprite->movedAtMs_ > stillMs && sprite->needsRepaint()) {
            sprite->marked_ = true;
            marked_.push_back(sprite);
        }
    }

    for (Sprite* sprite : marked_) {
        sprite->marked_ = false;
        const QRect after = sprite->visible_ ? sprite->bounds() : QRect();
        const QRect before = sprite->onScreen_ ? sprite->shownAt_ : QRect();
        if (after != before)
            sprite->movedAtMs_ = now;
        addDamage(damage_, before);
        addDamage(damage_, after);
        sprite->onScreen_ = sprite->visible_;
        sprite->shownAt_ = after;
    }
    marked_.clear();
    if (shown && !damage_.empty()) {
        QRegion region;
        for (const QRect& rect : damage_)
            region += toView(rect);
        repaint(region);
    }
    damage_.clear();
    // Restarted at every frame, the timer brings the next frame when nothing else wakes the
    // program; the real clock lets it share a wake-up with the game's own timers.
    frameTimer_.setEnabled(false);
    frameTimer_.setEnabled(animating);
}

void SpriteCanvas::setView(qreal scale, QPointF origin) {
    if (scale == scale_ && origin == origin_)
        return;
    scale_ = scale;
    origin_ = origin;
    update();
}

QRect SpriteCanvas::toView(const QRect& design) const {
    if (scale_ == 1 && origin_.isNull())
        return design;
    return QRectF(origin_ + QPointF(design.topLeft()) * scale_, QSizeF(design.size()) * scale_)
        .toAlignedRect();
}

qreal SpriteCanvas::pixelRatio(const QPainter& painter) {
    return painter.device()->devicePixelRatioF() * painter.worldTransform().m11();
}

void SpriteCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion& region = event->region();
    painter.translate(origin_);
    painter.scale(scale_, scale_);
    // Scaled, the design's area ends short of the canvas: nothing shows beyond it.
    if (scale_ != 1)
        painter.setClipRect(QRectF(0, 0, (width() - 2 * origin_.x()) / scale_,
                                   (height() - 2 * origin_.y()) / scale_));
    for (Sprite* sprite : sprites_) {
        if (!sprite->visible_)
            continue;
        const QRect bounds = sprite->bounds();
        if (!region.intersects(toView(bounds)))
            continue;
        sprite->paint(painter);
        // Painted where it stands now, before its frame came (the window was exposed, say):
        // that frame must clear this place too.
        if (sprite->marked_) {
            sprite->shownAt_ = sprite->onScreen_ ? sprite->shownAt_.united(bounds) : bounds;
            sprite->onScreen_ = true;
        }
    }
}

void SpriteCanvas::showEvent(QShowEvent*) {
    frameTimer_.setEnabled(true);
}

void SpriteCanvas::hideEvent(QHideEvent*) {
    frameTimer_.setEnabled(false);
    for (Sprite* sprite : sprites_)
        sprite->forgetPictures();
    // Out of sight, maybe for long: the window's picture goes too, and is made anew when it
    // shows again.
    QBackingStore* store = window()->backingStore();
    if (store && window()->isHidden())
        store->resize(QSize());
}

Sprite::Sprite(SpriteCanvas& canvas, float left, float top, float width, float height, bool visible,
               Layer layer)
    : canvas_(canvas), left_(left), top_(top), width_(width), height_(height), visible_(visible),
      layer_(layer) {
    canvas_.add(this);
    changed();
}

Sprite::~Sprite() {
    canvas_.remove(this);
}

void Sprite::move(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
}

PictureSprite::PictureSprite(SpriteCanvas& canvas, const QString& picture, float left, float top,
                             float width, float height, bool visible)
    : Sprite(canvas, left, top, width, height, visible), picture_(picture) {}

void PictureSprite::setPicture(const QString& picture) {
    if (picture == picture_)
        return;
    picture_ = picture;
    image_ = QImage();
    repaint();
}

std::unique_ptr<PictureSprite> PictureSprite::copyHidden() const {
    return std::make_unique<PictureSprite>(canvas(), picture_, left(), top(), width(), height(),
                                           false);
}

void PictureSprite::paint(QPainter& painter) {
    const qreal ratio = SpriteCanvas::pixelRatio(painter);
    if (image_.isNull() || image_.size() != (rect().size() * ratio).toSize())
        image_ = resources::picture(picture_, rect().size(), ratio);
    if (!image_.isNull())
        painter.drawImage(rect(), image_);
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

#include "AnimationPlayer.h"

#include "Clock.h"
#include "TextFile.h"

#include <QCache>
#include <QHash>
#include <QPainter>

#include <rlottie.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

// The frames a marker frameN names, played in a loop.
struct MovieSegment {
    int start = 0;
    int count = 1;
};

// One loaded Lottie file, shared by every player that shows it, with its rendered frames.
class Movie {
public:
    static std::shared_ptr<Movie> open(const QString& path);

    using Segment = MovieSegment;

    double fps() const { return fps_; }
    int totalFrames() const { return totalFrames_; }
    QSize size() const { return size_; }
    const Segment* segment(int frameNum) const {
        auto found = segments_.find(frameNum);
        return found == segments_.end() ? nullptr : &found->second;
    }
    // A frame from the frames every player of the movie shares.
    QImage frame(int number, QSize pixels, int quality);
    // A frame drawn into the caller's own buffer, which is reused from frame to frame.
    void renderInto(QImage& buffer, int number, QSize pixels);
    // Lets the renderer go; the file is read again when a frame is asked for.
    void release() { animation_.reset(); }

private:
    static std::unique_ptr<rlottie::Animation> parse(const QString& path);

    std::unique_ptr<rlottie::Animation> animation_;
    QString path_;
    int id_ = 0;
    double fps_ = 30;
    int totalFrames_ = 1;
    QSize size_;
    std::map<int, Segment> segments_;
};

namespace {

struct FrameKey {
    int movie;
    int frame;
    int width;
    int height;
    bool highQuality;
    bool operator==(const FrameKey&) const = default;
};

size_t qHash(const FrameKey& key, size_t seed = 0) noexcept {
    return qHashMulti(seed, key.movie, key.frame, key.width, key.height, key.highQuality);
}

// Rendered frames of the sprites' movies; 8 MB at most. The game's movies take under 1 MB
// at every size they are shown in.
QCache<FrameKey, QImage>& frameCache() {
    static QCache<FrameKey, QImage> cache(8 * 1024 * 1024);
    return cache;
}

} // namespace

std::shared_ptr<Movie> Movie::open(const QString& path) {
    // Each file is parsed once per program; rlottie objects stay on this one thread.
    static QHash<QString, std::weak_ptr<Movie>> loaded;
    if (auto existing = loaded.value(path).lock())
        return existing;

    // Times are turned into frames at this rate: from one frame a second, below which
    // nothing moves, to one a millisecond, the clock's finest step. A rate outside, infinite
    // or not a number at all makes the movie unusable, as a missing one.
    constexpr double slowestFps = 1;
    constexpr double fastestFps = 1000;
    auto animation = parse(path);
    if (!animation || animation->totalFrame() == 0 ||
        animation->totalFrame() > static_cast<size_t>(std::numeric_limits<int>::max()) ||
        !(animation->frameRate() >= slowestFps && animation->frameRate() <= fastestFps))
        return nullptr;

    auto movie = std::make_shared<Movie>();
    movie->path_ = path;
    // Frames are cached by this number, which no later movie takes again.
    static int movies = 0;
    movie->id_ = ++movies;
    movie->fps_ = animation->frameRate();
    movie->totalFrames_ = static_cast<int>(animation->totalFrame());
    size_t width = 0, height = 0;
    animation->size(width, height);
    movie->size_ = QSize(static_cast<int>(width), static_cast<int>(height));
    for (const auto& [name, start, end] : animation->markers()) {
        const QString marker = QString::fromStdString(name);
        bool isNumber = false;
        const int n =
            marker.startsWith(QLatin1String("frame")) ? marker.mid(5).toInt(&isNumber) : 0;
        const qint64 count = static_cast<qint64>(end) - start;
        if (isNumber && count > 0 && count <= std::numeric_limits<int>::max())
            movie->segments_[n] = {static_cast<int>(start), static_cast<int>(count)};
    }
    movie->animation_ = std::move(animation);
    loaded.insert(path, movie);
    return movie;
}

std::unique_ptr<rlottie::Animation> Movie::parse(const QString& path) {
    // Our movies are a few hundred kilobytes; a far larger file is not one of them.
    constexpr qsizetype maxMovieBytes = 16 * 1024 * 1024;
    QByteArray json;
    QString error;
    if (!files::readStart(path, maxMovieBytes + 1, &json, &error) || json.size() > maxMovieBytes)
        return nullptr;
    return rlottie::Animation::loadFromData(json.toStdString(), path.toStdString(), "");
}

QImage Movie::frame(int number, QSize pixels, int quality) {
    const FrameKey key{id_, number, pixels.width(), pixels.height(), quality >= 1};
    if (QImage* cached = frameCache().object(key))
        return *cached;
    QImage image;
    renderInto(image, number, pixels);
    frameCache().insert(key, new QImage(image), static_cast<int>(image.sizeInBytes()));
    return image;
}

void Movie::renderInto(QImage& buffer, int number, QSize pixels) {
    if (buffer.size() != pixels || !buffer.isDetached())
        buffer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (!animation_)
        animation_ = parse(path_);
    if (!animation_) {
        buffer.fill(Qt::transparent);
        return;
    }
    // rlottie clears the buffer itself and writes premultiplied ARGB.
    rlottie::Surface surface(reinterpret_cast<uint32_t*>(buffer.bits()), buffer.width(),
                             buffer.height(), buffer.bytesPerLine());
    animation_->renderSync(static_cast<size_t>(number), surface, true);
}

AnimationPlayer::AnimationPlayer(SpriteCanvas& canvas, float left, float top, float width,
                                 float height, Scale scale)
    : Sprite(canvas, left, top, width, height, true, Movies), scale_(scale) {}

AnimationPlayer::~AnimationPlayer() = default;

void AnimationPlayer::setMovie(const QString& path) {
    moviePath_ = path;
    movie_ = Movie::open(path);
    segment_ = movie_ ? movie_->segment(frameNum_) : nullptr;
    forgetImage();
    playStarted_ = false;
    frameStartMs_ = canvas().clock().nowMs();
    repaint();
}

void AnimationPlayer::setQuality(int quality) {
    if (quality == quality_)
        return;
    quality_ = quality;
    forgetImage();
    repaint();
}

void AnimationPlayer::setFrameNum(int frame) {
    playStarted_ = false;
    if (frame == frameNum_)
        return; // a segment already looping goes on smoothly
    frameNum_ = frame;
    segment_ = movie_ ? movie_->segment(frame) : nullptr;
    frameStartMs_ = canvas().clock().nowMs();
    repaint();
}

void AnimationPlayer::play() {
    if (!movie_)
        return;
    playStarted_ = true;
    playStartMs_ = canvas().clock().nowMs();
    repaint();
}

bool AnimationPlayer::isPlaying() const {
    if (!movie_ || !playStarted_)
        return false;
    const double durationMs = movie_->totalFrames() * 1000.0 / movie_->fps();
    return canvas().clock().nowMs() - playStartMs_ < durationMs;
}

std::unique_ptr<AnimationPlayer> AnimationPlayer::copyHidden() const {
    auto copy =
        std::make_unique<AnimationPlayer>(canvas(), left(), top(), width(), height(), scale_);
    copy->setVisible(false);
    copy->moviePath_ = moviePath_;
    copy->movie_ = movie_;
    copy->quality_ = quality_;
    copy->frameNum_ = frameNum_;
    copy->segment_ = segment_;
    copy->frameStartMs_ = frameStartMs_;
    return copy;
}

int AnimationPlayer::currentMovieFrame() const {
    if (!movie_)
        return -1;
    const qint64 now = canvas().clock().nowMs();
    const int last = movie_->totalFrames() - 1;
    if (playStarted_) {
        const auto elapsed = static_cast<qint64>((now - playStartMs_) * movie_->fps() / 1000.0);
        return static_cast<int>(std::min<qint64>(elapsed, last));
    }
    if (segment_) {
        const auto elapsed = static_cast<qint64>((now - frameStartMs_) * movie_->fps() / 1000.0);
        return segment_->start + static_cast<int>(elapsed % segment_->count);
    }
    return std::clamp(frameNum_, 0, last);
}

// Never more than the control: a movie that declares a larger size is fitted into it.
QRectF AnimationPlayer::drawRect() const {
    if (scale_ == Scale::NoScale && movie_ && movie_->size().width() <= width() &&
        movie_->size().height() <= height()) {
        QRectF movieRect(QPointF(), QSizeF(movie_->size()));
        movieRect.moveCenter(rect().center());
        return movieRect;
    }
    return rect();
}

QSize AnimationPlayer::pixels(qreal devicePixelRatio) const {
    const QSizeF target = drawRect().size() * devicePixelRatio;
    // Low quality renders a quarter of the pixels and shows them unsmoothed.
    return quality_ >= 1 ? target.toSize()
                         : QSize(static_cast<int>(std::ceil(target.width() / 2)),
                                 static_cast<int>(std::ceil(target.height() / 2)));
}

QImage AnimationPlayer::image(int frame, qreal devicePixelRatio) const {
    const QSize size = pixels(devicePixelRatio);
    if (!movie_ || size.isEmpty())
        return {};
    if (frame != imageFrame_ || size != image_.size()) {
        // A movie played through shows each frame once: it has one buffer of its own and
        // leaves the shared frames to the sprites that loop.
        if (playStarted_)
            movie_->renderInto(image_, frame, size);
        else
            image_ = movie_->frame(frame, size, quality_);
        imageFrame_ = frame;
    }
    return image_;
}

void AnimationPlayer::forgetImage() {
    image_ = QImage();
    imageFrame_ = -1;
}

void AnimationPlayer::forgetPictures() {
    forgetImage();
    // A movie no other player shows keeps no renderer while out of sight (the intro's, once
    // it has handed over); one that targets share stays.
    if (movie_ && movie_.use_count() == 1)
        movie_->release();
}

QImage AnimationPlayer::render(qreal devicePixelRatio) const {
    return image(currentMovieFrame(), devicePixelRatio);
}

void AnimationPlayer::paint(QPainter& painter) {
    const int frame = currentMovieFrame();
    const QImage shown = image(frame, SpriteCanvas::pixelRatio(painter));
    if (shown.isNull())
        return;
    paintedFrame_ = frame;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, quality_ >= 1);
    painter.drawImage(drawRect(), shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

bool AnimationPlayer::animates() const {
    if (!movie_)
        return false;
    if (playStarted_)
        return isPlaying();
    return segment_ && segment_->count > 1;
}

bool AnimationPlayer::needsRepaint() {
    return movie_ && currentMovieFrame() != paintedFrame_;
}

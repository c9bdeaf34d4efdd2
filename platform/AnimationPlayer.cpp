#include "AnimationPlayer.h"

#include "Clock.h"
#include "TextFile.h"

#include <QCache>
#include <QHash>
#include <QPainter>

#include <rlottie.h>

#include <algorithm>
#include <cmath>
#include <map>

// One loaded Lottie file, shared by every player that shows it, with its rendered frames.
class Movie {
public:
    static std::shared_ptr<Movie> open(const QString& path);

    struct Segment {
        int start = 0;
        int count = 1;
    };

    double fps() const { return fps_; }
    int totalFrames() const { return totalFrames_; }
    QSize size() const { return size_; }
    const Segment* segment(int frameNum) const {
        auto found = segments_.find(frameNum);
        return found == segments_.end() ? nullptr : &found->second;
    }
    QImage frame(int number, QSize pixels);

private:
    std::unique_ptr<rlottie::Animation> animation_;
    QString path_;
    double fps_ = 30;
    int totalFrames_ = 1;
    QSize size_;
    std::map<int, Segment> segments_;
};

namespace {

// Rendered frames by movie, frame, pixel size and quality; about 32 MB at most.
QCache<QString, QImage>& frameCache() {
    static QCache<QString, QImage> cache(32 * 1024 * 1024);
    return cache;
}

} // namespace

std::shared_ptr<Movie> Movie::open(const QString& path) {
    // Each file is parsed once per program; rlottie objects stay on this one thread.
    static QHash<QString, std::weak_ptr<Movie>> loaded;
    if (auto existing = loaded.value(path).lock())
        return existing;

    // Our movies are a few hundred kilobytes; a far larger file is not one of them.
    constexpr qsizetype maxMovieBytes = 16 * 1024 * 1024;
    QByteArray json;
    QString error;
    if (!files::readStart(path, maxMovieBytes + 1, &json, &error) || json.size() > maxMovieBytes)
        return nullptr;
    auto animation = rlottie::Animation::loadFromData(json.toStdString(), path.toStdString(), "");
    if (!animation || animation->totalFrame() == 0)
        return nullptr;

    auto movie = std::make_shared<Movie>();
    movie->path_ = path;
    movie->fps_ = animation->frameRate() > 0 ? animation->frameRate() : 30.0;
    movie->totalFrames_ = static_cast<int>(animation->totalFrame());
    size_t width = 0, height = 0;
    animation->size(width, height);
    movie->size_ = QSize(static_cast<int>(width), static_cast<int>(height));
    for (const auto& [name, start, end] : animation->markers()) {
        const QString marker = QString::fromStdString(name);
        bool isNumber = false;
        const int n =
            marker.startsWith(QLatin1String("frame")) ? marker.mid(5).toInt(&isNumber) : 0;
        if (isNumber && end > start)
            movie->segments_[n] = {static_cast<int>(start), static_cast<int>(end - start)};
    }
    movie->animation_ = std::move(animation);
    loaded.insert(path, movie);
    return movie;
}

QImage Movie::frame(int number, QSize pixels) {
    const QString key = QStringLiteral("%1|%2|%3x%4")
                            .arg(path_)
                            .arg(number)
                            .arg(pixels.width())
                            .arg(pixels.height());
    if (QImage* cached = frameCache().object(key))
        return *cached;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    // rlottie clears the buffer itself and writes premultiplied ARGB.
    rlottie::Surface surface(reinterpret_cast<uint32_t*>(image.bits()), image.width(),
                             image.height(), image.bytesPerLine());
    animation_->renderSync(static_cast<size_t>(number), surface, true);
    frameCache().insert(key, new QImage(image), static_cast<int>(image.sizeInBytes()));
    return image;
}

AnimationPlayer::AnimationPlayer(SpriteCanvas& canvas, float left, float top, float width,
                                 float height, Scale scale)
    : Sprite(canvas, left, top, width, height), scale_(scale) {}

AnimationPlayer::~AnimationPlayer() = default;

void AnimationPlayer::setMovie(const QString& path) {
    moviePath_ = path;
    movie_ = Movie::open(path);
    playStarted_ = false;
    frameStartMs_ = canvas().clock().nowMs();
    repaint();
}

void AnimationPlayer::setQuality(int quality) {
    if (quality == quality_)
        return;
    quality_ = quality;
    repaint();
}

void AnimationPlayer::setFrameNum(int frame) {
    playStarted_ = false;
    if (frame == frameNum_)
        return; // a segment already looping goes on smoothly
    frameNum_ = frame;
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
    if (const Movie::Segment* segment = movie_->segment(frameNum_)) {
        const auto elapsed = static_cast<qint64>((now - frameStartMs_) * movie_->fps() / 1000.0);
        return segment->start + static_cast<int>(elapsed % segment->count);
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

QImage AnimationPlayer::render(qreal devicePixelRatio) const {
    if (!movie_)
        return {};
    const QSizeF target = drawRect().size() * devicePixelRatio;
    // Low quality renders a quarter of the pixels and shows them unsmoothed.
    const QSize pixels = quality_ >= 1 ? target.toSize()
                                       : QSize(static_cast<int>(std::ceil(target.width() / 2)),
                                               static_cast<int>(std::ceil(target.height() / 2)));
    if (pixels.isEmpty())
        return {};
    return movie_->frame(currentMovieFrame(), pixels);
}

void AnimationPlayer::paint(QPainter& painter) {
    const QImage image = render(painter.device()->devicePixelRatioF());
    if (image.isNull())
        return;
    paintedFrame_ = currentMovieFrame();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, quality_ >= 1);
    painter.drawImage(drawRect(), image);
    painter.restore();
}

bool AnimationPlayer::needsRepaint() {
    return movie_ && currentMovieFrame() != paintedFrame_;
}

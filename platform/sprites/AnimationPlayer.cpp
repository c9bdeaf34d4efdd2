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

// One loaded Lottie file, shared by every player that shows it.
class Movie {
public:
    static std::shared_ptr<Movie> open(const QString& path);
    ~Movie();

    using Segment = MovieSegment;

    double fps() const { return fps_; }
    int totalFrames() const { return totalFrames_; }
    QSize size() const { return size_; }
    const Segment* segment(int frameNum) const {
        auto found = segments_.find(frameNum);
        return found == segments_.end() ? nullptr : &found->second;
    }
    // A frame from the frames kept for the movie's file, which outlive the movie.
    QImage frame(int number, QSize pixels, int quality);
    // A frame drawn into the caller's own buffer, which is reused from frame to frame.
    void renderInto(QImage& buffer, int number, QSize pixels);
    // Lets the renderer go; the file is read again when a frame is asked for.
    void release() { animation_.reset(); }

private:
    static std::unique_ptr<rlottie::Animation> parse(const QString& path);

    std::unique_ptr<rlottie::Animation> animation_;
    QString path_;
    int file_ = 0;
    double fps_ = 30;
    int totalFrames_ = 1;
    int loopFrames_ = 1; // the frames its loops may show; one still frame without loops
    QSize size_;
    std::map<int, Segment> segments_;
};

namespace {

// A frame by its movie file, number, size in pixels and quality.
struct FrameKey {
    int file;
    int frame;
    int width;
    int height;
    bool highQuality;
    bool operator==(const FrameKey&) const = default;
};

size_t qHash(const FrameKey& key, size_t seed = 0) noexcept {
    return qHashMulti(seed, key.file, key.frame, key.width, key.height, key.highQuality);
}

// The rendered frames of looping movies, by file: a movie opened again (the next game's
// Gorvan and targets) finds its frames drawn. It holds what the files shown need, measured
// as they are shown: for each file, every frame of its loops at the largest size it has been
// shown in, so a game's frames never push each other out and nothing beyond them is kept.
class FrameCache {
public:
    static FrameCache& instance() {
        static FrameCache cache;
        return cache;
    }

    // The file's number, the same for as long as its frames are kept, and its open movie.
    int file(const QString& path) {
        auto found = files_.find(path);
        if (found == files_.end())
            found = files_.insert(path, {++lastFile_, 0, {}});
        return found->id;
    }
    std::shared_ptr<Movie> openMovie(const QString& path) const {
        const auto found = files_.find(path);
        return found == files_.end() ? nullptr : found->movie.lock();
    }
    void opened(const QString& path, const std::shared_ptr<Movie>& movie) {
        files_[path].movie = movie;
        closed_.removeOne(path);
    }
    // The files of the closed movies keep their frames, the latest few of them.
    void closed(const QString& path) {
        closed_.removeOne(path);
        closed_.push_back(path);
        while (closed_.size() > keptClosedFiles)
            forget(closed_.takeFirst());
    }

    const QImage* find(const FrameKey& key) { return frames_.object(key); }
    // loopBytes: every frame of the file's loops at this frame's size.
    void insert(const QString& path, const FrameKey& key, const QImage& image, qint64 loopBytes) {
        auto& record = files_[path];
        if (loopBytes > record.need) {
            record.need = loopBytes;
            resize();
        }
        frames_.insert(key, new QImage(image), image.sizeInBytes());
    }

    qint64 bytes() const { return frames_.totalCost(); }

private:
    // Movies the game no longer shows but may open again: the intro's, Gorvan's and the
    // targets' between games, with room to spare.
    static constexpr qsizetype keptClosedFiles = 4;
    // A movie with thousands of frames in its loops is not ours: it draws them anew each
    // time rather than filling memory.
    static constexpr qint64 largestNeed = 32 * 1024 * 1024;

    struct File {
        int id = 0;
        qint64 need = 0;
        std::weak_ptr<Movie> movie;
    };

    void forget(const QString& path) {
        const auto found = files_.find(path);
        if (found == files_.end() || !found->movie.expired())
            return;
        const int id = found->id;
        files_.erase(found);
        for (const FrameKey& key : frames_.keys()) {
            if (key.file == id)
                frames_.remove(key);
        }
        resize();
    }
    void resize() {
        qint64 need = 0;
        for (const File& file : files_)
            need += file.need;
        frames_.setMaxCost(std::min(need, largestNeed));
    }

    QCache<FrameKey, QImage> frames_{0};
    QHash<QString, File> files_;
    QStringList closed_;
    int lastFile_ = 0;
};

} // namespace

qint64 AnimationPlayer::cachedFrameBytes() {
    return FrameCache::instance().bytes();
}

std::shared_ptr<Movie> Movie::open(const QString& path) {
    // Each file is parsed once while it is shown; rlottie objects stay on this one thread.
    FrameCache& cache = FrameCache::instance();
    if (auto existing = cache.openMovie(path))
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
    movie->file_ = cache.file(path);
    movie->fps_ = animation->frameRate();
    movie->totalFrames_ = static_cast<int>(animation->totalFrame());
    size_t width = 0, height = 0;
    animation->size(width, height);
    movie->size_ = QSize(static_cast<int>(width), static_cast<int>(height));
    qint64 loopFrames = 0;
    for (const auto& [name, start, end] : animation->markers()) {
        const QString marker = QString::fromStdString(name);
        bool isNumber = false;
        const int n =
            marker.startsWith(QLatin1String("frame")) ? marker.mid(5).toInt(&isNumber) : 0;
        const qint64 count = static_cast<qint64>(end) - start;
        if (isNumber && count > 0 && count <= std::numeric_limits<int>::max()) {
            movie->segments_[n] = {static_cast<int>(start), static_cast<int>(count)};
            loopFrames += count;
        }
    }
    movie->loopFrames_ = static_cast<int>(std::clamp<qint64>(loopFrames, 1, movie->totalFrames_));
    movie->animation_ = std::move(animation);
    cache.opened(path, movie);
    return movie;
}

Movie::~Movie() {
    FrameCache::instance().closed(path_);
}

std::unique_ptr<rlottie::Animation> Movie::parse(const QString& path) {
    // Our movies are a few hundred kilobytes; a far larger file is not one of them.
    constexpr qsizetype maxMovieBytes = 16 * 1024 * 1024;
    QByteArray json;
    QString error;
    if (!files::readStart(path, maxMovieBytes + 1, &json, &error) || json.size() > maxMovieBytes)
        return nullptr;
    // Not kept in rlottie's own cache as well: a movie no player shows lets go of all it holds.
    return rlottie::Animation::loadFromData(json.toStdString(), path.toStdString(), "", false);
}

QImage Movie::frame(int number, QSize pixels, int quality) {
    FrameCache& cache = FrameCache::instance();
    const FrameKey key{file_, number, pixels.width(), pixels.height(), quality >= 1};
    if (const QImage* cached = cache.find(key))
        return *cached;
    QImage image;
    renderInto(image, number, pixels);
    cache.insert(path_, key, image, image.sizeInBytes() * loopFrames_);
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

#pragma once

#include "Sprite.h"

#include <memory>

class Movie;
struct MovieSegment;

// Shows a Lottie movie in a sprite's rectangle, on a transparent background.
//
// A movie with markers named frame0, frame1, ... plays marker n's segment in a loop when
// frame n is chosen (targets spin, Gorvan walks); without markers frame n is the still
// frame n. Quality 0 or less draws at half resolution without smoothing; 1 or more at full
// resolution for the screen. A movie that is missing or broken shows nothing.
class AnimationPlayer final : public Sprite {
public:
    enum class Scale { ShowAll, NoScale };

    AnimationPlayer(SpriteCanvas& canvas, float left, float top, float width, float height,
                    Scale scale = Scale::ShowAll);
    ~AnimationPlayer() override;

    void setMovie(const QString& path);
    const QString& movie() const { return moviePath_; }
    bool loaded() const { return movie_ != nullptr; }
    void setQuality(int quality);
    int quality() const { return quality_; }
    void setFrameNum(int frame);
    int frameNum() const { return frameNum_; }

    // Runs the whole timeline once; playing until its last frame has come.
    void play();
    bool isPlaying() const;

    // Another of a row of like players (the targets): a hidden copy with this movie and
    // quality.
    std::unique_ptr<AnimationPlayer> copyHidden() const;

    // The movie frame on screen now.
    int currentMovieFrame() const;
    // The picture painted now, at the given pixel ratio (empty without a movie).
    QImage render(qreal devicePixelRatio) const;

    // The bytes of the frames kept for the movies' files, whoever shows them.
    static qint64 cachedFrameBytes();

    void paint(QPainter& painter) override;
    bool animates() const override;
    bool needsRepaint() override;
    void forgetPictures() override;

private:
    QRectF drawRect() const;
    QSize pixels(qreal devicePixelRatio) const;
    // The frame's picture at the pixel ratio (empty without a movie), kept while it is shown.
    QImage image(int frame, qreal devicePixelRatio) const;
    void forgetImage();

    Scale scale_;
    QString moviePath_;
    std::shared_ptr<Movie> movie_;
    int quality_ = 1;
    int frameNum_ = 0;
    const MovieSegment* segment_ = nullptr; // the looping segment of frameNum_, if any
    qint64 frameStartMs_ = 0;
    bool playStarted_ = false;
    qint64 playStartMs_ = 0;
    int paintedFrame_ = -1;
    // The picture of the frame shown last, so that a sprite that only moves asks nothing.
    mutable QImage image_;
    mutable int imageFrame_ = -1;
};

#pragma once

#include <QLabel>

// A caption on a window: transparent, in the texts' font. An auto-sized label takes the
// width of its text whenever the caption changes.
class Label final : public QLabel {
public:
    Label(QWidget* window, const QString& caption, int left, int top, int width, int height,
          bool autoSize = true, QColor color = QColor(240, 240, 240), bool bold = false);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);
    bool autoSize() const { return autoSize_; }

    // An auto-sized label that would pass its parent's right edge is centred in the parent
    // instead, so it stays whole; it goes back to its own left edge when the text fits there.
    void setKeepInside(bool on) { keepInside_ = on; }
    // An auto-sized label centred in its parent, whatever its own left edge; from the next
    // caption on.
    void setCentred(bool on) { centred_ = on; }

    // An opaque label, with a one-pixel outline when one is given: banners and table cells.
    void setBackdrop(QColor fill, QColor outline = QColor());

    // Shows the label `scale` times larger from `origin`, its font too (a window full screen);
    // its place and size stay in design units.
    void setView(qreal scale, QPointF origin);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool autoSize_;
    bool keepInside_ = false;
    bool centred_ = false;
    int designLeft_ = 0;
    void place();
    QRectF design_;
    QFont designFont_;
    qreal scale_ = 1;
    QPointF origin_;
    QColor fill_, outline_; // no backdrop while invalid
};

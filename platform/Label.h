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

    // An opaque label with a one-pixel outline, as the banners and table cells are drawn.
    void setBackdrop(QColor fill, QColor outline);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool autoSize_;
    QColor fill_, outline_; // no backdrop while invalid
};

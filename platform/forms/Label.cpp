#include "Label.h"

#include "Accessible.h"
#include "Controls.h"
#include "Resources.h"

#include <QFontMetrics>
#include <QPainter>

Label::Label(QWidget* window, const QString& caption, int left, int top, int width, int height,
             bool autoSize, QColor color, bool bold)
    : QLabel(window), autoSize_(autoSize) {
    accessible::installFactory();
    setFont(resources::textFont(bold));
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setGeometry(left, top, width, height);
    designLeft_ = left;
    design_ = QRectF(left, top, width, height);
    designFont_ = font();
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    // A screen reader hears a changed value: a label named for what it counts, and a key box,
    // describe themselves by the caption.
    if (!accessibleName().isEmpty())
        setAccessibleDescription(caption);
    if (auto* box = dynamic_cast<PictureBox*>(parentWidget()))
        box->setAccessibleDescription(caption);
    if (!autoSize_)
        return;
    const int width = std::max(1, fontMetrics().horizontalAdvance(caption));
    if (scale_ != 1 || !origin_.isNull()) {
        design_.setWidth(width / scale_);
        place();
        return;
    }
    int left = designLeft_;
    if (parentWidget() && (centred_ || (keepInside_ && left + width > parentWidget()->width())))
        left = std::max(0, (parentWidget()->width() - width) / 2);
    setGeometry(left, y(), width, height());
    design_ = QRectF(left, y(), width, height());
}

void Label::setView(qreal scale, QPointF origin) {
    if (scale == scale_ && origin == origin_)
        return;
    scale_ = scale;
    origin_ = origin;
    QFont shown = designFont_;
    if (shown.pixelSize() > 0)
        shown.setPixelSize(std::max(1, static_cast<int>(shown.pixelSize() * scale)));
    else
        shown.setPointSizeF(shown.pointSizeF() * scale);
    setFont(shown);
    if (autoSize_)
        design_.setWidth(std::max(1, fontMetrics().horizontalAdvance(text())) / scale);
    place();
}

void Label::place() {
    QRect shown = QRectF(origin_ + design_.topLeft() * scale_, design_.size() * scale_).toRect();
    // Text does not grow exactly with its font: a fixed label widens on its free side rather
    // than cut its caption.
    if (const int text = fontMetrics().horizontalAdvance(this->text()); text > shown.width()) {
        if (alignment() & Qt::AlignRight)
            shown.setLeft(shown.right() - text);
        else
            shown.setWidth(text);
    }
    setGeometry(shown);
}

void Label::setBackdrop(QColor fill, QColor outline) {
    fill_ = fill;
    outline_ = outline;
    if (outline.isValid())
        setContentsMargins(1, 1, 1, 1);
    update();
}

void Label::paintEvent(QPaintEvent* event) {
    if (fill_.isValid()) {
        QPainter painter(this);
        if (outline_.isValid()) {
            painter.fillRect(rect(), outline_);
            painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
        } else {
            painter.fillRect(rect(), fill_);
        }
    }
    QLabel::paintEvent(event);
}

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
    int left = designLeft_;
    if (keepInside_ && parentWidget() && left + width > parentWidget()->width())
        left = std::max(0, (parentWidget()->width() - width) / 2);
    setGeometry(left, y(), width, height());
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

#include "Label.h"

#include "Resources.h"

#include <QFontMetrics>

Label::Label(QWidget* window, const QString& caption, int left, int top, int width, int height,
             bool autoSize, QColor color, bool bold)
    : QLabel(window), autoSize_(autoSize) {
    setFont(resources::textFont(bold));
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setGeometry(left, top, width, height);
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    if (autoSize_)
        resize(std::max(1, fontMetrics().horizontalAdvance(caption)), height());
}

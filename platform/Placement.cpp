#include "Placement.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace placement {

namespace {
QMargins framed(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle && window.isVisible() ? handle->frameMargins() : QMargins();
}
} // namespace

QMargins frameOf(const QWidget& window) {
    if (const QMargins own = framed(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (const QMargins frame = framed(*other); !frame.isNull())
            return frame;
    }
    return {};
}

void centre(QWidget& window, const QRect& area) {
    const QMargins frame = frameOf(window);
    QRect outer(QPoint(0, 0), window.size().grownBy(frame));
    outer.moveCenter(area.center());
    // The inner area's place: the window manager puts the frame around it.
    window.setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace placement

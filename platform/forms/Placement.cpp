#include "Placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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
    // Over an owner near the edge of the screen, the window still stays whole on the screen.
    if (const QScreen* screen = window.screen()) {
        const QRect bounds = screen->availableGeometry();
        outer.moveLeft(
            std::max(bounds.left(), std::min(outer.left(), bounds.right() - outer.width() + 1)));
        outer.moveTop(
            std::max(bounds.top(), std::min(outer.top(), bounds.bottom() - outer.height() + 1)));
    }
    // The inner area's place: the window manager puts the frame around it.
    window.setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace placement

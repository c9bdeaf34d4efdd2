#include "X11Windows.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

DestroyedWindows::DestroyedWindows(std::function<void(quintptr window)> destroyed)
    : destroyed_(std::move(destroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyedWindows::~DestroyedWindows() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

// Also the program's own windows that the toolkit destroys are reported; the receiver knows
// which of them are still meant to be shown.
bool DestroyedWindows::nativeEventFilter(const QByteArray& eventType, void* message,
                                         qintptr* /*result*/) {
    if (eventType != QByteArrayLiteral("xcb_generic_event_t"))
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY)
        destroyed_(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window);
    return false;
}

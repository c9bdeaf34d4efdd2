#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

// Tells of each window of the program that another client destroys outright (XDestroyWindow,
// as `xdotool windowclose` does). The toolkit does not notice: it goes on as if the window were
// still on the screen. Sees nothing off X11; while it lives, it watches.
class DestroyedWindows final : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindows(std::function<void(quintptr window)> destroyed);
    ~DestroyedWindows() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void(quintptr)> destroyed_;
};

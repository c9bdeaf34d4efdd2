#pragma once

#include <QString>

class QWidget;

// A modal box with one OK button and the program's title. Returns when it is closed;
// timers that are still enabled go on firing meanwhile.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& text) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    void show(const QString& text) override;
};

#pragma once

#include <QString>

class QWidget;

// A modal box with one OK button and the program's title, owned by the window that shows it:
// kept above that window and centred over it. Returns when it is closed; timers that are
// still enabled go on firing meanwhile.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    // A box may also be answered by one key (a virtual-key code, 0 for none), pressed anew:
    // the key that opened a pause closes it again.
    void show(QWidget& owner, const QString& text, int answerKey = 0);

    // While one of the program's boxes is open no window of the program may close, however
    // it is asked to: the handler that opened the box still runs and needs its window.
    bool isOpen() const { return open_ > 0; }

protected:
    virtual void showModal(QWidget& owner, const QString& text, int answerKey) = 0;

private:
    int open_ = 0;
};

class QtMessageBox final : public MessageBox {
protected:
    void showModal(QWidget& owner, const QString& text, int answerKey) override;
};

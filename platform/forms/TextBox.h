#pragma once

#include <QLineEdit>

#include <functional>

// A one-line text box. Every typed character passes through onKeyPress first, which may
// replace its code by 0 to drop it; backspace comes as 8. Text pasted or set in code does
// not pass there. onChange follows every change of the text.
class TextBox final : public QLineEdit {
public:
    TextBox(QWidget* window, int left, int top, int width, int height);

    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onChange;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

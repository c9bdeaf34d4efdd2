#include "TextBox.h"

#include "Keys.h"
#include "Resources.h"

#include <QKeyEvent>

TextBox::TextBox(QWidget* window, int left, int top, int width, int height) : QLineEdit(window) {
    setFont(resources::textFont());
    setGeometry(left, top, width, height);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            onChange();
    });
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    int code = 0;
    if (event->key() == Qt::Key_Backspace)
        code = keys::Backspace;
    else if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
             !(event->modifiers() & Qt::ControlModifier))
        code = event->text().at(0).unicode();
    if (code != 0 && onKeyPress) {
        int keyAscii = code;
        onKeyPress(keyAscii);
        if (keyAscii == 0)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

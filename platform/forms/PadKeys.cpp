#include "PadKeys.h"

#include "Form.h"

#include <QApplication>
#include <QKeyEvent>

void deliverPadButton(PadButton button, bool down) {
    QWidget* target = QApplication::activeModalWidget();
    if (!target) {
        auto* form = dynamic_cast<Form*>(QApplication::activeWindow());
        if (form && form->isEnabled() && form->padButton(button, down))
            return;
        target = QApplication::focusWidget() ? QApplication::focusWidget()
                                             : QApplication::activeWindow();
    }
    if (!target)
        return;
    static const Qt::Key keys[padButtonCount] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                                 Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape,
                                                 Qt::Key_P};
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, keys[int(button)],
                    Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

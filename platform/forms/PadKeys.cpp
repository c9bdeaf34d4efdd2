#include "PadKeys.h"

#include "Form.h"

#include <QApplication>
#include <QKeyEvent>

void deliverPadButton(PadButton button, bool down, const PadKeys& keys) {
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
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, keys[int(button)],
                    Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

#include "MessageBox.h"

#include "Display.h"
#include "Keys.h"
#include "Placement.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace {

const QString title = QStringLiteral("Vexaroo");

// The window the box stands over: its owner once that is on the screen. A window still
// loading is not yet, so its box goes over the window the player sees.
QWidget* shownOwner(QWidget& owner) {
    if (owner.window()->isVisible())
        return owner.window();
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            return window;
    }
    return nullptr;
}

class OwnedBox final : public QMessageBox {
public:
    OwnedBox(QWidget* over, const QString& text, int answerKey)
        : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok), over_(over),
          answerKey_(answerKey) {
        // A screen reader reads the box as a dialog named "Vexaroo", with its text.
        setAccessibleName(title);
        setAccessibleDescription(text);
        // Window managers title their frames in a larger bold font, between an icon and two
        // or three buttons: without that room the title is cut. The box sizes itself to its
        // layout whenever that changes, so the room is a part of the layout.
        QFont titleFont = font();
        titleFont.setBold(true);
        titleFont.setPixelSize(16);
        const int titleBar = QFontMetrics(titleFont).horizontalAdvance(title) + 160;
        if (auto* grid = qobject_cast<QGridLayout*>(layout()))
            grid->addItem(new QSpacerItem(titleBar, 0), grid->rowCount(), 0, 1,
                          grid->columnCount());
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // A held key repeats: only a fresh press answers, or holding it would open and close
        // the box in turn.
        if (answerKey_ != 0 && !event->isAutoRepeat() && keys::virtualKeyCode(*event) == answerKey_)
            accept();
        else
            QMessageBox::keyPressEvent(event);
    }

    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event); // sizes the box to its text
        if (over_) {
            windowHandle()->setTransientParent(over_->windowHandle());
            placement::centre(*this, over_->frameGeometry());
        }
        if (display::onWayland())
            windowHandle()->installEventFilter(this);
    }

    // A Wayland compositor need not give a new box the keys (sway leaves them with an owner
    // that fills the screen), and a client cannot take them: once the box is on the screen it
    // asks for them, as X11's managers give them.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == windowHandle() && event->type() == QEvent::Expose &&
            windowHandle()->isExposed()) {
            windowHandle()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { activateWindow(); });
        }
        return QMessageBox::eventFilter(watched, event);
    }

private:
    QWidget* over_;
    int answerKey_;
};

} // namespace

void MessageBox::show(QWidget& owner, const QString& text, int answerKey) {
    ++open_;
    showModal(owner, text, answerKey);
    --open_;
}

void QtMessageBox::showModal(QWidget& owner, const QString& text, int answerKey) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    OwnedBox box(shownOwner(owner), shown, answerKey);
    box.exec();
}

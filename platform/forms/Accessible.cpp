#include "Accessible.h"

#include "Controls.h"
#include "Form.h"
#include "Label.h"

#include <QAccessibleWidget>

namespace {

class PictureAccessible final : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return box()->onClick ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->onClick)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && box()->onClick && box()->isEnabled())
            box()->onClick();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

// A label is read as its caption; one that takes clicks is a push button, except the key's
// name inside a key box, which is a part of the box.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return watcher() ? QAccessible::Button : QAccessible::StaticText;
    }

    // Its own caption, not the title of the frame it stands in.
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? label()->caption() : name;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (watcher())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && watcher())
            watcher()->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }

    ClickWatcher* watcher() const {
        auto* box = dynamic_cast<PictureBox*>(label()->parentWidget());
        if (box && box->onClick)
            return nullptr;
        for (QObject* child : label()->children())
            if (auto* found = dynamic_cast<ClickWatcher*>(child))
                return found;
        return nullptr;
    }
};

QAccessibleInterface* factory(const QString& /*className*/, QObject* object) {
    if (auto* form = dynamic_cast<Form*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    if (auto* box = dynamic_cast<PictureBox*>(object))
        return new PictureAccessible(box);
    if (auto* label = dynamic_cast<Label*>(object))
        return new LabelAccessible(label);
    return nullptr;
}

} // namespace

namespace accessible {

void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace accessible

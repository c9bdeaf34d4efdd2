#include "Form.h"
#include "Doubles.h"
#include "MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class ProbeForm final : public Form {
public:
    explicit ProbeForm(Services& given) : Form(given, "Probe", 200, 100) { setKeyPreview(true); }
    void Form_Load() override { ++loads; }
    void Form_Unload(int&) override { ++unloads; }
    void Form_KeyDown(int code, int shift) override { events.push_back({'d', code, shift}); }
    void Form_KeyUp(int code, int shift) override { events.push_back({'u', code, shift}); }

    struct Key {
        char kind;
        int code;
        int shift;
        bool operator==(const Key&) const = default;
        friend void PrintTo(const Key& k, std::ostream* os) {
            *os << k.kind << k.code << '/' << k.shift;
        }
    };
    std::vector<Key> events;
    int loads = 0;
    int unloads = 0;
};

} // namespace

TEST(Form, ClientSizeAndLoadOnce) {
    TestWorld world;
    ProbeForm form(world.services);
    EXPECT_EQ(form.scaleWidth(), 200.0f);
    EXPECT_EQ(form.scaleHeight(), 100.0f);
    form.load();
    form.load();
    EXPECT_EQ(form.loads, 1);
}

TEST(Form, KeyEventsArriveAsVirtualKeyCodesWithARepeatedDownAndOneUp) {
    TestWorld world;
    ProbeForm form(world.services);
    QTest::keyPress(&form, Qt::Key_Right); // a hidden window takes no keys
    form.show();
    QTest::keyPress(&form, Qt::Key_Right);
    QTest::keyPress(&form, Qt::Key_Right); // auto-repeat: another key-down
    QTest::keyRelease(&form, Qt::Key_Right);
    EXPECT_EQ(form.events.size(), 2u); // the release is held back a moment
    world.clock.advance(10);
    QTest::keyPress(&form, Qt::Key_A, Qt::ShiftModifier);
    const std::vector<ProbeForm::Key> expected = {
        {'d', 39, 0}, {'d', 39, 0}, {'u', 39, 0}, {'d', 16, 1}, {'d', 65, 1}};
    EXPECT_EQ(form.events, expected);
}

// A release followed at once by a press of the same key is X11's auto-repeat: the key stays
// down. A pending release still goes out before any other key.
TEST(Form, AReleaseAndAPressOfTheSameKeyAtOnceAreAutoRepeat) {
    using Key = ProbeForm::Key;
    const struct {
        Qt::Key second;
        std::vector<Key> expected;
    } rows[] = {{Qt::Key_Space, {{'d', 32, 0}, {'d', 32, 0}}},
                {Qt::Key_Up, {{'d', 32, 0}, {'u', 32, 0}, {'d', 38, 0}}}};
    for (const auto& row : rows) {
        TestWorld world;
        ProbeForm form(world.services);
        form.show();
        QTest::keyPress(&form, Qt::Key_Space);
        QTest::keyRelease(&form, Qt::Key_Space);
        QTest::keyPress(&form, row.second);
        world.clock.advance(50);
        EXPECT_EQ(form.events, row.expected);
    }
}

// A close from the frame unloads the form, and the window goes after the handler; a disabled
// form ignores it and its keys.
TEST(Form, TheCloseButtonUnloadsAnEnabledFormAndTheWindowGoesAfterTheHandler) {
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        TestWorld world;
        QPointer<ProbeForm> form = new ProbeForm(world.services);
        form->setEnabled(enabled);
        form->show();
        QTest::keyPress(form, Qt::Key_Left);
        EXPECT_EQ(form->events.empty(), !enabled);
        closeByFrame(*form);
        ASSERT_TRUE(form);
        EXPECT_EQ(form->unloads, enabled ? 1 : 0);
        EXPECT_EQ(form->isUnloaded(), enabled);
        EXPECT_EQ(form->isVisible(), !enabled);
        form->unload(); // after a close, a second unload does nothing
        EXPECT_EQ(form->unloads, 1);
        processDeferredDeletes();
        EXPECT_FALSE(form);
    }
}

// The box's own key answers it as OK does, but only pressed anew: a held key's repeats do not,
// and a box without one ignores it.
TEST(MessageBox, ItsAnswerKeyClosesItWhenPressedAnew) {
    struct Row {
        int answerKey;
        bool autoRepeat;
        bool answered;
    };
    QWidget owner;
    owner.show();
    for (const Row row : {Row{80, false, true}, Row{80, true, false}, Row{0, false, false}}) {
        bool byKey = false;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QKeyEvent p(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier, "p", row.autoRepeat);
            QCoreApplication::sendEvent(box, &p);
            byKey = QApplication::activeModalWidget() == nullptr || !box->isVisible();
            if (!byKey)
                box->close();
        });
        QtMessageBox().show(owner, "Game Paused", row.answerKey);
        EXPECT_EQ(byKey, row.answered) << row.answerKey << " " << row.autoRepeat;
    }
}

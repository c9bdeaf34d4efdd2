#include "Controls.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// A push button tells at a glance whether it can be pressed and whether it has the keys.
TEST(CommandButton, ADisabledCaptionIsGreyAndTheFocusIsShown) {
    QWidget window;
    CommandButton button(&window, QStringLiteral("Submit"), 0, 0, 61, 21);
    CommandButton other(&window, QStringLiteral("Cancel"), 0, 30, 61, 21);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const auto dark = [](QRgb c) { return qGray(c) < 40; };
    const auto grey = [](QRgb c) { return qGray(c) > 100 && qGray(c) < 160; };
    const auto count = [&](QRect area, auto test) {
        const QImage shot = button.grab().toImage();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += test(shot.pixel(x, y)) ? 1 : 0;
        return n;
    };
    const QRect caption(8, 5, 45, 11);
    const QRect focusLine(5, 3, 51, 1); // the top of the dotted rectangle

    // A black caption has grey edges; a greyed one has no black at all.
    const struct {
        bool enabled, focused;
        bool darkCaption, dotted;
    } cases[] = {
        {true, false, true, false},
        {true, true, true, true},
        {false, false, false, false},
    };
    for (const auto& c : cases) {
        button.setEnabled(c.enabled);
        (c.focused ? button : other).setFocus();
        const std::string state =
            std::string(c.enabled ? "enabled" : "disabled") + (c.focused ? ", focused" : "");
        EXPECT_EQ(count(caption, dark) > 20, c.darkCaption) << state;
        EXPECT_GT(count(caption, grey), 20) << state << ": no caption";
        EXPECT_EQ(count(focusLine, dark) > 10, c.dotted) << state;
    }
}

#include "Controls.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

// A push button tells at a glance whether it can be pressed and whether it has the keys.
TEST(CommandButton, ADisabledCaptionIsGreyAndTheFocusIsShown) {
    QWidget window;
    CommandButton button(&window, "Submit", 0, 0, 61, 21);
    CommandButton other(&window, "Cancel", 0, 30, 61, 21);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Pixels of an area whose grey level lies in [low, high).
    const auto count = [&](QRect area, int low, int high) {
        const QImage shot = button.grab().toImage();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += qGray(shot.pixel(x, y)) >= low && qGray(shot.pixel(x, y)) < high;
        return n;
    };
    const QRect caption(8, 5, 45, 11), focusLine(5, 3, 51, 1);
    for (const auto& [enabled, focused] : {std::pair{true, false}, {true, true}, {false, false}}) {
        button.setEnabled(enabled);
        (focused ? button : other).setFocus();
        // A black caption has grey edges; a greyed one has no black at all.
        EXPECT_EQ(count(caption, 0, 40) > 20, enabled) << enabled << focused;
        EXPECT_GT(count(caption, 100, 160), 20) << "no caption";
        EXPECT_EQ(count(focusLine, 0, 40) > 10, focused) << "dotted focus " << focused;
    }
}

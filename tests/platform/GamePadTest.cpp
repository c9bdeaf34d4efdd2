#include "GamePad.h"

#include <gtest/gtest.h>

// The D-pad and the left stick beyond its dead zone are the four directions; south and the
// right trigger from half way are fire.
TEST(GamePad, ButtonsAndAxesBecomeHeldButtonsWithADeadZone) {
    using B = PadButton;
    const struct {
        PadReading reading;
        std::vector<B> held;
    } rows[] = {
        {{}, {}},
        {{.dpadLeft = true}, {B::Left}},
        {{.dpadUp = true, .dpadDown = true}, {B::Up, B::Down}},
        {{.leftX = 8192, .leftY = -8192}, {}}, // the dead zone's edge
        {{.leftX = 8193}, {B::Right}},
        {{.leftX = -8193, .leftY = 8193}, {B::Left, B::Down}},
        {{.leftY = -20000}, {B::Up}},
        {{.south = true}, {B::South}},
        {{.rightTrigger = 16384}, {}},
        {{.rightTrigger = 16385}, {B::South}},
        {{.east = true, .start = true}, {B::East, B::Start}},
    };
    for (const auto& row : rows) {
        PadButtons expected{};
        for (B b : row.held)
            expected[int(b)] = true;
        EXPECT_EQ(buttonsHeld(row.reading), expected)
            << "stick " << row.reading.leftX << "," << row.reading.leftY << " trigger "
            << row.reading.rightTrigger;
    }
}

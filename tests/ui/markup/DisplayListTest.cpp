#include "ui/markup/DisplayList.h"

#include <gtest/gtest.h>

using namespace ui::markup;

// Each channel is mixed on its own between the stops around a point; before the first stop
// and past the last, their colours.
TEST(DisplayList, AGradientMixesEachChannelAlongItsAxis) {
    const GradientRect across{
        {0, 0, 100, 10}, {0, 0.5}, {1, 0.5}, {{0, 0x000000}, {0.5, 0x0000FF}, {1, 0xFFFFFF}}};
    const std::pair<double, Colour> points[] = {{-5, 0x000000}, {0, 0x000000},  {25, 0x000080},
                                                {50, 0x0000FF}, {75, 0x8080FF}, {100, 0xFFFFFF},
                                                {150, 0xFFFFFF}};
    for (const auto& [x, colour] : points)
        EXPECT_EQ(GradientColourAt(across, {x, 5}), colour) << x;
}

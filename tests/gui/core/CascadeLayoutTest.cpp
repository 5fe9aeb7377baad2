// Window > Cascade: the places of the windows in the area.
#include "gui/main/CascadeLayout.h"

#include <gtest/gtest.h>

using namespace korva::gui;

TEST(CascadeLayoutTest, WindowsKeepAUsableSizeInsideTheArea)
{
    const struct
    {
        int areaWidth, areaHeight, count;
        int width, height; // of every window
        int steps;         // places before the cascade starts again at the upper left corner
    } cases[] = {
        // Few windows: the area less the offsets of the cascade.
        {1200, 800, 3, 1200 - 2 * 30, 800 - 2 * 30, 3},
        // Fifteen windows: a new window's size, cascading while it fits.
        {1200, 800, 15, 820, 640, 1 + (800 - 640) / 30},
        // An area smaller than a new window: the area.
        {600, 400, 15, 600, 400, 1},
        {1, 1, 2, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.areaWidth << "x" << c.areaHeight << " " << c.count);
        const auto places = CascadeLayout(c.areaWidth, c.areaHeight, c.count, 30, 820, 640);
        ASSERT_EQ(places.size(), static_cast<std::size_t>(c.count));
        for (int k = 0; k < c.count; ++k) {
            const TCascadePlace& p = places[static_cast<std::size_t>(k)];
            EXPECT_EQ(p.Width, c.width);
            EXPECT_EQ(p.Height, c.height);
            EXPECT_EQ(p.X, (k % c.steps) * 30);
            EXPECT_EQ(p.Y, (k % c.steps) * 30);
            EXPECT_LE(p.X + p.Width, c.areaWidth);
            EXPECT_LE(p.Y + p.Height, c.areaHeight);
        }
    }
    EXPECT_TRUE(CascadeLayout(800, 600, 0, 30, 820, 640).empty());
}

#include "core/shade.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

TEST(ShadeTest, DarkAndLightShadesRoundDown)
{
    const Color button = 0x00C08000;  // r 0, g 128, b 192
    EXPECT_EQ(darkShade(button), makeColor(0, 64, 96));
    EXPECT_EQ(lightShade(button), makeColor(127, 191, 223));
    EXPECT_EQ(darkShade(0), 0u);
    EXPECT_EQ(lightShade(0), makeColor(127, 127, 127));
    EXPECT_EQ(darkShade(0x00FFFFFF), makeColor(127, 127, 127));
    EXPECT_EQ(lightShade(0x00FFFFFF), 0x00FFFFFFu);
}

TEST(ShadeTest, RaisedBordersAndSwap)
{
    const BorderColors raised = raisedBorders(0x00C08000);
    EXPECT_EQ(raised.left, raised.top);
    EXPECT_EQ(raised.right, raised.bottom);
    const BorderColors pressed = swappedBorders(raised);
    EXPECT_EQ(pressed.left, raised.right);
    EXPECT_EQ(pressed.top, raised.bottom);
    EXPECT_EQ(swappedBorders(pressed), raised);

    const BorderColors four{1, 2, 3, 4};
    EXPECT_EQ(swappedBorders(four), (BorderColors{4, 3, 4, 3}));
}

}  // namespace
}  // namespace nimbrel

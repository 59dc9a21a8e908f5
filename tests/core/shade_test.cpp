// The window's 3D-border tests hold the shades of a mid colour and the swap;
// these are the ends of the range, where rounding shows.
#include "core/shade.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

TEST(ShadeTest, BlackAndWhiteShadesRoundDown)
{
    EXPECT_EQ(darkShade(0), 0u);
    EXPECT_EQ(lightShade(0), makeColor(127, 127, 127));
    EXPECT_EQ(darkShade(0x00FFFFFF), makeColor(127, 127, 127));
    EXPECT_EQ(lightShade(0x00FFFFFF), 0x00FFFFFFu);
}

}  // namespace
}  // namespace nimbrel

#include "core/shade.h"

namespace nimbrel {
namespace {

template <typename ChannelRule>
Color mapChannels(Color c, ChannelRule rule)
{
    return makeColor(rule(redOf(c)), rule(greenOf(c)), rule(blueOf(c)));
}

}  // namespace

Color darkShade(Color c)
{
    return mapChannels(c, [](int v) { return v / 2; });
}

Color lightShade(Color c)
{
    return mapChannels(c, [](int v) { return v + (255 - v) / 2; });
}

BorderColors raisedBorders(Color buttonColor)
{
    const Color light = lightShade(buttonColor), dark = darkShade(buttonColor);
    return {light, dark, light, dark};
}

BorderColors swappedBorders(const BorderColors& current)
{
    BorderColors next = current;
    next.left = current.bottom;
    next.right = current.top;
    next.top = next.left;
    next.bottom = next.right;
    return next;
}

}  // namespace nimbrel

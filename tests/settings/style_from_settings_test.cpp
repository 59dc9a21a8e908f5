#include "settings/style_from_settings.h"

#include <gtest/gtest.h>

#include <map>

namespace nimbrel {
namespace {

// Settings holding the first-start values, with some replaced.
struct FakeSettings {
    std::map<std::string, std::int64_t> integers = {
        {"ButtonSizeWidth", 16}, {"ButtonSizeHeight", 32}, {"ButtonColor", 0x00C08000},
        {"FontSize", 8},         {"FontStyle", 0},         {"cmbAntiAlias", 0},
        {"FontAlign", 0},        {"BMPAlign1", 0},         {"BMPAlign2", 1},
        {"BMPAlign3", 2},        {"BMPAlign4", 3},         {"FontColor", 0x00FFFFFF}};
    std::map<std::string, bool> booleans = {{"chkFixedHeight", true}};
    std::map<std::string, std::string> strings = {{"FontName", "Arial"}};

    SettingsValues values() const
    {
        return {[this](const std::string& n) { return booleans.count(n) ? booleans.at(n) : false; },
                [this](const std::string& n) { return integers.count(n) ? integers.at(n) : std::int64_t{0}; },
                [this](const std::string& n) { return strings.count(n) ? strings.at(n) : std::string(); }};
    }
};

TEST(StyleFromSettings, DefaultsGiveTheFirstStartStyle)
{
    FakeSettings settings;
    settings.integers["ButtonBorderLeft"] = settings.integers["ButtonBorderRight"] = 1;
    settings.integers["ButtonBorderTop"] = settings.integers["ButtonBorderBottom"] = 1;
    for (const char* side : {"Left", "Right", "Top", "Bottom"})
        settings.integers[std::string("ButtonBorderColor") + side] = 0x00804000;
    EXPECT_EQ(styleFromSettings(settings.values()), firstStartStyle());
}

TEST(StyleFromSettings, ValuesAreTakenAsTheControlsTakeThem)
{
    FakeSettings settings;
    settings.integers["ButtonSizeWidth"] = 500;  // the width box stops at 360
    settings.integers["ButtonSizeHeight"] = -4;  // the height box starts at 0
    settings.integers["FontStyle"] = 4;          // past the list: no selection
    settings.integers["cmbAntiAlias"] = -2;
    settings.integers["BMPAlign3"] = 8;
    settings.integers["MinorX"] = 1LL << 40;  // a value box holds 32 bits
    settings.strings["BMPFilename2"] = "\"/art/tile.bmp\"";
    settings.strings["edtPrefix"] = std::string(38, 'p') + "\xC3\xA9\xC3\xA9\xC3\xA9";
    const ButtonStyle s = styleFromSettings(settings.values());
    EXPECT_EQ(s.width, 360);
    EXPECT_EQ(s.height, 0);
    EXPECT_EQ(s.fontStyle, -1);
    EXPECT_EQ(s.fontAntiAlias, -1);
    EXPECT_EQ(s.bitmapAlign(3), -1);
    EXPECT_EQ(s.bitmapAlign(4), 3);
    EXPECT_EQ(s.minorX, 2147483647);
    EXPECT_EQ(s.bitmapFileName(2), "/art/tile.bmp");
    EXPECT_EQ(s.prefix, std::string(38, 'p') + "\xC3\xA9\xC3\xA9");  // 40 characters, no cut sequence
}

}  // namespace
}  // namespace nimbrel

#include "settings/settings_lists.h"

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "core/button_style.h"

namespace nimbrel {
namespace {

TEST(MainWindowSettings, DefaultsGiveTheFirstStartStyle)
{
    SettingsStore ini;
    configureMainWindowSettings(ini);
    EXPECT_EQ(ini.fileName, "Nimbrel.ini");
    EXPECT_TRUE(ini.floats.empty());
    const ButtonStyle first = firstStartStyle();
    EXPECT_EQ(ini.integer("ButtonSizeWidth"), first.width);
    EXPECT_EQ(ini.integer("ButtonSizeHeight"), first.height);
    EXPECT_EQ(ini.boolean("chkFixedWidth"), first.fixedWidth);
    EXPECT_EQ(ini.boolean("chkFixedHeight"), first.fixedHeight);
    EXPECT_EQ(ini.integer("ButtonColor"), first.colorBack);
    for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
        EXPECT_EQ(ini.integer(std::string("ButtonBorder") + side), 1);
        EXPECT_EQ(ini.integer(std::string("ButtonBorderColor") + side), first.colorBorderLeft);
    }
    EXPECT_EQ(ini.integer("FontColor"), first.fontColor);
    EXPECT_EQ(ini.integer("FontSize"), first.fontSize);
    EXPECT_EQ(ini.text("FontName"), first.fontName);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(ini.integer("BMPAlign" + std::to_string(i)), first.bitmapAlign(i));
    EXPECT_EQ(ini.integer("pnlBackground"), 0x808080);
    EXPECT_EQ(ini.integer("rgColorReductionBits"), 6);
    EXPECT_EQ(ini.integer("tbZoom"), 1);
}

}  // namespace
}  // namespace nimbrel

#include "app/settings_lists.h"

#include <gtest/gtest.h>

#include "app/settings_store.h"
#include "core/button_style.h"

namespace nimbrel {
namespace {

TEST(MainWindowSettings, DefaultsGiveTheFirstStartStyle)
{
    TzkRegVal ini;
    configureMainWindowSettings(ini);
    EXPECT_EQ(ini.IniFileName, "Nimbrel.ini");
    EXPECT_TRUE(ini._Floats.empty());
    const TButtonStyle first = firstStartStyle();
    EXPECT_EQ(ini.GetInteger("ButtonSizeWidth"), first.width);
    EXPECT_EQ(ini.GetInteger("ButtonSizeHeight"), first.height);
    EXPECT_EQ(ini.GetBoolean("chkFixedWidth"), first.fixedWidth);
    EXPECT_EQ(ini.GetBoolean("chkFixedHeight"), first.fixedHeight);
    EXPECT_EQ(ini.GetInteger("ButtonColor"), first.colorBack);
    for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
        EXPECT_EQ(ini.GetInteger(std::string("ButtonBorder") + side), 1);
        EXPECT_EQ(ini.GetInteger(std::string("ButtonBorderColor") + side), first.colorBorderLeft);
    }
    EXPECT_EQ(ini.GetInteger("FontColor"), first.fontColor);
    EXPECT_EQ(ini.GetInteger("FontSize"), first.fontSize);
    EXPECT_EQ(ini.GetString("FontName"), first.fontName);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(ini.GetInteger("BMPAlign" + std::to_string(i)), first.BMPAlign(i));
    EXPECT_EQ(ini.GetInteger("pnlBackground"), 0x808080);
    EXPECT_EQ(ini.GetInteger("rgColorReductionBits"), 6);
    EXPECT_EQ(ini.GetInteger("tbZoom"), 1);
}

}  // namespace
}  // namespace nimbrel

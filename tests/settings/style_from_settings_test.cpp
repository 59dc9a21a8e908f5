#include "settings/style_from_settings.h"

#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "support/temp_folder.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

// A first start that ends at once writes the table's first-start values; the
// next start must show the same style, even with other defaults of its own.
TEST(StyleFromSettings, TheFirstStartStyleSurvivesTheSettingsFile)
{
    test::TempFolder folder;
    test::ScopedEnvironment home("NIMBREL_HOME", folder.path().string());
    mainWindowSettingsStore().saveAll();

    SettingsStore next(kSettingsFileName);
    for (const Setting& s : mainWindowSettings())
        next.add(s.type, s.key, s.type == SettingType::String ? "" : "0");
    next.loadAll();
    EXPECT_EQ(styleFromSettings(settingsValues(next)), firstStartStyle());
}

TEST(StyleFromSettings, ValuesAreTakenAsTheControlsTakeThem)
{
    SettingsStore settings = mainWindowSettingsStore();
    settings.setInteger("ButtonSizeWidth", 500);  // the width box stops at 360
    settings.setInteger("ButtonSizeHeight", -4);  // the height box starts at 0
    settings.setInteger("FontStyle", 4);          // past the list: no selection
    settings.setInteger("cmbAntiAlias", -2);
    settings.setInteger("BMPAlign3", 8);
    settings.setInteger("MinorX", 1LL << 40);  // a value box holds 32 bits
    settings.setInteger("FontColor", 0xFF00000FLL);
    settings.setText("BMPFilename2", "\"/art/tile.bmp\"");
    settings.setText("edtPrefix", std::string(50, 'p'));
    const ButtonStyle s = styleFromSettings(settingsValues(settings));
    EXPECT_EQ(s.width, 360);
    EXPECT_EQ(s.height, 0);
    EXPECT_EQ(s.fontStyle, -1);
    EXPECT_EQ(s.antiAliasLevel, -1);
    EXPECT_EQ(s.bitmapAlign(3), -1);
    EXPECT_EQ(s.bitmapAlign(4), 3);
    EXPECT_EQ(s.captionOffsetX, 2147483647);
    EXPECT_EQ(s.fontColor, 0xFF00000Fu) << "a system colour is kept as stored";
    EXPECT_EQ(s.bitmapFileName(2), "/art/tile.bmp");
    EXPECT_EQ(s.prefix, std::string(50, 'p')) << "the 40-character limit is for typing only";
}

}  // namespace
}  // namespace nimbrel

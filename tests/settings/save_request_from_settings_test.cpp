#include "settings/save_request_from_settings.h"

#include <gtest/gtest.h>

#include "image/gif_image.h"
#include "settings/settings_file.h"

namespace nimbrel {
namespace {

// Past the last item a group selects its last; below 0 it selects nothing,
// and the GIF keeps its own starting choice (the bits: 2, which it refuses).
TEST(SaveRequestFromSettings, RadioGroupsKeepTheirItemRange)
{
    SettingsStore settings = mainWindowSettingsStore();
    settings.setText(setting_key::kOutputDir, "/srv/out");
    settings.setBoolean(setting_key::kSaveBmp, false);
    settings.setInteger(setting_key::kDithering, -3);
    settings.setInteger(setting_key::kColorReduction, 9);
    SaveRequest r = saveRequestFromSettings(settingsValues(settings));
    EXPECT_EQ(r.outputDir, "/srv/out");
    EXPECT_FALSE(r.saveBmp);
    EXPECT_TRUE(r.saveGif);
    EXPECT_EQ(r.gifCompression, GifCompression::Rle);
    EXPECT_EQ(r.dithering, GifImage().ditherMethod());
    EXPECT_EQ(r.colorReduction, ColorReduction::OptimalWithSystemColors);
    EXPECT_EQ(r.reductionBits, 8);  // the first-start 6 selects "8-bits (256 colors)"
    EXPECT_EQ(r.fileName + r.prefix + r.suffix, "");

    settings.setInteger(setting_key::kColorReduction, -1);
    settings.setInteger(setting_key::kGifCompression, -1);
    settings.setInteger(setting_key::kReductionBits, -1);
    r = saveRequestFromSettings(settingsValues(settings));
    EXPECT_EQ(r.colorReduction, GifImage().colorReduction());
    EXPECT_EQ(r.gifCompression, GifImage().compression());
    EXPECT_EQ(r.reductionBits, 2);
}

}  // namespace
}  // namespace nimbrel

#include "settings/save_request_from_settings.h"

#include <gtest/gtest.h>

#include "image/gif_image.h"
#include "settings/main_window_settings.h"

namespace nimbrel {
namespace {

// Past the last item a group selects its last; below 0 it selects nothing,
// and the GIF keeps its own starting choice (the bits: 2, which it refuses).
TEST(SaveRequestFromSettings, RadioGroupsKeepTheirItemRange)
{
    SettingsStore settings = mainWindowSettingsStore();
    settings.setText("OutputDir", "/srv/out");
    settings.setBoolean("chkSaveBMP", false);
    settings.setInteger("rgDithering", -3);
    settings.setInteger("rgColorReduction", 9);
    SaveRequest r = saveRequestFromSettings(settingsValues(settings));
    EXPECT_EQ(r.outputDir, "/srv/out");
    EXPECT_FALSE(r.saveBmp);
    EXPECT_TRUE(r.saveGif);
    EXPECT_EQ(r.gifCompression, GifCompression::Rle);
    EXPECT_EQ(r.dithering, GifImage().ditherMethod());
    EXPECT_EQ(r.colorReduction, ColorReduction::OptimalWithSystemColors);
    EXPECT_EQ(r.reductionBits, 8);  // the first-start 6 selects "8-bits (256 colors)"
    EXPECT_EQ(r.fileName + r.prefix + r.suffix, "");

    settings.setInteger("rgColorReduction", -1);
    settings.setInteger("rgGIFCompression", -1);
    settings.setInteger("rgColorReductionBits", -1);
    r = saveRequestFromSettings(settingsValues(settings));
    EXPECT_EQ(r.colorReduction, GifImage().colorReduction());
    EXPECT_EQ(r.gifCompression, GifImage().compression());
    EXPECT_EQ(r.reductionBits, 2);
}

}  // namespace
}  // namespace nimbrel

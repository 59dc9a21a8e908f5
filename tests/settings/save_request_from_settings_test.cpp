#include "settings/save_request_from_settings.h"

#include <gtest/gtest.h>

#include "settings/settings_file.h"

namespace nimbrel {
namespace {

TEST(SaveRequestFromSettings, RadioGroupsKeepTheirItemRange)
{
    SettingsStore settings = mainWindowSettingsStore();
    settings.setText(setting_key::kOutputDir, "/srv/out");
    settings.setBoolean(setting_key::kSaveBmp, false);
    settings.setInteger(setting_key::kDithering, -3);
    settings.setInteger(setting_key::kColorReduction, 9);
    const SaveRequest r = saveRequestFromSettings(settingsValues(settings));
    EXPECT_EQ(r.outputDir, "/srv/out");
    EXPECT_FALSE(r.saveBmp);
    EXPECT_TRUE(r.saveGif);
    EXPECT_EQ(r.gifCompression, 1);
    EXPECT_EQ(r.dithering, -1);
    EXPECT_EQ(r.colorReduction, 6);
    EXPECT_EQ(r.reductionBits, 5);  // the first-start 6 selects "8-bits (256 colors)"
    EXPECT_EQ(r.fileName + r.prefix + r.suffix, "");
}

}  // namespace
}  // namespace nimbrel

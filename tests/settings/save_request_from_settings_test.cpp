#include "settings/save_request_from_settings.h"

#include <gtest/gtest.h>

#include <map>

namespace nimbrel {
namespace {

TEST(SaveRequestFromSettings, RadioGroupsKeepTheirItemRange)
{
    std::map<std::string, std::int64_t> integers = {
        {"rgGIFCompression", 1}, {"rgDithering", -3}, {"rgColorReduction", 9}, {"rgColorReductionBits", 6}};
    const SettingsValues values{[](const std::string& n) { return n == "chkSaveGIF"; },
                                [&](const std::string& n) { return integers.at(n); },
                                [](const std::string& n) { return n == "OutputDir" ? "/srv/out" : "x"; }};
    const SaveRequest r = saveRequestFromSettings(values);
    EXPECT_EQ(r.outputDir, "/srv/out");
    EXPECT_FALSE(r.saveBmp);
    EXPECT_TRUE(r.saveGif);
    EXPECT_EQ(r.gifCompression, 1);
    EXPECT_EQ(r.dithering, -1);
    EXPECT_EQ(r.colorReduction, 6);
    EXPECT_EQ(r.reductionBits, 5);  // the stored default 6 selects "8-bits (256 colors)"
    EXPECT_EQ(r.fileName + r.prefix + r.suffix, "");
}

}  // namespace
}  // namespace nimbrel

#include "settings/style_from_settings.h"

#include <gtest/gtest.h>

#include "core/style_fields.h"
#include "core/style_file.h"
#include "settings/settings_file.h"
#include "support/temp_folder.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

std::string key(StyleMember member, int copy = 0)
{
    return copyName(styleField(member).settingKey, copy);
}

// A first start that ends at once writes the table's first-start values; the
// next start must show the same style, even with other defaults of its own.
TEST(StyleFromSettings, TheFirstStartStyleSurvivesTheSettingsFile)
{
    test::TempFolder folder;
    const AppFolders folders = allInOneFolder(folder.path().string());
    mainWindowSettingsStore(folders).saveAll();

    SettingsStore next(kSettingsFileName, folders);
    for (const Setting& s : mainWindowSettings())
        next.add(s.type, s.key, s.type == SettingType::String ? "" : "0");
    next.loadAll();
    EXPECT_EQ(styleFromSettings(settingsValues(next)), firstStartStyle());
}

TEST(StyleFromSettings, ValuesAreTakenAsTheControlsTakeThem)
{
    SettingsStore settings = mainWindowSettingsStore();
    settings.setInteger(key(&ButtonStyle::width), 500);    // the width box stops at 360
    settings.setInteger(key(&ButtonStyle::height), -4);    // the height box starts at 0
    settings.setInteger(key(&ButtonStyle::fontStyle), 4);  // past the list: no selection
    settings.setInteger(key(&ButtonStyle::antiAliasLevel), -2);
    settings.setInteger(key(&ButtonStyle::bitmapAligns, 3), 8);
    settings.setInteger(key(&ButtonStyle::captionOffsetX), 1LL << 40);  // a value box holds 32 bits
    settings.setInteger(key(&ButtonStyle::fontColor), 0xFF00000FLL);
    settings.setText(key(&ButtonStyle::bitmapFileNames, 2), "\"/art/tile.bmp\"");
    settings.setText(key(&ButtonStyle::prefix), std::string(50, 'p'));
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

namespace nimbrel {
namespace {

// A value of each field's type apart from a new style's, within the control's limits.
struct ApartFromDefault {
    const StyleField& field;
    int copy;
    void operator()(bool& v) const { v = true; }
    void operator()(Color& v) const { v = 0x00102030u + static_cast<Color>(copy); }
    void operator()(std::string& v) const { v = "/art/" + copyName(field.fileKey, copy) + ".bmp"; }
    void operator()(std::int32_t& v) const
    {
        if (field.items > 0)
            v = field.items - 1;
        else if (field.maximum != INT_MAX)
            v = field.maximum;
        else
            v = -2 - copy;
    }
};

// Every field and every bitmap copy set apart from a new style: style files and
// the settings carry all of them back, and equality notices each one. (That
// every member of ButtonStyle is in the list is checked where the list is built.)
TEST(StyleFields, EveryFieldIsCarriedByStyleFilesSettingsAndEquality)
{
    ButtonStyle style;
    SettingsStore store = mainWindowSettingsStore();
    for (const StyleField& f : styleFields())
        forEachCopy(f, style, [&](int copy, auto& value) {
            ApartFromDefault{f, copy}(value);
            const std::string key = copyName(f.settingKey, copy);
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, bool>)
                store.setBoolean(key, value);
            else if constexpr (std::is_same_v<Value, std::string>)
                store.setText(key, value);
            else
                store.setInteger(key, static_cast<std::int32_t>(value));
        });

    ButtonStyle fromFile;
    readStyleFileLines(fromFile, styleFileLines(style, "/app/"), "/app/");
    EXPECT_EQ(fromFile, style);
    EXPECT_EQ(styleFromSettings(settingsValues(store)), style);

    for (const StyleField& f : styleFields())
        for (int copy = 0; copy <= kStyleBitmapCount; ++copy) {
            ButtonStyle one = style;
            bool reset = false;
            forEachCopy(f, one, [&](int c, auto& value) {
                if (c == copy) value = {}, reset = true;
            });
            if (reset) {
                EXPECT_NE(one, style) << copyName(f.fileKey, copy);
            }
        }
}

}  // namespace
}  // namespace nimbrel

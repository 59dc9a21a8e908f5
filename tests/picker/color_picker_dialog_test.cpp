#include "picker/color_picker_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include "base/error.h"
#include "picker/custom_color_lines.h"
#include "picker_widget_test_support.h"

namespace nimbrel {
namespace {

using namespace nimbrel::testing;

class PickerDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
    ColorPickerDialog dialog;
};

TEST_F(PickerDialogTest, OkTakesColourModeAndCustomColours)
{
    dialog.setTitle("Color Picker");
    dialog.setColor(makeColor(1, 2, 3));
    bool blackSwatches = true;
    QString title;
    QPoint shownAt;
    whenPickerShows([&](ColorPickerWindow& w) {
        for (int k = 0; k < 16; ++k) blackSwatches = blackSwatches && w.customColor(k) == 0;
        title = w.windowTitle();
        shownAt = w.pos();
        w.setColor(makeColor(255, 0, 0));
        w.findChild<QPushButton*>("btnDefineCustomColor")->click();
        w.findChild<QAbstractButton*>("rbGreen")->click();
        w.findChild<QPushButton*>("btnOk")->click();
    });
    ASSERT_TRUE(dialog.exec());
    EXPECT_TRUE(blackSwatches);
    EXPECT_EQ(title, "Color Picker");
    EXPECT_EQ(shownAt, QPoint(128, 128));
    EXPECT_EQ(dialog.color(), makeColor(255, 0, 0));
    EXPECT_EQ(dialog.colorMode(), ColorMode::Green);
    QStringList expected;
    for (int k = 0; k < 16; ++k) expected << customColorName(k) + (k == 0 ? "=0000FF" : "=000000");
    EXPECT_EQ(dialog.customColors(), expected);

    // The next use starts in the confirmed mode with the defined colour.
    ColorMode modeShown = ColorMode::Hue;
    Color swatchShown = 1;
    whenPickerShows([&](ColorPickerWindow& w) {
        modeShown = w.mode();
        swatchShown = w.customColor(0);
        w.reject();
    });
    EXPECT_FALSE(dialog.exec());
    EXPECT_EQ(modeShown, ColorMode::Green);
    EXPECT_EQ(swatchShown, makeColor(255, 0, 0));
}

TEST_F(PickerDialogTest, CancelAndCloseBoxKeepPropertiesButNotPosition)
{
    dialog.setColor(0x00C08000);
    dialog.setCustomColors({"Other=1", "ColorB=00FF00"});
    whenPickerShows([](ColorPickerWindow& w) {
        w.setColor(makeColor(9, 9, 9));
        w.findChild<QPushButton*>("btnDefineCustomColor")->click();
        w.findChild<QAbstractButton*>("rbBlue")->click();
        w.move(300, 210);
        w.findChild<QPushButton*>("btnCancel")->click();
    });
    EXPECT_FALSE(dialog.exec());
    EXPECT_EQ(dialog.color(), 0x00C08000u);
    EXPECT_EQ(dialog.colorMode(), ColorMode::Hue);
    EXPECT_EQ(dialog.customColors(), QStringList({"Other=1", "ColorB=00FF00"}));
    EXPECT_EQ(dialog.position(), QPoint(300, 210));

    whenPickerShows([](ColorPickerWindow& w) {
        w.move(40, 50);
        w.close();
    });
    EXPECT_FALSE(dialog.exec());
    EXPECT_EQ(dialog.position(), QPoint(40, 50));
    EXPECT_EQ(dialog.color(), 0x00C08000u);
}

TEST_F(PickerDialogTest, CustomColourLinesUseTheColourValuesByteOrder)
{
    dialog.setCustomColors({"ColorC=FF", "colora=2"});
    Color third = 0, first = 0;
    whenPickerShows([&](ColorPickerWindow& w) {
        third = w.customColor(2);
        first = w.customColor(0);
        w.accept();
    });
    ASSERT_TRUE(dialog.exec());
    EXPECT_EQ(third, 0x000000FFu);  // pure red, unlike FF typed into the hexadecimal box
    EXPECT_EQ(first, 2u);
    const QStringList lines = dialog.customColors();
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], "ColorC=0000FF");
    EXPECT_EQ(lines[1], "ColorA=000002");
    EXPECT_EQ(lines[2], "ColorB=000000");
    EXPECT_EQ(lines[15], "ColorP=000000");
}

TEST_F(PickerDialogTest, BadCustomColourFailsBeforeTheWindowShows)
{
    dialog.setCustomColors({"ColorD=12G4"});
    dialog.setColor(5);
    bool shown = false;
    whenPickerShows([&](ColorPickerWindow& w) {
        shown = true;
        w.reject();
    });
    try {
        dialog.exec();
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'$12G4' is not a valid integer value");
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(dialog.color(), 5u);
    EXPECT_EQ(dialog.position(), QPoint(128, 128));
    EXPECT_EQ(dialog.customColors(), QStringList({"ColorD=12G4"}));
}

TEST_F(PickerDialogTest, FailedImagesFailExecuteWithTheirMessage)
{
    PickerImages::setPixelBufferSetUpFailsForTesting(true);
    try {
        dialog.exec();
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Color Picker cannot initialize off-screen buffers");
    }
    PickerImages::setPixelBufferSetUpFailsForTesting(false);
    EXPECT_EQ(dialog.position(), QPoint(128, 128));
}

TEST_F(PickerDialogTest, ChooseColorResolvesSystemColours)
{
    whenPickerShows([](ColorPickerWindow& w) { w.accept(); });
    const auto chosen = dialog.chooseColor(0xFF00000F);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen >> 24, 0u);
    whenPickerShows([](ColorPickerWindow& w) { w.reject(); });
    EXPECT_FALSE(dialog.chooseColor(0x123456).has_value());
}

TEST(CustomColorLines, ReadingAndWriting)
{
    EXPECT_EQ(customColorName(0), "ColorA");
    EXPECT_EQ(customColorName(15), "ColorP");
    const QStringList lines = {"ColorA",          "ColorB=",          "ColorC=c08000", "ColorC=FF",
                               "ColorD=FFFFFFFF", "ColorE=000000001", "ColorF=1 "};
    EXPECT_EQ(readCustomColor(lines, 0), 0u);  // a line without "=" has no name
    EXPECT_EQ(readCustomColor(lines, 1), 0u);
    EXPECT_EQ(readCustomColor(lines, 2), 0x00C08000u);  // the first matching line counts
    EXPECT_EQ(readCustomColor(lines, 3), 0xFFFFFFFFu);
    EXPECT_EQ(readCustomColor(lines, 4), 1u);
    EXPECT_THROW(readCustomColor(lines, 5), Error);
    EXPECT_THROW(readCustomColor({"ColorA=100000000"}, 0), Error);
    EXPECT_THROW(readCustomColor({"ColorA=-1"}, 0), Error);

    QStringList out = {"x=y", "COLORB=1"};
    writeCustomColor(out, 1, 0x00C08000);
    writeCustomColor(out, 0, 0xFF00000F);
    EXPECT_EQ(out, QStringList({"x=y", "ColorB=C08000", "ColorA=FF00000F"}));
}

}  // namespace
}  // namespace nimbrel

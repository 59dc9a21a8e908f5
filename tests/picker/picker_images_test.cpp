#include "picker/picker_images.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace nimbrel {
namespace {

PickerValues fromRgb(int r, int g, int b)
{
    return {rgbToHsv(r, g, b),
            {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)}};
}

PickerValues fromHsv(double h, double s, double v)
{
    return {{h, s, v}, hsvToRgb(h, s, v)};
}

Rgb pixelOf(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
            static_cast<std::uint8_t>(qBlue(p))};
}

class PickerImagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(images.setUpPixelBuffer()); }
    PickerImages images;
};

TEST_F(PickerImagesTest, RedModeFieldCorners)
{
    images.renderAll(ColorMode::Red, fromRgb(255, 40, 90));
    EXPECT_EQ(pixelOf(images.field(), 0, 0), (Rgb{255, 0, 255}));
    EXPECT_EQ(pixelOf(images.field(), 255, 255), (Rgb{255, 255, 0}));
    EXPECT_EQ(pixelOf(images.field(), 0, 255), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(images.field(), 10, 245), (Rgb{255, 10, 10}));
    // The strip runs through red with green and blue held.
    EXPECT_EQ(pixelOf(images.strip(), 0, 0), (Rgb{255, 40, 90}));
    EXPECT_EQ(pixelOf(images.strip(), 31, 255), (Rgb{0, 40, 90}));
}

TEST_F(PickerImagesTest, HueModeFieldAndStrip)
{
    images.renderAll(ColorMode::Hue, fromHsv(0, 1, 1));
    EXPECT_EQ(pixelOf(images.field(), 255, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(images.field(), 0, 0), (Rgb{255, 255, 255}));
    for (int x = 0; x < 256; ++x) ASSERT_EQ(pixelOf(images.field(), x, 255), (Rgb{0, 0, 0})) << x;
    EXPECT_EQ(pixelOf(images.strip(), 0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(images.strip(), 31, 255), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixelOf(images.strip(), 5, 170), (Rgb{0, 255, 0}));

    images.renderAll(ColorMode::Hue, fromHsv(0.4, 0, 0.5));
    for (int y = 0; y < 256; ++y) ASSERT_EQ(pixelOf(images.strip(), 16, y), (Rgb{128, 128, 128})) << y;
}

TEST_F(PickerImagesTest, EveryModePutsTheCurrentColourUnderTheMarker)
{
    const PickerValues values = fromRgb(18, 52, 86);
    for (int m = 0; m < kColorModeCount; ++m) {
        const ColorMode mode = static_cast<ColorMode>(m);
        images.renderAll(mode, values);
        const QPoint centre = PickerImages::fieldMarkerCentre(mode, values);
        const Rgb underMarker = pixelOf(images.field(), centre.x(), centre.y());
        const Rgb onStrip = pixelOf(images.strip(), 16, PickerImages::stripMarkerRow(mode, values));
        // HSV positions are rounded to whole pixels, so allow a step of the grid.
        for (const Rgb& c : {underMarker, onStrip}) {
            EXPECT_NEAR(c.r, 18, 2) << m;
            EXPECT_NEAR(c.g, 52, 2) << m;
            EXPECT_NEAR(c.b, 86, 2) << m;
        }
    }
}

TEST_F(PickerImagesTest, RedrawTouchesOnlyWhatChanged)
{
    PickerValues values = fromHsv(0.25, 0.5, 0.75);
    images.renderAll(ColorMode::Hue, values);
    const QImage fieldBefore = images.field().copy();
    const QImage stripBefore = images.strip().copy();

    // Moving within the field changes the field's components: only the strip is redrawn.
    values = fromHsv(0.25, 0.9, 0.2);
    auto redrawn = images.redrawChanged(ColorMode::Hue, values);
    EXPECT_FALSE(redrawn.field);
    EXPECT_TRUE(redrawn.strip);
    EXPECT_EQ(images.field(), fieldBefore);
    EXPECT_NE(images.strip(), stripBefore);

    // Moving along the strip changes the held component: only the field is redrawn.
    values = fromHsv(0.6, 0.9, 0.2);
    redrawn = images.redrawChanged(ColorMode::Hue, values);
    EXPECT_TRUE(redrawn.field);
    EXPECT_FALSE(redrawn.strip);
    EXPECT_NE(images.field(), fieldBefore);

    // Nothing changed: neither image is computed again.
    const int fieldDraws = images.fieldDrawCount();
    const int stripDraws = images.stripDrawCount();
    redrawn = images.redrawChanged(ColorMode::Hue, values);
    EXPECT_FALSE(redrawn.field || redrawn.strip);
    EXPECT_EQ(images.fieldDrawCount(), fieldDraws);
    EXPECT_EQ(images.stripDrawCount(), stripDraws);

    // In a channel mode the comparison is on the bytes.
    values = fromRgb(10, 20, 30);
    images.renderAll(ColorMode::Green, values);
    values.rgb.r = 11;
    values.hsv = rgbToHsv(11, 20, 30);
    redrawn = images.redrawChanged(ColorMode::Green, values);
    EXPECT_FALSE(redrawn.field);
    EXPECT_TRUE(redrawn.strip);
}

QImage painted(const PickerImages& images, ColorMode mode, const PickerValues& values, bool field)
{
    QImage target(field ? 256 : 32, 256, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    if (field)
        images.paintField(painter, mode, values);
    else
        images.paintStrip(painter, mode, values);
    return target;
}

TEST_F(PickerImagesTest, MarkersAndTheirColours)
{
    // Full saturation and value in hue mode: the square is centred on the top-right corner.
    PickerValues values = fromHsv(0.5, 1, 1);
    images.renderAll(ColorMode::Hue, values);
    EXPECT_EQ(PickerImages::fieldMarkerCentre(ColorMode::Hue, values), QPoint(255, 0));
    QImage field = painted(images, ColorMode::Hue, values, true);
    EXPECT_EQ(field.pixel(251, 4), qRgb(0, 0, 0));
    EXPECT_EQ(field.pixel(251, 0), qRgb(0, 0, 0));
    EXPECT_EQ(field.pixel(253, 2), images.field().pixel(253, 2));  // inside the square: untouched

    // The strip square spans columns 12 to 20 around the hue's row.
    QImage strip = painted(images, ColorMode::Hue, values, false);
    const int row = PickerImages::stripMarkerRow(ColorMode::Hue, values);
    EXPECT_EQ(row, 255 - 128);
    for (int x = 12; x <= 20; ++x) {
        EXPECT_EQ(strip.pixel(x, row - 4), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(strip.pixel(x, row + 4), qRgb(0, 0, 0)) << x;
    }
    EXPECT_EQ(strip.pixel(11, row - 4), images.strip().pixel(11, row - 4));
    EXPECT_EQ(strip.pixel(21, row + 4), images.strip().pixel(21, row + 4));

    // Dark colours get grey markers: V = 0.32 and a largest channel of 84 are dark, 0.33 is not.
    EXPECT_EQ(PickerImages::markerColor(fromHsv(0, 0, 0.32)), 0x00808080u);
    EXPECT_EQ(PickerImages::markerColor(fromHsv(0, 0, 0.33)), 0u);
    EXPECT_EQ(PickerImages::markerColor(fromRgb(84, 10, 0)), 0x00808080u);
    values = fromRgb(84, 10, 0);
    images.renderAll(ColorMode::Red, values);
    field = painted(images, ColorMode::Red, values, true);
    const QPoint c = PickerImages::fieldMarkerCentre(ColorMode::Red, values);
    EXPECT_EQ(c, QPoint(10, 255));
    EXPECT_EQ(field.pixel(c.x() - 4, c.y() - 4), qRgb(128, 128, 128));
}

TEST(PickerImagesBuffer, FailedSetUpDrawsNothing)
{
    PickerImages images;
    PickerImages::setPixelBufferSetUpFailsForTesting(true);
    const bool ok = images.setUpPixelBuffer();
    PickerImages::setPixelBufferSetUpFailsForTesting(false);
    ASSERT_FALSE(ok);
    EXPECT_FALSE(images.hasPixelBuffer());
    images.renderAll(ColorMode::Red, fromRgb(255, 255, 255));
    const auto redrawn = images.redrawChanged(ColorMode::Red, fromRgb(0, 0, 0));
    EXPECT_FALSE(redrawn.field || redrawn.strip);
    EXPECT_EQ(images.fieldDrawCount(), 0);
    EXPECT_EQ(images.field().pixel(0, 0), qRgb(0, 0, 0));

    // Released buffers stay released; set-up works again afterwards.
    ASSERT_TRUE(images.setUpPixelBuffer());
    images.releasePixelBuffer();
    EXPECT_FALSE(images.hasPixelBuffer());
}

}  // namespace
}  // namespace nimbrel

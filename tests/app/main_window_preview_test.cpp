// Where the preview puts the button, and what it paints.
#include <QImage>
#include <QSlider>

#include "app/widgets/color_panel_button.h"
#include "app/widgets/preview_box.h"
#include "core/raster_surface.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

TEST(PreviewPlacement, CentresWithHalvesTruncatedTowardsZero)
{
    EXPECT_EQ(previewPlacement(582, 114, 40, 20, 3), QRect(231, 27, 120, 60));
    EXPECT_EQ(previewPlacement(582, 114, 700, 20, 1).x(), -59);
    EXPECT_EQ(previewPlacement(100, 100, 101, 1, 1).x(), 0) << "-1 / 2 truncates to 0";
    EXPECT_EQ(previewPlacement(100, 100, 103, 1, 1).x(), -1);
    EXPECT_EQ(previewPlacement(10, 10, 0, 0, 5), QRect(5, 5, 0, 0));
}

TEST(PreviewBoxPainting, FrameBackgroundAndEnlargedButton)
{
    ensureApplication();
    RasterBitmap button(2, 1);
    button.setPixel(0, 0, 0x000000FF);
    button.setPixel(1, 0, 0x0000FF00);
    PreviewBox box(button);
    box.resize(40, 41);
    box.setBackground(0x00808080);
    box.setZoom(3);
    const QImage image = box.grabPreview();
    const QColor grey(128, 128, 128), red(255, 0, 0), green(0, 255, 0);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(39, 40), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), grey);
    // 6 x 3 at (17, 19): a red block, then a green one.
    EXPECT_EQ(image.pixelColor(16, 20), grey);
    EXPECT_EQ(image.pixelColor(17, 19), red);
    EXPECT_EQ(image.pixelColor(19, 21), red);
    EXPECT_EQ(image.pixelColor(20, 19), green);
    EXPECT_EQ(image.pixelColor(22, 21), green);
    EXPECT_EQ(image.pixelColor(23, 20), grey);
    EXPECT_EQ(image.pixelColor(18, 22), grey);
}

TEST(PreviewBoxPainting, EmptyButtonShowsOnlyBackgroundAndFrame)
{
    ensureApplication();
    RasterBitmap empty;
    PreviewBox box(empty);
    box.resize(40, 40);
    box.setBackground(0x00FF0000);
    const QImage image = box.grabPreview();
    EXPECT_EQ(image.pixelColor(0, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(20, 20), QColor(0, 0, 255));
}

using MainWindowPreview = WindowTest;

TEST_F(MainWindowPreview, ShowsTheDrawnButtonAtTheZoomOfTheSlider)
{
    MainWindow& w = startShown();
    w.resize(640, 560);  // room for the doubled button
    control<QSlider>(w, "tbZoom")->setValue(2);
    const QImage image = control<PreviewBox>(w, "pb")->grabPreview();
    const RasterBitmap& button = w.buttonBitmap();
    const QRect at = previewPlacement(image.width(), image.height(), button.width(), button.height(), 2);
    EXPECT_EQ(at.size(), QSize(button.width() * 2, button.height() * 2));
    EXPECT_EQ(image.pixelColor(at.x() + 1, at.y() + 1), toQColor(button.pixel(0, 0)));
    EXPECT_EQ(image.pixelColor(at.x() + 2, at.y() + 2), toQColor(button.pixel(1, 1)));
    EXPECT_EQ(image.pixelColor(at.x() - 1, at.y()),
              toQColor(control<ColorPanelButton>(w, "pnlBackground")->color()));
}

// Stored system colours: the preview background and the button show them as
// the panels do, and the stored values stay.
TEST_F(MainWindowPreview, SystemColoursShowAsThePanelsShowThem)
{
    writeText(homeFile("Nimbrel.ini"), "[Integers]\nButtonColor=-16777201\npnlBackground=-16777211\n");
    MainWindow& w = startShown();
    auto* background = control<ColorPanelButton>(w, "pnlBackground");
    auto* face = control<ColorPanelButton>(w, "pnl0");
    const QImage image = control<PreviewBox>(w, "pb")->grabPreview();
    EXPECT_EQ(image.pixelColor(1, 1), toQColor(background->shownColor()));
    EXPECT_EQ(w.buttonBitmap().pixel(2, 2), face->shownColor());
    EXPECT_EQ(face->color(), 0xFF00000Fu);
    EXPECT_EQ(background->color(), 0xFF000005u);
}

}  // namespace
}  // namespace nimbrel::test

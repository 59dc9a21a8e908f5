// Which changes redraw the button, and which do not.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "app/widgets/color_panel_button.h"
#include "app/widgets/preview_box.h"
#include "image/bmp_writer.h"
#include "image/image.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

using MainWindowTriggers = WindowTest;

// Runs `change` and reports how many drawings it caused.
template <class Change>
int drawingsBy(MainWindow& w, Change change)
{
    const int before = w.drawingCount();
    change();
    return w.drawingCount() - before;
}

TEST_F(MainWindowTriggers, EveryStyleControlRedrawsOnce)
{
    MainWindow& w = startShown();
    std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"btnDraw", [&] { w.btnDraw->click(); }},
        {"spnWidth", [&] { w.spnWidth->setValue(30); }},
        {"spnHeight", [&] { w.spnHeight->setValue(30); }},
        {"spnMinorX", [&] { w.spnMinorX->setValue(2); }},
        {"spnMinorY", [&] { w.spnMinorY->setValue(2); }},
        {"chkFixedWidth", [&] { w.chkFixedWidth->click(); }},
        {"chkFixedHeight", [&] { w.chkFixedHeight->click(); }},
        {"chkBMPBackground", [&] { w.chkBMPBackground->click(); }},
        {"cmbAntiAlias", [&] { w.cmbAntiAlias->setCurrentIndex(2); }},
        {"cbFont", [&] { w.setFontName("Liberation Sans"); }},
        {"cbFontStyle", [&] { w.cbFontStyle->setCurrentIndex(1); }},
        {"cbTextAlign", [&] { w.cbTextAlign->setCurrentIndex(2); }},
        {"chkUnderlined", [&] { w.chkUnderlined->click(); }},
        {"edtFontSize", [&] { w.edtFontSize->setValue(12); }},
        {"edtCaption", [&] { w.edtCaption->setText("Next"); }},
        {"btn3D", [&] { w.btn3D->click(); }},
        {"btnSwap", [&] { w.btnSwap->click(); }},
    };
    for (int i = 0; i < 4; ++i) changes.emplace_back("spn1..4", [&w, i] { w.spnBorder[i]->setValue(3); });
    for (auto& [name, change] : changes) EXPECT_EQ(drawingsBy(w, change), 1) << name;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTriggers, FontChangesUpdateTheSampleFirst)
{
    MainWindow& w = startShown();
    w.setFontName("Liberation Sans");
    w.edtFontSize->setValue(14);
    w.cbFontStyle->setCurrentIndex(3);
    EXPECT_EQ(w.lblFont->text(), "Liberation Sans, 14 pt");
    EXPECT_TRUE(w.lblFont->font().bold());
    EXPECT_TRUE(w.lblFont->font().italic());
    EXPECT_EQ(w.lblFont->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(MainWindowTriggers, LoadingFlagKeepsSettingsFromDrawing)
{
    // Stored values that differ from the controls' own make every trigger fire.
    writeText(homeFile("Nimbrel.ini"),
              "[Booleans]\nchkFixedWidth=1\nchkBMPBackground=1\nchkUnderlined=1\nchkBMPEnabled1=1\n"
              "[Integers]\nButtonSizeWidth=40\nButtonBorderLeft=3\nFontSize=11\nFontStyle=2\nMinorX=1\n"
              "cmbAntiAlias=1\ntbZoom=3\nBMPAlign1=5\n"
              "[Strings]\nFontName=Liberation Sans\nedtCaption=Hi\nBMPFilename1=" +
                  homeFile("Nimbrel.ini") + "\n");
    writeText(homeFile("Nimbrel_captions.ini"), "count=1\r\ncaption0=Hi\r\nfilename0=hi\r\n");
    MainWindow& w = start();
    EXPECT_EQ(w.drawingCount(), 0);
    EXPECT_TRUE(w.buttonBitmap().empty());
    EXPECT_EQ(w.spnWidth->value(), 40);
    EXPECT_EQ(w.edtCaption->text(), "Hi");
}

TEST_F(MainWindowTriggers, BitmapRowRedrawsOnlyWhenItsFileExists)
{
    Bgr24Image image(3, 2);
    const std::string bmp = homeFile("tile.bmp");
    saveBmpFile(bmp, image.view());
    MainWindow& w = startShown();
    QLineEdit* name = w.edtBMPFilename[2];

    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(bmp)); }), 0) << "import switched off";
    w.chkBMPBackground->setChecked(true);
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(bmp + "x")); }), 0) << "no such file";
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(bmp)); }), 1);
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString("\"" + bmp + "\"")); }), 1)
        << "quoted";
    EXPECT_EQ(drawingsBy(w, [&] { w.chkBMPEnabled[2]->click(); }), 1);
    EXPECT_EQ(drawingsBy(w, [&] { w.cmbBMPAlign[2]->setCurrentIndex(6); }), 1);
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(homeFolder())); }), 0) << "a folder";
    EXPECT_EQ(drawingsBy(w, [&] { name->clear(); }), 0);
    EXPECT_EQ(drawingsBy(w, [&] { w.chkBMPEnabled[0]->click(); }), 0) << "row 1 names no file";
}

TEST_F(MainWindowTriggers, BrowseButtonsFillTheirEditsThroughTheDialogs)
{
    Bgr24Image image(2, 2);
    const std::string bmp = homeFile("b.bmp");
    saveBmpFile(bmp, image.view());
    MainWindow& w = startShown();
    w.chkBMPBackground->setChecked(true);
    w.edtBMPFilename[1]->setText(QString::fromStdString(homeFile("old/a.bmp")));
    dialogs.fileNames = {std::nullopt, bmp};
    w.btnBMPBrowse[1]->click();
    EXPECT_EQ(w.edtBMPFilename[1]->text().toStdString(), homeFile("old/a.bmp")) << "cancelled";
    EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, homeFolder() + "old/");
    EXPECT_EQ(drawingsBy(w, [&] { w.btnBMPBrowse[1]->click(); }), 1);
    EXPECT_EQ(w.edtBMPFilename[1]->text().toStdString(), bmp);

    dialogs.folders = {std::nullopt, std::string("/tmp/elsewhere")};
    const QString before = w.edtOutputDir->text();
    w.btnOutputDir->click();
    EXPECT_EQ(w.edtOutputDir->text(), before);
    w.btnOutputDir->click();
    EXPECT_EQ(w.edtOutputDir->text(), "/tmp/elsewhere");
}

TEST_F(MainWindowTriggers, BitmapThatDoesNotLoadIsReportedAndLeavesThePartialButton)
{
    writeText(homeFile("fake.bmp"), "GIF89a not a bitmap");
    MainWindow& w = startShown();
    w.chkBMPEnabled[0]->setChecked(true);
    w.edtBMPFilename[0]->setText(QString::fromStdString(homeFile("fake.bmp")));
    w.chkBMPBackground->setChecked(true);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Bitmap image is not valid");
    // Background only: no borders were drawn over it.
    EXPECT_EQ(w.buttonBitmap().pixel(0, 0), w.pnl0->color());
}

TEST_F(MainWindowTriggers, ZoomRepaintsThePreviewButDoesNotRedraw)
{
    MainWindow& w = startShown();
    EXPECT_EQ(drawingsBy(w, [&] { w.tbZoom->setValue(3); }), 0);
    EXPECT_EQ(w.pb->zoom(), 3);
}

TEST_F(MainWindowTriggers, ColourPanelsTakeTheChosenColourOnlyOnOk)
{
    MainWindow& w = startShown();
    const std::vector<ColorPanelButton*> panels = {w.pnl0,         w.pnlBorder[0], w.pnlBorder[1],
                                                   w.pnlBorder[2], w.pnlBorder[3], w.pnlFontColor,
                                                   w.pnlBackground};
    for (ColorPanelButton* panel : panels) {
        const Color before = panel->color();
        dialogs.colors.push_back(std::nullopt);
        EXPECT_EQ(drawingsBy(w, [&] { emit panel->clicked(); }), 0) << panel->objectName().toStdString();
        EXPECT_EQ(panel->color(), before);
        EXPECT_EQ(dialogs.colorRequests.back(), before);
        dialogs.colors.push_back(0x00112233);
        EXPECT_EQ(drawingsBy(w, [&] { emit panel->clicked(); }), 1) << panel->objectName().toStdString();
        EXPECT_EQ(panel->color(), 0x00112233u);
    }
    EXPECT_EQ(w.pb->background(), 0x00112233u);
    EXPECT_EQ(w.buttonBitmap().pixel(w.buttonBitmap().width() / 2, 0), 0x00112233u) << "top border";
}

TEST_F(MainWindowTriggers, ThreeDBorderAndSwap)
{
    MainWindow& w = startShown();
    w.btn3D->click();
    const Color light = makeColor(127, 191, 223), dark = makeColor(0, 64, 96);
    auto borders = [&] {
        return std::vector<Color>{w.pnlBorder[0]->color(), w.pnlBorder[1]->color(), w.pnlBorder[2]->color(),
                                  w.pnlBorder[3]->color()};
    };
    EXPECT_EQ(borders(), (std::vector<Color>{light, dark, light, dark}));
    EXPECT_EQ(w.buttonBitmap().pixel(0, w.buttonBitmap().height() / 2), light);
    w.btnSwap->click();
    EXPECT_EQ(borders(), (std::vector<Color>{dark, light, dark, light}));
    w.btnSwap->click();
    EXPECT_EQ(borders(), (std::vector<Color>{light, dark, light, dark}));

    const Color l = 1, r = 2, t = 3, b = 4;
    for (int i = 0; i < 4; ++i) w.pnlBorder[i]->setColor(std::vector<Color>{l, r, t, b}[i]);
    w.btnSwap->click();
    EXPECT_EQ(borders(), (std::vector<Color>{b, t, b, t}));
    EXPECT_EQ(w.spnBorder[0]->value(), 1) << "thicknesses stay";
}

}  // namespace
}  // namespace nimbrel::test

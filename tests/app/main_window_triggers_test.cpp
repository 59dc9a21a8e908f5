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
#include "core/shade.h"
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
        {"btnDraw", [&] { control<QPushButton>(w, "btnDraw")->click(); }},
        {"spnWidth", [&] { control<QSpinBox>(w, "spnWidth")->setValue(30); }},
        {"spnHeight", [&] { control<QSpinBox>(w, "spnHeight")->setValue(30); }},
        {"spnMinorX", [&] { control<QSpinBox>(w, "spnMinorX")->setValue(2); }},
        {"spnMinorY", [&] { control<QSpinBox>(w, "spnMinorY")->setValue(2); }},
        {"chkFixedWidth", [&] { control<QCheckBox>(w, "chkFixedWidth")->click(); }},
        {"chkFixedHeight", [&] { control<QCheckBox>(w, "chkFixedHeight")->click(); }},
        {"chkBMPBackground", [&] { control<QCheckBox>(w, "chkBMPBackground")->click(); }},
        {"cmbAntiAlias", [&] { control<QComboBox>(w, "cmbAntiAlias")->setCurrentIndex(2); }},
        {"cbFont", [&] { selectFontFace(*control<QComboBox>(w, "cbFont"), "Liberation Sans"); }},
        {"cbFontStyle", [&] { control<QComboBox>(w, "cbFontStyle")->setCurrentIndex(1); }},
        {"cbTextAlign", [&] { control<QComboBox>(w, "cbTextAlign")->setCurrentIndex(2); }},
        {"chkUnderlined", [&] { control<QCheckBox>(w, "chkUnderlined")->click(); }},
        {"edtFontSize", [&] { control<QSpinBox>(w, "edtFontSize")->setValue(12); }},
        {"edtCaption", [&] { control<QLineEdit>(w, "edtCaption")->setText("Next"); }},
        {"btn3D", [&] { control<QPushButton>(w, "btn3D")->click(); }},
        {"btnSwap", [&] { control<QPushButton>(w, "btnSwap")->click(); }},
    };
    for (int i = 0; i < 4; ++i)
        changes.emplace_back("spn1..4",
                             [&w, i] { control<QSpinBox>(w, QString("spn%1").arg(i + 1))->setValue(3); });
    for (auto& [name, change] : changes) EXPECT_EQ(drawingsBy(w, change), 1) << name;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTriggers, FontChangesUpdateTheSampleFirst)
{
    MainWindow& w = startShown();
    selectFontFace(*control<QComboBox>(w, "cbFont"), "Liberation Sans");
    control<QSpinBox>(w, "edtFontSize")->setValue(14);
    control<QComboBox>(w, "cbFontStyle")->setCurrentIndex(3);
    const QLabel* sample = control<QLabel>(w, "lblFont");
    EXPECT_EQ(sample->text(), "Liberation Sans, 14 pt");
    EXPECT_TRUE(sample->font().bold());
    EXPECT_TRUE(sample->font().italic());
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(Qt::black));
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
    EXPECT_EQ(control<QSpinBox>(w, "spnWidth")->value(), 40);
    EXPECT_EQ(control<QLineEdit>(w, "edtCaption")->text(), "Hi");
}

TEST_F(MainWindowTriggers, BitmapRowRedrawsOnlyWhenItsFileExists)
{
    Bgr24Image image(3, 2);
    const std::string bmp = homeFile("tile.bmp");
    saveBmpFile(bmp, image.view());
    MainWindow& w = startShown();
    QLineEdit* name = control<QLineEdit>(w, "edtBMPFilename3");

    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(bmp)); }), 0) << "import switched off";
    control<QCheckBox>(w, "chkBMPBackground")->setChecked(true);
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(bmp + "x")); }), 0) << "no such file";
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(bmp)); }), 1);
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString("\"" + bmp + "\"")); }), 1)
        << "quoted";
    EXPECT_EQ(drawingsBy(w, [&] { control<QCheckBox>(w, "chkBMPEnabled3")->click(); }), 1);
    EXPECT_EQ(drawingsBy(w, [&] { control<QComboBox>(w, "cmbBMPAlign3")->setCurrentIndex(6); }), 1);
    EXPECT_EQ(drawingsBy(w, [&] { name->setText(QString::fromStdString(homeFolder())); }), 0) << "a folder";
    EXPECT_EQ(drawingsBy(w, [&] { name->clear(); }), 0);
    EXPECT_EQ(drawingsBy(w, [&] { control<QCheckBox>(w, "chkBMPEnabled1")->click(); }), 0)
        << "row 1 names no file";
}

TEST_F(MainWindowTriggers, BrowseButtonsFillTheirEditsThroughTheDialogs)
{
    Bgr24Image image(2, 2);
    const std::string bmp = homeFile("b.bmp");
    saveBmpFile(bmp, image.view());
    MainWindow& w = startShown();
    control<QCheckBox>(w, "chkBMPBackground")->setChecked(true);
    control<QLineEdit>(w, "edtBMPFilename2")->setText(QString::fromStdString(homeFile("old/a.bmp")));
    dialogs.fileNames = {std::nullopt, bmp};
    control<QPushButton>(w, "btnBMPBrowse2")->click();
    EXPECT_EQ(control<QLineEdit>(w, "edtBMPFilename2")->text().toStdString(), homeFile("old/a.bmp"))
        << "cancelled";
    EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, homeFolder() + "old/");
    EXPECT_EQ(drawingsBy(w, [&] { control<QPushButton>(w, "btnBMPBrowse2")->click(); }), 1);
    EXPECT_EQ(control<QLineEdit>(w, "edtBMPFilename2")->text().toStdString(), bmp);

    dialogs.folders = {std::nullopt, std::string("/tmp/elsewhere")};
    const QString before = control<QLineEdit>(w, "edtOutputDir")->text();
    control<QPushButton>(w, "btnOutputDir")->click();
    EXPECT_EQ(control<QLineEdit>(w, "edtOutputDir")->text(), before);
    control<QPushButton>(w, "btnOutputDir")->click();
    EXPECT_EQ(control<QLineEdit>(w, "edtOutputDir")->text(), "/tmp/elsewhere");
}

TEST_F(MainWindowTriggers, BitmapThatDoesNotLoadIsReportedAndLeavesThePartialButton)
{
    writeText(homeFile("fake.bmp"), "GIF89a not a bitmap");
    MainWindow& w = startShown();
    control<QCheckBox>(w, "chkBMPEnabled1")->setChecked(true);
    control<QLineEdit>(w, "edtBMPFilename1")->setText(QString::fromStdString(homeFile("fake.bmp")));
    control<QCheckBox>(w, "chkBMPBackground")->setChecked(true);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Bitmap image is not valid");
    // Background only: no borders were drawn over it.
    EXPECT_EQ(w.buttonBitmap().pixel(0, 0), control<ColorPanelButton>(w, "pnl0")->color());
}

TEST_F(MainWindowTriggers, ZoomRepaintsThePreviewButDoesNotRedraw)
{
    MainWindow& w = startShown();
    EXPECT_EQ(drawingsBy(w, [&] { control<QSlider>(w, "tbZoom")->setValue(3); }), 0);
    EXPECT_EQ(control<PreviewBox>(w, "pb")->zoom(), 3);
}

TEST_F(MainWindowTriggers, ColourPanelsTakeTheChosenColourOnlyOnOk)
{
    MainWindow& w = startShown();
    const std::vector<ColorPanelButton*> panels = {
        control<ColorPanelButton>(w, "pnl0"),         control<ColorPanelButton>(w, "pnl1"),
        control<ColorPanelButton>(w, "pnl2"),         control<ColorPanelButton>(w, "pnl3"),
        control<ColorPanelButton>(w, "pnl4"),         control<ColorPanelButton>(w, "pnlFontColor"),
        control<ColorPanelButton>(w, "pnlBackground")};
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
    EXPECT_EQ(control<PreviewBox>(w, "pb")->background(), 0x00112233u);
    EXPECT_EQ(w.buttonBitmap().pixel(w.buttonBitmap().width() / 2, 0), 0x00112233u) << "top border";
}

TEST_F(MainWindowTriggers, ThreeDBorderAndSwap)
{
    MainWindow& w = startShown();
    control<QPushButton>(w, "btn3D")->click();
    const Color light = makeColor(127, 191, 223), dark = makeColor(0, 64, 96);
    auto borders = [&] {
        return std::vector<Color>{
            control<ColorPanelButton>(w, "pnl1")->color(), control<ColorPanelButton>(w, "pnl2")->color(),
            control<ColorPanelButton>(w, "pnl3")->color(), control<ColorPanelButton>(w, "pnl4")->color()};
    };
    EXPECT_EQ(borders(), (std::vector<Color>{light, dark, light, dark}));
    EXPECT_EQ(w.buttonBitmap().pixel(0, w.buttonBitmap().height() / 2), light);
    control<QPushButton>(w, "btnSwap")->click();
    EXPECT_EQ(borders(), (std::vector<Color>{dark, light, dark, light}));
    control<QPushButton>(w, "btnSwap")->click();
    EXPECT_EQ(borders(), (std::vector<Color>{light, dark, light, dark}));

    const Color l = 1, r = 2, t = 3, b = 4;
    for (int i = 0; i < 4; ++i)
        control<ColorPanelButton>(w, QString("pnl%1").arg(i + 1))
            ->setColor(std::vector<Color>{l, r, t, b}[i]);
    control<QPushButton>(w, "btnSwap")->click();
    EXPECT_EQ(borders(), (std::vector<Color>{b, t, b, t}));
    EXPECT_EQ(control<QSpinBox>(w, "spn1")->value(), 1) << "thicknesses stay";

    // A system colour is shaded as the panel shows it, not by its stored bytes.
    auto* pnl0 = control<ColorPanelButton>(w, "pnl0");
    pnl0->setColor(0xFF00000F);
    control<QPushButton>(w, "btn3D")->click();
    EXPECT_EQ(borders()[0], lightShade(pnl0->shownColor()));
    EXPECT_EQ(borders()[1], darkShade(pnl0->shownColor()));
}

}  // namespace
}  // namespace nimbrel::test

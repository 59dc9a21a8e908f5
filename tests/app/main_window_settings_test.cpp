// Start and end of a session: defaults, restoring, clamping, the warnings at start.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <QScreen>
#include <QTabWidget>
#include <filesystem>

#include "app/widgets/color_panel_button.h"
#include "app/window_bounds.h"
#include "app/widgets/preview_box.h"
#include "app/widgets/radio_group.h"
#include "core/button_style.h"
#include "settings/style_from_settings.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

using MainWindowSession = WindowTest;

TEST_F(MainWindowSession, FirstStartShowsTheDefaultsAndMakesTheFolders)
{
    MainWindow& w = start();
    EXPECT_FALSE(w.loading());
    EXPECT_EQ(w.currentStyle(), firstStartStyle());
    EXPECT_EQ(control<QLineEdit>(w, "edtCaption")->text(), "untitled");
    EXPECT_EQ(control<QLineEdit>(w, "edtFilename")->text(), "untitled");
    EXPECT_EQ(control<QListWidget>(w, "lbCaption")->count(), 0);
    for (const char* folder : {"Styles", "Captions", "Output"})
        EXPECT_TRUE(fs::is_directory(homeFile(folder))) << folder;
    EXPECT_EQ(control<QLineEdit>(w, "edtOutputDir")->text().toStdString(), homeFolder() + "Output");
    EXPECT_TRUE(control<QCheckBox>(w, "chkAutoFilename")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(w, "chkSpaceToUnderscore")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(w, "chkSaveBMP")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(w, "chkSaveGIF")->isChecked());
    EXPECT_EQ(control<RadioGroup>(w, "rgGIFCompression")->itemIndex(), 1);
    EXPECT_EQ(control<RadioGroup>(w, "rgDithering")->itemIndex(), 0);
    EXPECT_EQ(control<RadioGroup>(w, "rgColorReduction")->itemIndex(), 5);
    EXPECT_EQ(control<RadioGroup>(w, "rgReductionBits")->itemIndex(),
              5);  // the stored 6 lies past the last item
    EXPECT_EQ(control<QSlider>(w, "tbZoom")->value(), 1);
    EXPECT_EQ(control<ColorPanelButton>(w, "pnlBackground")->color(), 0x00808080u);
    EXPECT_EQ(control<QTabWidget>(w, "pc")->currentWidget(), control<QWidget>(w, "tabButton"));
    w.show();
    // Every tab fits the start size at the default font.
    EXPECT_EQ(w.size(), QSize(590, 448));
    EXPECT_TRUE(w.windowTitle().startsWith("Nimbrel v1.82 "));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(fs::exists(homeFile("Nimbrel.ini"))) << "settings are written only at exit";
}

TEST_F(MainWindowSession, FirstShowingDrawsTheButtonAndTheFontSample)
{
    MainWindow& w = start();
    EXPECT_EQ(w.drawingCount(), 0);
    EXPECT_TRUE(w.buttonBitmap().empty());
    w.show();
    EXPECT_EQ(w.drawingCount(), 2);
    EXPECT_EQ(w.buttonBitmap().height(), 32);
    EXPECT_GT(w.buttonBitmap().width(), 32);
    EXPECT_EQ(w.buttonBitmap().pixel(0, 0), 0x00804000u);
    EXPECT_EQ(w.buttonBitmap().pixel(1, 1), 0x00C08000u);
    EXPECT_EQ(control<QLabel>(w, "lblFont")->text(), "Arial, 8 pt");
}

TEST_F(MainWindowSession, SecondStartRestoresEveryControlAndTheLists)
{
    MainWindow& w = startShown();
    ButtonStyle style = firstStartStyle();
    style.width = 7;
    style.height = 150;
    style.fixedWidth = true;
    style.fixedHeight = false;
    style.faceColor = 0x00123456;
    style.colorBorderTop = 0x00FF0000;
    style.borderBottom = -3;
    style.fontName = "Liberation Sans";
    style.fontSize = 14;
    style.fontStyle = 3;
    style.fontUnderline = true;
    style.antiAliasLevel = 2;
    style.fontColor = 0x00010203;
    style.textAlign = 2;
    style.captionOffsetX = -4;
    style.captionOffsetY = 9;
    style.backgroundBitmapsOn = true;
    style.setBitmapFileName(2, "/nowhere/b.bmp");
    style.setBitmapEnabled(3, true);
    style.setBitmapAlign(4, 7);
    style.prefix = "btn_";
    style.suffix = "_on";
    w.applyStyle(style);
    control<QLineEdit>(w, "edtCaption")->setText("Home");
    control<QLineEdit>(w, "edtFilename")->setText("home");
    control<QListWidget>(w, "lbCaption")->addItems({"Home", "About us"});
    control<QListWidget>(w, "lbFilename")->addItems({"home", "about_us"});
    control<QCheckBox>(w, "chkAutoFilename")->setChecked(false);
    control<QCheckBox>(w, "chkLowercase")->setChecked(false);
    control<QCheckBox>(w, "chkSaveGIF")->setChecked(false);
    control<RadioGroup>(w, "rgGIFCompression")->setItemIndex(0);
    control<RadioGroup>(w, "rgDithering")->setItemIndex(4);
    control<RadioGroup>(w, "rgColorReduction")->setItemIndex(6);
    control<RadioGroup>(w, "rgReductionBits")->setItemIndex(0);
    control<QLineEdit>(w, "edtOutputDir")->setText("/somewhere/else");
    control<QSlider>(w, "tbZoom")->setValue(4);
    control<ColorPanelButton>(w, "pnlBackground")->setColor(0x00ABCDEF);
    w.setGeometry(40, 50, 700, 500);  // within the test screen (800 x 600)

    MainWindow& again = restart();
    EXPECT_EQ(again.currentStyle(), style);
    EXPECT_EQ(control<QLineEdit>(again, "edtCaption")->text(), "Home");
    EXPECT_EQ(control<QLineEdit>(again, "edtFilename")->text(), "home");
    ASSERT_EQ(control<QListWidget>(again, "lbCaption")->count(), 2);
    EXPECT_EQ(control<QListWidget>(again, "lbCaption")->item(1)->text(), "About us");
    EXPECT_EQ(control<QListWidget>(again, "lbFilename")->item(1)->text(), "about_us");
    EXPECT_FALSE(control<QCheckBox>(again, "chkAutoFilename")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(again, "chkLowercase")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(again, "chkLowercase")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(again, "chkSaveGIF")->isChecked());
    EXPECT_EQ(control<RadioGroup>(again, "rgGIFCompression")->itemIndex(), 0);
    EXPECT_EQ(control<RadioGroup>(again, "rgDithering")->itemIndex(), 4);
    EXPECT_EQ(control<RadioGroup>(again, "rgColorReduction")->itemIndex(), 6);
    EXPECT_EQ(control<RadioGroup>(again, "rgReductionBits")->itemIndex(), 0);
    EXPECT_EQ(control<QLineEdit>(again, "edtOutputDir")->text(), "/somewhere/else");
    EXPECT_EQ(control<QSlider>(again, "tbZoom")->value(), 4);
    EXPECT_EQ(control<PreviewBox>(again, "pb")->zoom(), 4);
    EXPECT_EQ(control<ColorPanelButton>(again, "pnlBackground")->color(), 0x00ABCDEFu);
    EXPECT_EQ(control<PreviewBox>(again, "pb")->background(), 0x00ABCDEFu);
    EXPECT_EQ(again.geometry().size(), QSize(700, 500));
    EXPECT_EQ(again.geometry().topLeft(), QPoint(40, 50));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowSession, MaximizedWindowComesBackMaximizedOverItsNormalBounds)
{
    startShown().setGeometry(30, 30, 720, 520);
    window->showMaximized();
    restart().show();
    EXPECT_TRUE(window->isMaximized());
    window->showNormal();
    EXPECT_EQ(window->geometry(), QRect(30, 30, 720, 520));
}

TEST(WindowBounds, APlacementThatFitsStandsAndOneThatDoesNotIsBroughtIn)
{
    const QRect screen(0, 0, 1024, 768);
    const QMargins frame(2, 24, 2, 2);
    EXPECT_EQ(fitWindowBounds({40, 50, 900, 620}, screen, frame), QRect(40, 50, 900, 620));
    EXPECT_EQ(fitWindowBounds({900, 0, 590, 448}, screen, frame), QRect(1022 - 590, 24, 590, 448))
        << "the title bar comes onto the screen";
    EXPECT_EQ(fitWindowBounds({INT32_MAX, INT32_MIN, INT32_MAX, -5}, screen, frame), QRect(2, 24, 1020, 1));
}

// A stored placement out of reach comes back where the user can see and move it.
TEST_F(MainWindowSession, StoredPlacementOffTheScreenIsBroughtBack)
{
    writeText(homeFile("Nimbrel.ini"), "[frmMain]\nLeft=-32767\nTop=32767\nWidth=32767\nWinState=0\n");
    MainWindow& w = startShown();
    const QRect available = w.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(w.geometry())) << available.width() << "x" << available.height();
    EXPECT_LE(w.geometry().width(), available.width());
    EXPECT_EQ(w.geometry().height(), 448);
}

TEST_F(MainWindowSession, OutOfRangeValuesClampAndAreSavedClamped)
{
    writeText(
        homeFile("Nimbrel.ini"),
        "[Integers]\r\nButtonSizeWidth=500\r\nButtonSizeHeight=-5\r\ntbZoom=9\r\nrgColorReductionBits=6\r\n"
        "FontAlign=7\r\nBMPAlign2=-1\r\nMinorX=12abc\r\n");
    MainWindow& w = start();
    EXPECT_EQ(control<QSpinBox>(w, "spnWidth")->value(), 360);
    EXPECT_EQ(control<QSpinBox>(w, "spnHeight")->value(), 0);
    EXPECT_EQ(control<QSlider>(w, "tbZoom")->value(), 5);
    EXPECT_EQ(control<RadioGroup>(w, "rgReductionBits")->itemIndex(), 5);
    EXPECT_EQ(control<QComboBox>(w, "cbTextAlign")->currentIndex(), -1);
    EXPECT_EQ(control<QComboBox>(w, "cmbBMPAlign2")->currentIndex(), -1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "Error reading Integer value \"Integers\\MinorX\". Value = \"12abc\". Value set to 0");
    window->close();
    const std::string saved = readText(homeFile("Nimbrel.ini"));
    for (const char* line : {"ButtonSizeWidth=360", "ButtonSizeHeight=0", "tbZoom=5",
                             "rgColorReductionBits=5", "FontAlign=-1", "BMPAlign2=-1"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
}

TEST_F(MainWindowSession, BothSaveBoxesOffWarnsOnceAtStart)
{
    writeText(homeFile("Nimbrel.ini"), "[Booleans]\nchkSaveBMP=0\nchkSaveGIF=0\n");
    start();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "You should choose at least one file type for saving!");
    control<QCheckBox>(*window, "chkSaveGIF")->setChecked(true);
    EXPECT_EQ(dialogs.messages.size(), 1u) << "checking a box again shows nothing";
}

TEST_F(MainWindowSession, FaceThatIsNotInstalledIsKeptAsAnExtraEntry)
{
    writeText(homeFile("Nimbrel.ini"), "[Strings]\nFontName=No Such Face 123\n");
    MainWindow& w = start();
    EXPECT_EQ(w.currentStyle().fontName, "No Such Face 123");
    EXPECT_EQ(control<QComboBox>(w, "cbFont")->findText("No Such Face 123"),
              control<QComboBox>(w, "cbFont")->currentIndex());
    restart();
    EXPECT_EQ(window->currentStyle().fontName, "No Such Face 123");
}

TEST_F(MainWindowSession, StoredFoldersAreKeptEvenWhenMissing)
{
    writeText(homeFile("Nimbrel.ini"), "[Strings]\nOutputDir=" + homeFolder() + "gone\nStyleDir=/x/y\n");
    MainWindow& w = start();
    EXPECT_EQ(control<QLineEdit>(w, "edtOutputDir")->text().toStdString(), homeFolder() + "gone");
    EXPECT_FALSE(fs::exists(homeFile("gone")));
    EXPECT_FALSE(fs::exists(homeFile("Styles")));
    EXPECT_TRUE(fs::is_directory(homeFile("Captions")));
}

TEST_F(MainWindowSession, ErrorsWhileCreatingAreShownAndTheWindowStillDraws)
{
    writeText(homeFile("Nimbrel.ini"), "[Booleans]\nchkFixedWidth=yes\n[Integers]\nButtonSizeHeight=12abc\n");
    writeText(homeFile("Nimbrel_captions.ini"), "count=abc\r\ncaption0=Keep me\r\n");
    MainWindow& w = start();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0], "'yes' is not a valid boolean value");
    EXPECT_EQ(dialogs.messages[1].rfind("Error reading Integer value", 0), 0u);
    EXPECT_EQ(dialogs.messages[2], "'abc' is not a valid integer value");
    EXPECT_FALSE(w.loading());
    w.show();
    EXPECT_EQ(w.drawingCount(), 2);

    // The damaged caption list is put aside before the session's lists replace it.
    window->close();
    EXPECT_NE(readText(homeFile("Nimbrel_captions.ini.unreadable")).find("Keep me"), std::string::npos);
    EXPECT_EQ(readText(homeFile("Nimbrel_captions.ini")), "count=0\r\n");
}

// One value that does not read costs only itself: the user's other settings load
// and are saved, and the line keeps its text until its control is changed.
TEST_F(MainWindowSession, UnreadableValueIsReportedOnceAndTheRestLoads)
{
    const std::string folder = homeFolder() + "mine";
    writeText(homeFile("Nimbrel.ini"), "[Booleans]\nchkSaveBMP=yes\nchkFixedWidth=1\n[Integers]\n"
                                       "ButtonSizeWidth=77\n[Strings]\nFontName=Liberation Serif\nOutputDir=" +
                                           folder + "\n");
    MainWindow& w = start();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"'yes' is not a valid boolean value"});
    EXPECT_TRUE(control<QCheckBox>(w, "chkSaveBMP")->isChecked()) << "its first-start value";
    EXPECT_EQ(control<QSpinBox>(w, "spnWidth")->value(), 77);
    EXPECT_TRUE(control<QCheckBox>(w, "chkFixedWidth")->isChecked());
    EXPECT_EQ(w.currentStyle().fontName, "Liberation Serif");
    EXPECT_EQ(control<QLineEdit>(w, "edtOutputDir")->text().toStdString(), folder);
    window->close();
    const std::string saved = readText(homeFile("Nimbrel.ini"));
    for (const std::string& line : std::vector<std::string>{"chkSaveBMP=yes\n", "ButtonSizeWidth=77\n", "FontName=Liberation Serif\n",
                                   "OutputDir=" + folder + "\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;

    control<QCheckBox>(restart(), "chkSaveBMP")->setChecked(false);
    EXPECT_EQ(dialogs.messages.size(), 2u) << "shown again while the line stays unreadable";
    window->close();
    EXPECT_NE(readText(homeFile("Nimbrel.ini")).find("chkSaveBMP=0\n"), std::string::npos);
}

TEST_F(MainWindowSession, ExitAndCloseBoxRunTheSameShutDownOnce)
{
    control<QSpinBox>(start(), "spnWidth")->setValue(21);
    control<QAction>(*window, "cmExit")->trigger();
    EXPECT_TRUE(window->shutDownDone());
    EXPECT_NE(readText(homeFile("Nimbrel.ini")).find("ButtonSizeWidth=21"), std::string::npos);
    EXPECT_EQ(readText(homeFile("Nimbrel_captions.ini")), "count=0\r\n");

    fs::remove(homeFile("Nimbrel.ini"));
    window->close();  // a second close writes nothing more
    EXPECT_FALSE(fs::exists(homeFile("Nimbrel.ini")));
}

TEST_F(MainWindowSession, SettingsFileThatCannotBeWrittenIsReportedAndTheCaptionListStillSaved)
{
    control<QListWidget>(start(), "lbCaption")->addItem("One");
    control<QListWidget>(*window, "lbFilename")->addItem("one");
    fs::create_directory(homeFile("Nimbrel.ini"));  // a folder where the file should go
    window->close();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Unable to write to", 0), 0u) << dialogs.messages[0];
    EXPECT_NE(readText(homeFile("Nimbrel_captions.ini")).find("caption0=One"), std::string::npos);
}

TEST_F(MainWindowSession, MissingAutosavedListGivesUntitledAtTheNextStart)
{
    MainWindow& w = start();
    control<QListWidget>(w, "lbCaption")->addItem("A");
    control<QListWidget>(w, "lbFilename")->addItem("a");
    control<QLineEdit>(w, "edtCaption")->setText("A");
    restart();
    EXPECT_EQ(control<QListWidget>(*window, "lbCaption")->count(), 1);
    EXPECT_EQ(control<QLineEdit>(*window, "edtCaption")->text(), "A");
    window->close();
    window.reset();
    fs::remove(homeFile("Nimbrel_captions.ini"));
    start();
    EXPECT_EQ(control<QListWidget>(*window, "lbCaption")->count(), 0);
    EXPECT_EQ(control<QLineEdit>(*window, "edtCaption")->text(), "untitled");
    EXPECT_EQ(control<QLineEdit>(*window, "edtFilename")->text(), "untitled");
}

}  // namespace
}  // namespace nimbrel::test

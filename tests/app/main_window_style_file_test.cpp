// Opening and saving style files through the dialogs.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <filesystem>

#include "app/widgets/color_panel_button.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"
#include "settings/style_from_settings.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

using MainWindowStyleFiles = WindowTest;

TEST_F(MainWindowStyleFiles, SaveWritesTheControlsAndRemembersTheFolder)
{
    MainWindow& w = start();
    std::filesystem::create_directory(homeFile("mine"));
    const std::string name = homeFile("mine/blue.ini");
    dialogs.fileNames.push_back(name);
    control<QAction>(w, "cmSavebuttonstyle")->trigger();

    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    const FileDialogOptions& asked = dialogs.fileDialogs[0];
    EXPECT_EQ(asked.title, "Save Button Style");
    EXPECT_EQ(asked.filter, "Button Styles (*.ini)|*.ini|All Files (*.*)|*.*");
    EXPECT_EQ(asked.defaultExtension, "ini");
    EXPECT_EQ(asked.initialFolder, homeFolder() + "Styles");
    const std::string text = readText(name);
    EXPECT_EQ(
        text.rfind("width=16\r\nheight=32\r\nfixedWidth=False\r\nfixedHeight=True\r\ncolorBack=12615680\r\n",
                   0),
        0u);
    EXPECT_EQ(w.settings().text(setting_key::kStyleDir), homeFolder() + "mine/");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowStyleFiles, OpenRoundTripsEveryControlAndDrawsOnce)
{
    MainWindow& w = startShown();
    control<QSpinBox>(w, "spnWidth")->setValue(44);
    control<QCheckBox>(w, "chkFixedWidth")->setChecked(true);
    control<ColorPanelButton>(w, "pnl0")->setColor(0x000000FF);
    selectFontFace(*control<QComboBox>(w, "cbFont"), "Liberation Sans");
    control<QComboBox>(w, "cbTextAlign")->setCurrentIndex(1);
    control<QLineEdit>(w, "edtBMPFilename4")
        ->setText("\"" + QString::fromStdString(homeFile("x.bmp")) + "\"");
    control<QComboBox>(w, "cmbBMPAlign4")->setCurrentIndex(6);
    control<QLineEdit>(w, "edtSuffix")->setText("_on");
    const ButtonStyle saved = w.currentStyle();
    const std::string name = homeFile("Styles/red.ini");
    dialogs.fileNames.push_back(name);
    control<QAction>(w, "cmSavebuttonstyle")->trigger();

    w.applyStyle(firstStartStyle());
    const int before = w.drawingCount();
    dialogs.fileNames.push_back(name);
    control<QAction>(w, "cmOpenbuttonstyle")->trigger();
    EXPECT_EQ(w.currentStyle(), saved);
    EXPECT_EQ(control<QLineEdit>(w, "edtBMPFilename4")->text().toStdString(), homeFile("x.bmp"))
        << "quotes are gone";
    EXPECT_EQ(w.drawingCount() - before, 1);
    EXPECT_EQ(control<QLabel>(w, "lblFont")->text(), "Liberation Sans, 8 pt");
    EXPECT_EQ(dialogs.fileDialogs.back().title, "Open Button Style");
    EXPECT_TRUE(dialogs.messages.empty());
}

// The 40-character limit of the prefix and suffix is for typing: longer ones from
// a style file or the settings are shown, used and saved back whole.
TEST_F(MainWindowStyleFiles, LongPrefixAndSuffixFromFilesStayWhole)
{
    const std::string prefix(50, 'p'), suffix(45, 's');
    writeText(homeFile("Nimbrel.ini"), "[Strings]\nedtSuffix=" + suffix + "\n");
    MainWindow& w = start();
    ButtonStyle style = w.currentStyle();
    EXPECT_EQ(style.suffix, suffix);
    style.prefix = prefix;
    style.width = 500;
    const std::string name = homeFile("long.ini");
    ASSERT_TRUE(style.saveToFile(name, homeFolder()));
    dialogs.fileNames.push_back(name);
    control<QAction>(w, "cmOpenbuttonstyle")->trigger();
    EXPECT_EQ(control<QLineEdit>(w, "edtPrefix")->text().toStdString(), prefix);
    EXPECT_EQ(w.saveRequestFromControls().prefix, prefix);
    EXPECT_EQ(w.currentStyle(), styleAsShown(style));

    dialogs.fileNames.push_back(homeFile("again.ini"));
    control<QAction>(w, "cmSavebuttonstyle")->trigger();
    EXPECT_NE(readText(homeFile("again.ini")).find("prefix=" + prefix + "\r\n"), std::string::npos);
    const std::string settings = readText((restart(), homeFile("Nimbrel.ini")));
    EXPECT_NE(settings.find("edtPrefix=" + prefix + "\n"), std::string::npos);
    EXPECT_NE(settings.find("edtSuffix=" + suffix + "\n"), std::string::npos);
}

TEST_F(MainWindowStyleFiles, BadFileLeavesTheControlsAsTheyWere)
{
    MainWindow& w = start();
    const std::string bad = homeFile("bad.ini");
    writeText(bad, "width=20\r\nheight=abc\r\n");
    const ButtonStyle before = w.currentStyle();
    dialogs.fileNames.push_back(bad);
    control<QAction>(w, "cmOpenbuttonstyle")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "'abc' is not a valid integer value");
    EXPECT_EQ(w.currentStyle(), before);
    EXPECT_EQ(w.settings().text(setting_key::kStyleDir), homeFolder())
        << "the folder is taken before reading";

    dialogs.fileNames.push_back(homeFile("missing.ini"));
    control<QAction>(w, "cmOpenbuttonstyle")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].rfind("Cannot open file", 0), 0u) << dialogs.messages[1];
    EXPECT_EQ(w.currentStyle(), before);
}

TEST_F(MainWindowStyleFiles, CancelChangesNothing)
{
    MainWindow& w = start();
    const std::string styleDir = w.settings().text(setting_key::kStyleDir);
    dialogs.fileNames = {std::nullopt, std::nullopt};
    control<QAction>(w, "cmOpenbuttonstyle")->trigger();
    control<QAction>(w, "cmSavebuttonstyle")->trigger();
    EXPECT_EQ(w.settings().text(setting_key::kStyleDir), styleDir);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowStyleFiles, UnwritableFileIsReportedAndTheFolderStillTaken)
{
    MainWindow& w = start();
    const std::string name = homeFile("no/such/folder/s.ini");
    dialogs.fileNames.push_back(name);
    control<QAction>(w, "cmSavebuttonstyle")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Error trying to write style to file " + name);
    EXPECT_EQ(w.settings().text(setting_key::kStyleDir), homeFolder() + "no/such/folder/");
}

}  // namespace
}  // namespace nimbrel::test

// The window's PNG, transparency and 2x/3x choices saved through "Save Button
// Image", and "Copy HTML".
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "app/widgets/color_panel_button.h"
#include "base/file_io.h"
#include "support/png_test_support.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

TEST_F(WindowTest, PngTransparencyAndScaledCopiesFromTheOutputOptions)
{
    MainWindow& w = startShown();
    control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(homeFolder()));
    control<QLineEdit>(w, "edtCaption")->setText("Home");
    for (const char* box : {"chkSavePNG", "chkTransparent", "chkSave3x"}) control<QCheckBox>(w, box)->click();
    dialogs.colors.push_back(0x00C08000);  // the first-start button colour
    emit control<ColorPanelButton>(w, "pnlTransparentColor")->clicked();
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_TRUE(dialogs.messages.empty());

    for (const char* file : {"home.png", "home.gif", "home@3x.bmp", "home@3x.gif"})
        EXPECT_TRUE(fs::is_regular_file(homeFile(file))) << file;
    EXPECT_FALSE(fs::exists(homeFile("home@2x.png")));
    const auto png = png_test::decodeWithLibpng(readWholeFile(homeFile("home@3x.png")));
    EXPECT_EQ(png.width, 3 * w.buttonBitmap().width());
    EXPECT_EQ(png.height, 3 * w.buttonBitmap().height());
    EXPECT_EQ(png.alpha(6, 6), 0);
    EXPECT_EQ(png.alpha(0, 0), 255) << "the border";
}

TEST_F(WindowTest, CopyHtmlTakesTheSelectedEntryOrAll)
{
    MainWindow& w = startShown();
    control<QCheckBox>(w, "chkSave2x")->click();
    for (const char* caption : {"Home", "R&D"}) {
        control<QLineEdit>(w, "edtCaption")->setText(caption);
        control<QPushButton>(w, "btnAddToList")->click();
    }
    control<QPushButton>(w, "btnCopyHtml")->click();
    const std::string all = QGuiApplication::clipboard()->text().toStdString();
    const std::string rd = "<img src=\"r%26d.gif\" width=\"" + std::to_string(w.buttonBitmap().width()) +
                           "\" height=\"32\" alt=\"R&amp;D\" srcset=\"r%26d@2x.gif 2x\">\n";
    EXPECT_EQ(all.rfind("<img src=\"home.gif\"", 0), 0u) << all;
    EXPECT_EQ(all.substr(all.find('\n') + 1), rd);

    control<QListWidget>(w, "lbCaption")->setCurrentRow(1);
    control<QPushButton>(w, "btnCopyHtml")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), rd);
}

}  // namespace
}  // namespace nimbrel::test

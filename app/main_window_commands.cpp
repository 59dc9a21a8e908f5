// Commands of the style: style files, colour panels, 3D borders, file browsing.
#include <QLineEdit>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/preview_box.h"
#include "settings/settings_store.h"
#include "base/app_folder.h"
#include "core/shade.h"

namespace nimbrel {

namespace {

const char* const kStyleDir = "StyleDir";

FileDialogOptions styleFileDialog(const char* title, const std::string& folder)
{
    return {title, "Button Styles (*.ini)|*.ini|All Files (*.*)|*.*", "ini", folder};
}

}  // namespace

void MainWindow::openStyle()
{
    const auto name = dialogs_.openFileName(styleFileDialog("Open Button Style", ini_->text(kStyleDir)));
    if (!name) return;
    ini_->setText(kStyleDir, folderPartOf(*name));
    ButtonStyle style;
    // A file that does not read leaves every control as it was: they are set only after a complete read.
    if (!style.loadFromFile(*name)) return;
    // The controls would each redraw on their own; one drawing at the end shows the same.
    quiet_ = true;
    try {
        applyStyle(style);
    } catch (...) {
        quiet_ = false;
        throw;
    }
    quiet_ = false;
    applyFontAndDraw();
}

void MainWindow::saveStyle()
{
    const auto name = dialogs_.saveFileName(styleFileDialog("Save Button Style", ini_->text(kStyleDir)));
    if (!name) return;
    const ButtonStyle style = currentStyle();
    if (!style.saveToFile(*name)) dialogs_.message("Error trying to write style to file " + *name);
    ini_->setText(kStyleDir, folderPartOf(*name));
}

void MainWindow::chooseColor(ColorPanelButton* panel)
{
    const auto chosen = dialogs_.chooseColor(panel->color());
    if (!chosen) return;
    panel->setColor(*chosen);
    if (panel == pnlBackground) pb->setBackground(*chosen);
    drawButton();
}

void MainWindow::makeBorders3D()
{
    const BorderColors raised = raisedBorders(pnl0->color());
    pnlBorder[0]->setColor(raised.left);
    pnlBorder[1]->setColor(raised.right);
    pnlBorder[2]->setColor(raised.top);
    pnlBorder[3]->setColor(raised.bottom);
    drawButton();
}

void MainWindow::swapBorderColors()
{
    const BorderColors swapped = swappedBorders(
        {pnlBorder[0]->color(), pnlBorder[1]->color(), pnlBorder[2]->color(), pnlBorder[3]->color()});
    pnlBorder[0]->setColor(swapped.left);
    pnlBorder[1]->setColor(swapped.right);
    pnlBorder[2]->setColor(swapped.top);
    pnlBorder[3]->setColor(swapped.bottom);
    drawButton();
}

void MainWindow::browseBitmap(int row)
{
    QLineEdit* edit = edtBMPFilename[row - 1];
    const std::string current = unquoteFileName(edit->text().toStdString());
    const auto name = dialogs_.openFileName(
        {"Open Bitmap", "Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*", "bmp", folderPartOf(current)});
    if (name) edit->setText(QString::fromStdString(*name));
}

void MainWindow::browseOutputFolder()
{
    const auto folder = dialogs_.folderName("Output Folder", edtOutputDir->text().toStdString());
    if (folder) edtOutputDir->setText(QString::fromStdString(*folder));
}

}  // namespace nimbrel

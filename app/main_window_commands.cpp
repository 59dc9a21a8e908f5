// Commands of the style: style files, colour panels, 3D borders, file browsing.
#include <QLineEdit>

#include "app/main_window.h"
#include "app/main_window_color_panel.h"
#include "app/main_window_preview.h"
#include "app/settings_store.h"
#include "core/app_folder.h"
#include "core/shade.h"

namespace nimbrel {

namespace {

const char* const kStyleDir = "StyleDir";

FileDialogOptions styleFileDialog(const char* title, const std::string& folder)
{
    return {title, "Button Styles (*.ini)|*.ini|All Files (*.*)|*.*", "ini", folder};
}

}  // namespace

void TfrmMain::cmOpenbuttonstyleClick()
{
    const auto name = dialogs_.openFileName(styleFileDialog("Open Button Style", ini_->GetString(kStyleDir)));
    if (!name) return;
    ini_->SetString(kStyleDir, folderPartOf(*name));
    TButtonStyle style;
    // A file that does not read leaves every control as it was: they are set only after a complete read.
    if (!style.LoadFromFile(*name)) return;
    // The controls would each redraw on their own; one drawing at the end shows the same.
    quiet_ = true;
    try {
        styleToControls(style);
    } catch (...) {
        quiet_ = false;
        throw;
    }
    quiet_ = false;
    fontChange();
}

void TfrmMain::cmSavebuttonstyleClick()
{
    const auto name = dialogs_.saveFileName(styleFileDialog("Save Button Style", ini_->GetString(kStyleDir)));
    if (!name) return;
    const TButtonStyle style = styleFromControls();
    if (!style.SaveToFile(*name)) dialogs_.message("Error trying to write style to file " + *name);
    ini_->SetString(kStyleDir, folderPartOf(*name));
}

void TfrmMain::colorPanelClick(WindowColorPanel* panel)
{
    const auto chosen = dialogs_.chooseColor(panel->color());
    if (!chosen) return;
    panel->setColor(*chosen);
    if (panel == pnlBackground) pb->setBackground(*chosen);
    btnDrawClick();
}

void TfrmMain::btn3DClick()
{
    const BorderColors raised = raisedBorders(pnl0->color());
    pnlBorder[0]->setColor(raised.left);
    pnlBorder[1]->setColor(raised.right);
    pnlBorder[2]->setColor(raised.top);
    pnlBorder[3]->setColor(raised.bottom);
    btnDrawClick();
}

void TfrmMain::btnSwapClick()
{
    const BorderColors swapped = swappedBorders(
        {pnlBorder[0]->color(), pnlBorder[1]->color(), pnlBorder[2]->color(), pnlBorder[3]->color()});
    pnlBorder[0]->setColor(swapped.left);
    pnlBorder[1]->setColor(swapped.right);
    pnlBorder[2]->setColor(swapped.top);
    pnlBorder[3]->setColor(swapped.bottom);
    btnDrawClick();
}

void TfrmMain::browseBitmap(int row)
{
    QLineEdit* edit = edtBMPFilename[row - 1];
    const std::string current = UnquoteFileName(edit->text().toStdString());
    const auto name = dialogs_.openFileName(
        {"Open Bitmap", "Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*", "bmp", folderPartOf(current)});
    if (name) edit->setText(QString::fromStdString(*name));
}

void TfrmMain::browseOutputFolder()
{
    const auto folder = dialogs_.folderName("Output Folder", edtOutputDir->text().toStdString());
    if (folder) edtOutputDir->setText(QString::fromStdString(*folder));
}

}  // namespace nimbrel

// "Read button captions..." and "Write button captions...": the two lists to
// and from caption list files, in the folder the last such file was in.
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"
#include "app/widgets/list_items.h"
#include "settings/settings_store.h"
#include "batch/caption_list_file.h"
#include "base/app_folder.h"

namespace nimbrel {

namespace {

const char* const kCaptionDir = "CaptionDir";

FileDialogOptions captionListDialog(const char* title, const std::string& folder)
{
    return {title, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt", folder};
}

}  // namespace

void MainWindow::readCaptionsFromFile()
{
    const auto name = dialogs_.openFileName(captionListDialog("Open", ini_->text(kCaptionDir)));
    if (!name) return;
    // A file that does not read throws here, before the lists, edits or folder change.
    std::vector<std::string> captions, fileNames;
    readCaptionList(*name, captions, fileNames);

    {
        ScopedFlag syncing(listsSyncing_);
        lbCaption->clear();
        appendItems(lbCaption, captions);
        lbFilename->clear();
        appendItems(lbFilename, fileNames);
    }
    if (!captions.empty() && !fileNames.empty()) loadEntry(captions.front(), fileNames.front());
    ini_->setText(kCaptionDir, folderPartOf(*name));
    drawButton();
}

void MainWindow::writeCaptionsToFile()
{
    const auto name = dialogs_.saveFileName(captionListDialog("Save As", ini_->text(kCaptionDir)));
    if (!name) return;
    writeCaptionList(*name, itemsOf(lbCaption), itemsOf(lbFilename));
    ini_->setText(kCaptionDir, folderPartOf(*name));
}

}  // namespace nimbrel

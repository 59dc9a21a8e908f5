// "Read button captions..." and "Write button captions...": the two lists to
// and from caption list files, in the folder the last such file was in.
#include <QLineEdit>
#include <QListWidget>

#include "app/main_window.h"
#include "app/main_window_lists.h"
#include "app/settings_store.h"
#include "batch/caption_list_file.h"
#include "core/app_folder.h"

namespace nimbrel {

namespace {

const char* const kCaptionDir = "CaptionDir";

FileDialogOptions captionListDialog(const char* title, const std::string& folder)
{
    return {title, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt", folder};
}

}  // namespace

void TfrmMain::cmReadButtonCaptionsClick()
{
    const auto name = dialogs_.openFileName(captionListDialog("Open", ini_->GetString(kCaptionDir)));
    if (!name) return;
    // A file that does not read throws here, before the lists, edits or folder change.
    std::vector<std::string> captions, fileNames;
    ReadCaptionList(*name, captions, fileNames);

    {
        ScopedFlag syncing(listsSyncing_);
        lbCaption->clear();
        appendItems(lbCaption, captions);
        lbFilename->clear();
        appendItems(lbFilename, fileNames);
    }
    if (!captions.empty() && !fileNames.empty()) loadEntry(captions.front(), fileNames.front());
    ini_->SetString(kCaptionDir, folderPartOf(*name));
    btnDrawClick();
}

void TfrmMain::cmWriteButtonCaptionsClick()
{
    const auto name = dialogs_.saveFileName(captionListDialog("Save As", ini_->GetString(kCaptionDir)));
    if (!name) return;
    WriteCaptionList(*name, itemsOf(lbCaption), itemsOf(lbFilename));
    ini_->SetString(kCaptionDir, folderPartOf(*name));
}

}  // namespace nimbrel

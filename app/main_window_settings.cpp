// What the window keeps from one run to the next: every control's value in the
// settings store (by the settings table), the default folders and the
// autosaved caption list.
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "app/example_styles.h"
#include "app/main_window.h"
#include "app/pages/captions_page.h"
#include "app/pages/output_page.h"
#include "app/pages/view_page.h"
#include "app/settings_binding.h"
#include "app/widgets/preview_box.h"
#include "base/app_folder.h"
#include "base/folders.h"
#include "batch/caption_list_file.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"

namespace nimbrel {

void MainWindow::loadSettings()
{
    loadControls(*settings_, *this);
    preview_->setZoom(viewPage_->zoom());
    preview_->setBackground(viewPage_->background());

    const AppFolders& folders = folders_;
    if (const auto made =
            fillEmptyFolder(setting_key::kStyleDir, defaultFolderPath(folders.data, kStylesFolderName)))
        // A newcomer gets something to try: the example styles, in a Styles folder of their own.
        copyExampleStyles(exampleStylesFolder(folders), *made);
    fillEmptyFolder(setting_key::kCaptionDir, defaultFolderPath(folders.data, kCaptionsFolderName));
    if (const auto made = fillEmptyFolder(setting_key::kOutputDir, folders.output))
        outputPage_->setOutputFolder(*made);
    readStartUpCaptionList();
}

std::optional<std::string> MainWindow::fillEmptyFolder(const char* setting, const std::string& path)
{
    // A folder setting left empty gets its default folder, made when missing. A
    // stored folder is used as it is, whether or not it exists.
    if (!settings_->text(setting).empty()) return std::nullopt;
    settings_->setText(setting, path);
    makeFolderWithParents(path);
    return path;
}

void MainWindow::saveSettings()
{
    // StyleDir and CaptionDir are not controls: they hold what the dialogs stored.
    saveControls(*this, *settings_);
}

void MainWindow::readStartUpCaptionList()
{
    const std::string path = configFileToRead(folders_, kAutosavedCaptionListName);
    if (!pathExists(path)) {
        captionsPage_->loadEntry("untitled", "untitled");
        return;
    }
    std::vector<std::string> captions, fileNames;
    try {
        readCaptionList(path, captions, fileNames);
    } catch (...) {
        // The pairs in a damaged list may still matter to the user: keep that
        // file aside at shut-down instead of writing over it.
        autosavedListUnreadable_ = true;
        throw;
    }
    captionsPage_->appendEntries(captions, fileNames);
}

void MainWindow::writeAutosavedCaptionList()
{
    const std::string path = folders_.config + kAutosavedCaptionListName;
    if (autosavedListUnreadable_) {
        std::error_code error;
        std::filesystem::copy_file(
            std::filesystem::u8path(configFileToRead(folders_, kAutosavedCaptionListName)),
            std::filesystem::u8path(path + ".unreadable"), std::filesystem::copy_options::overwrite_existing,
            error);
    }
    writeCaptionList(path, captionsPage_->captions(), captionsPage_->fileNames());
}

}  // namespace nimbrel

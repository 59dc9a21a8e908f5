// The menu bar: File (style files, caption lists, Exit) and Help; and the caption
// list commands of the File menu.
#include <QAction>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "app/pages/captions_page.h"
#include "base/app_folder.h"
#include "batch/caption_list_file.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"

namespace nimbrel {

namespace {

FileDialogOptions captionListDialog(const char* title, const std::string& folder)
{
    return {title, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt", folder};
}

}  // namespace

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("mmMain");
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                      void (MainWindow::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        if (!keys.isEmpty()) action->setShortcut(keys);
        if (handler)
            guard_.connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("File1");
    add(file, "cmOpenbuttonstyle", "&Open button style...", QKeySequence::Open, &MainWindow::openStyle);
    add(file, "cmSavebuttonstyle", "&Save button style...", QKeySequence::Save, &MainWindow::saveStyle);
    file->addSeparator();
    add(file, "cmReadButtonCaptions", "&Read button captions...", {}, &MainWindow::readCaptionsFromFile);
    add(file, "cmWriteButtonCaptions", "&Write button captions...", {}, &MainWindow::writeCaptionsToFile);
    file->addSeparator();
    add(file, "cmOpenOutputFolder", "Open Output &Folder", {}, &MainWindow::openOutputFolder);
    file->addSeparator();
    add(file, "cmExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitProgram);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("Help1");
    // Quick Help has no page yet: it stays hidden and F1 does nothing.
    add(help, "cmQuickHelp", "Quick Help", QKeySequence(Qt::Key_F1), nullptr)->setVisible(false);
    QAction* homePage = add(help, "cmZentrikSoftwareHomepage", "&Zentrik Software Homepage...", {}, nullptr);
    guard_.connect(homePage, &QAction::triggered, this,
                   [] { QDesktopServices::openUrl(QUrl(QString::fromUtf8(kHomePageAddress))); });
    help->addSeparator();
    add(help, "About1", "&About", {}, &MainWindow::showAbout);
}

void MainWindow::readCaptionsFromFile()
{
    const auto name =
        guard_.dialogs().openFileName(captionListDialog("Open", settings_->text(setting_key::kCaptionDir)));
    if (!name) return;
    // A file that does not read throws here, before the lists, edits or folder change.
    std::vector<std::string> captions, fileNames;
    readCaptionList(*name, captions, fileNames);

    captionsPage_->replaceEntries(captions, fileNames);
    if (!captions.empty() && !fileNames.empty())
        captionsPage_->loadEntry(captions.front(), fileNames.front());
    settings_->setText(setting_key::kCaptionDir, folderPartOf(*name));
    drawButton();
}

void MainWindow::writeCaptionsToFile()
{
    const auto name = guard_.dialogs().saveFileName(
        captionListDialog("Save As", settings_->text(setting_key::kCaptionDir)));
    if (!name) return;
    writeCaptionList(*name, captionsPage_->captions(), captionsPage_->fileNames());
    settings_->setText(setting_key::kCaptionDir, folderPartOf(*name));
}

}  // namespace nimbrel

// Creation, first showing and the orderly shut-down of the main window.
#include "app/main_window.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTabWidget>

#include "app/about_window.h"
#include "app/main_window_preview.h"
#include "app/settings_lists.h"
#include "app/settings_store.h"

namespace nimbrel {

namespace {

constexpr QSize kStartSize{590, 448};

}  // namespace

TfrmMain::TfrmMain(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), ini_(std::make_unique<TzkRegVal>())
{
    setObjectName("frmMain");
    setWindowTitle(QString(kProgramNameAndVersion) + " " + "- web button images made easy");
    loading_ = true;
    buildLayout();  // builds the three bitmap-row arrays with the rows
    buildMenus();
    connectTriggers();
    resize(kStartSize);

    configureMainWindowSettings(*ini_);
    ini_->OnMessage = [this](const std::string& text) { dialogs_.message(text); };
    // Each step runs on its own: an error is shown, and the window still finishes
    // creating itself instead of staying silent for the whole session.
    guard([this] { ini_->LoadAll(); });
    guard([this] { applyWindowPlacement(); });
    guard([this] { LoadSettings(); });
    loading_ = false;
    pc->setCurrentIndex(0);
}

TfrmMain::~TfrmMain()
{
    shutDown();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    guard([this] {
        fontChange();
        btnDrawClick();
    });
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    shutDown();
    event->accept();
}

void TfrmMain::shutDown()
{
    if (shutDownDone_) return;
    shutDownDone_ = true;
    // Separate steps, so a caption list that cannot be written does not cost the
    // settings, nor the other way round.
    guard([this] { SaveSettings(); });
    guard([this] { writeAutosavedCaptionList(); });
    guard([this] {
        ini_->SaveAll();
        storeWindowPlacement();
    });
}

}  // namespace nimbrel

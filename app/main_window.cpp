// Creation, first showing and the orderly shut-down of the main window.
#include "app/main_window.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTabWidget>

#include "app/about_dialog.h"
#include "app/widgets/preview_box.h"
#include "settings/main_window_settings.h"
#include "settings/settings_store.h"

namespace nimbrel {

namespace {

constexpr QSize kStartSize{590, 448};

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), ini_(std::make_unique<SettingsStore>())
{
    setObjectName("frmMain");
    setWindowTitle(QString(kProgramNameAndVersion) + " " + "- web button images made easy");
    loading_ = true;
    buildLayout();  // builds the three bitmap-row arrays with the rows
    buildMenus();
    connectTriggers();
    resize(kStartSize);

    configureMainWindowSettings(*ini_);
    ini_->onMessage = [this](const std::string& text) { dialogs_.message(text); };
    // Each step runs on its own: an error is shown, and the window still finishes
    // creating itself instead of staying silent for the whole session.
    guard([this] { ini_->loadAll(); });
    guard([this] { applyWindowPlacement(); });
    guard([this] { loadSettings(); });
    loading_ = false;
    pc->setCurrentIndex(0);
}

MainWindow::~MainWindow()
{
    shutDown();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    guard([this] {
        applyFontAndDraw();
        drawButton();
    });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    shutDown();
    event->accept();
}

void MainWindow::shutDown()
{
    if (shutDownDone_) return;
    shutDownDone_ = true;
    // Separate steps, so a caption list that cannot be written does not cost the
    // settings, nor the other way round.
    guard([this] { saveSettings(); });
    guard([this] { writeAutosavedCaptionList(); });
    guard([this] {
        ini_->saveAll();
        storeWindowPlacement();
    });
}

}  // namespace nimbrel

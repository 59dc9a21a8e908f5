#pragma once
// The main window: the preview, one page per tab, the two big buttons and the
// menus. The pages own their controls and tell the window through signals what
// changed; the window draws, saves, runs the batches, keeps the settings and
// runs the orderly shut-down. Controls are reached by their object names
// (spnWidth, edtCaption, cmOpenbuttonstyle, ...), never through this class.
#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>

#include "app/dialogs.h"
#include "app/guard.h"
#include "base/app_folder.h"
#include "batch/save_button.h"
#include "core/button_style.h"
#include "core/raster_bitmap.h"
#include "core/raster_font.h"

class QTabWidget;

namespace nimbrel {

class ButtonPage;
class CaptionsPage;
class FontPage;
class OutputPage;
class PreviewBox;
class SettingsStore;
class ViewPage;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole creation: layout, settings, autosaved caption list. Errors
    // along the way are shown through `dialogs`, and the window still finishes
    // creating itself (the loading flag is always cleared). The settings, the
    // autosaved caption list and the default folders live in `folders`.
    MainWindow(Dialogs& dialogs, AppFolders folders, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- state --------------------------------------------------------------
    bool loading() const { return loading_; }
    const RasterBitmap& buttonBitmap() const { return button_; }
    // How many drawings have replaced the button bitmap so far.
    int drawingCount() const { return drawingCount_; }
    const SettingsStore& settings() const { return *settings_; }
    bool shutDownDone() const { return shutDownDone_; }

    // --- the style and the save request as values ------------------------------
    ButtonStyle currentStyle() const;
    void applyStyle(const ButtonStyle& style);
    SaveRequest saveRequestFromControls() const;

    // --- commands (throw nimbrel::Error; events enter them through the guard) ---
    void drawButton();
    void openStyle();
    // Opens a style file named on the command line, as "Open button style..."
    // would once its dialog is answered; errors are shown, not thrown.
    void openStyleFile(const std::string& fileName);
    void saveStyle();
    // Also tells on the status line what was written, and where.
    SaveResult saveButtonImage();
    // The <img> tags of the selected entry, or of every entry when none is
    // selected (the edits' caption when the list is empty), to the clipboard.
    void copyHtml();
    void createNextButton();
    void createAllButtons();
    void readCaptionsFromFile();
    void writeCaptionsToFile();
    void exitProgram();
    void showAbout();
    void openOutputFolder();
    // The orderly shut-down of Exit, the close box and SIGTERM: settings and
    // placement written once; later calls do nothing.
    void shutDown();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    QWidget* buildBottomRow();
    void buildMenus();  // main_window_menus.cpp
    void setUpKeyboardAccess();
    void showStatus(const std::string& text);
    void connectPages();
    void applyFontAndDraw();  // font sample first, then draw
    void loadStyleFile(const std::string& fileName);
    void captionChanged();    // derives the file name when asked to, then draws
    void applyZoom();
    void applyBackground();
    void showSaveWarnings(const std::vector<std::string>& warnings);
    // Settings, caption list and placement (main_window_settings.cpp).
    void loadSettings();
    // Gives an empty folder setting `path` (made when missing) and returns it;
    // nothing when the setting holds a folder already.
    std::optional<std::string> fillEmptyFolder(const char* setting, const std::string& path);
    void saveSettings();
    void readStartUpCaptionList();
    void writeAutosavedCaptionList();
    void applyWindowPlacement();
    void storeWindowPlacement();

    Guard guard_;
    const AppFolders folders_;
    std::unique_ptr<SettingsStore> settings_;
    RasterBitmap button_;
    RasterFont previewFont_;  // the font state of the preview surface the caption is measured on
    // What the button bitmap was drawn from, so the high-density copies show the same button.
    ButtonStyle drawnStyle_;
    std::string drawnCaption_;
    RasterFont drawnFont_;
    // While "Create All Buttons" runs, the save warnings wait here to be shown once.
    std::vector<std::string>* batchWarnings_ = nullptr;
    PreviewBox* preview_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    ButtonPage* buttonPage_ = nullptr;
    FontPage* fontPage_ = nullptr;
    CaptionsPage* captionsPage_ = nullptr;
    OutputPage* outputPage_ = nullptr;
    ViewPage* viewPage_ = nullptr;
    int drawingCount_ = 0;
    bool loading_ = true;
    bool quiet_ = false;  // a style is being applied: the controls' own triggers wait for one drawing
    bool shown_ = false;
    bool shutDownDone_ = false;
    bool autosavedListUnreadable_ = false;
};

}  // namespace nimbrel

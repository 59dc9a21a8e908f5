#pragma once
// The main window MainWindow: its controls are the one copy of the current style,
// caption, file name and output options. Handlers carry the names users of the
// window know them by (drawButton, openStyle, ...); each is entered
// through the error guard when an event calls it.
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "app/dialogs.h"
#include "batch/save_button.h"
#include "core/button_style.h"
#include "core/raster.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace nimbrel {

class ColorPanelButton;
class PreviewBox;
class RadioGroup;
class SettingsStore;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the whole creation: layout, settings, autosaved caption list. Errors
    // along the way are shown through `dialogs`, and the window still finishes
    // creating itself (the loading flag is always cleared).
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- state --------------------------------------------------------------
    bool loading() const { return loading_; }
    const RasterBitmap& buttonBitmap() const { return button_; }
    // How many drawings have replaced the button bitmap so far.
    int drawingCount() const { return drawingCount_; }
    SettingsStore& ini() { return *ini_; }
    Dialogs& dialogs() { return dialogs_; }
    // Runs `handler` through the error guard; false when it failed (already shown).
    template <class Handler>
    bool guard(Handler&& handler);

    // --- the style as a value ----------------------------------------------
    ButtonStyle currentStyle() const;
    void applyStyle(const ButtonStyle& style);
    // cbFont: the selected face name; a face that is not installed is taken in as an extra entry.
    std::string fontName() const;
    void setFontName(const std::string& name);

    // --- commands and handlers (throw nimbrel::Error; events call them guarded) ---
    void drawButton();
    void applyFontAndDraw();           // font sample first, then draw
    void redrawForBitmapRow(int row);  // row 1..4: draws only when its file exists
    void applyZoom();
    void chooseColor(ColorPanelButton* panel);
    void makeBorders3D();
    void swapBorderColors();
    void openStyle();
    void saveStyle();
    void exitProgram();
    void showAbout();
    void checkOutputTypes();       // warns when neither output type is chosen
    void updateFileNameOptions();  // the two file-name options follow the automatic box
    void captionEdited();      // derives the file name when asked to, then draws

    // Saving and the output options as a request (main_window_save.cpp).
    void saveButtonImage();
    SaveRequest saveRequestFromControls() const;

    // The caption and file-name lists (main_window_captions.cpp).
    void addToList();
    void addCaptionOnEnter();  // Enter: add, then select the caption again
    void selectFromCaptionList();
    void selectFromFileNameList();
    void updateListEntry();
    void deleteListEntry();
    void clearLists();
    // Selects entry `index` in both lists without running Select.
    void selectEntry(int index);
    // The caption (its change handler runs when the text differs), then the file name.
    void loadEntry(const std::string& caption, const std::string& fileName);

    // Batch creation (main_window_batch.cpp).
    void createNextButton();
    void createAllButtons();

    // Caption list files (main_window_caption_files.cpp).
    void readCaptionsFromFile();
    void writeCaptionsToFile();

    // --- settings (start and end) ------------------------------------------
    void loadSettings();
    void saveSettings();
    // The orderly shut-down of Exit, the close box and SIGTERM: settings and
    // placement written once; later calls do nothing.
    void shutDown();
    bool shutDownDone() const { return shutDownDone_; }

    // --- controls (object names as the user's documentation names them) ---------
    QTabWidget* pc = nullptr;
    QWidget* tabButton = nullptr;
    QWidget* tabFont = nullptr;
    QWidget* tabCaptions = nullptr;
    QWidget* tabOutput = nullptr;
    QWidget* tabView = nullptr;
    PreviewBox* pb = nullptr;
    QPushButton* btnDraw = nullptr;
    QPushButton* btnSave = nullptr;

    // "Button Settings"
    QSpinBox* spnWidth = nullptr;
    QSpinBox* spnHeight = nullptr;
    QCheckBox* chkFixedWidth = nullptr;
    QCheckBox* chkFixedHeight = nullptr;
    std::array<QSpinBox*, 4> spnBorder{};          // spn1..spn4: left, right, top, bottom
    std::array<ColorPanelButton*, 4> pnlBorder{};  // pnl1..pnl4: left, right, top, bottom
    QPushButton* btn3D = nullptr;
    QPushButton* btnSwap = nullptr;
    QGroupBox* gbBackground = nullptr;
    ColorPanelButton* pnl0 = nullptr;
    QCheckBox* chkBMPBackground = nullptr;
    // The bitmap rows: index i - 1 holds row i.
    std::array<QLineEdit*, kStyleBitmapCount> edtBMPFilename{};
    std::array<QCheckBox*, kStyleBitmapCount> chkBMPEnabled{};
    std::array<QComboBox*, kStyleBitmapCount> cmbBMPAlign{};
    std::array<QPushButton*, kStyleBitmapCount> btnBMPBrowse{};

    // "Text Font"
    QComboBox* cbFont = nullptr;
    QComboBox* cbFontStyle = nullptr;
    QSpinBox* edtFontSize = nullptr;
    ColorPanelButton* pnlFontColor = nullptr;
    QCheckBox* chkUnderlined = nullptr;
    QComboBox* cbTextAlign = nullptr;
    QComboBox* cmbAntiAlias = nullptr;
    QLabel* lblFont = nullptr;
    QSpinBox* spnMinorX = nullptr;
    QSpinBox* spnMinorY = nullptr;

    // "Captions && Filenames"
    QLineEdit* edtCaption = nullptr;
    QLineEdit* edtFilename = nullptr;
    QListWidget* lbCaption = nullptr;
    QListWidget* lbFilename = nullptr;
    QLineEdit* edtPrefix = nullptr;
    QLineEdit* edtSuffix = nullptr;
    QCheckBox* chkAutoFilename = nullptr;
    QCheckBox* chkSpaceToUnderscore = nullptr;
    QCheckBox* chkLowercase = nullptr;
    QPushButton* btnAddToList = nullptr;
    QPushButton* btnUpdate = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnClear = nullptr;
    QPushButton* btnStep = nullptr;
    QPushButton* btnAll = nullptr;

    // "Output Options"
    QLineEdit* edtOutputDir = nullptr;
    QPushButton* btnOutputDir = nullptr;
    QCheckBox* chkSaveBMP = nullptr;
    QCheckBox* chkSaveGIF = nullptr;
    RadioGroup* rgGIFCompression = nullptr;
    RadioGroup* rgDithering = nullptr;
    RadioGroup* rgColorReduction = nullptr;
    RadioGroup* rgReductionBits = nullptr;

    // "View Settings"
    QSlider* tbZoom = nullptr;
    ColorPanelButton* pnlBackground = nullptr;

    // Menus
    QAction* cmOpenbuttonstyle = nullptr;
    QAction* cmSavebuttonstyle = nullptr;
    QAction* cmReadButtonCaptions = nullptr;
    QAction* cmWriteButtonCaptions = nullptr;
    QAction* cmExit = nullptr;
    QAction* cmQuickHelp = nullptr;
    QAction* cmZentrikSoftwareHomepage = nullptr;
    QAction* About1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout, one tab per function (main_window_layout_*.cpp).
    void buildLayout();
    QWidget* buildButtonTab();
    QWidget* buildSizeGroup();
    QWidget* buildBorderGroup();
    QWidget* buildBackgroundGroup();
    QWidget* buildFontTab();
    QWidget* buildCaptionsTab();
    QWidget* buildOutputTab();
    QWidget* buildViewTab();
    QWidget* buildBottomRow();
    void buildMenus();
    void connectTriggers();
    void connectCaptionTriggers();
    // Select: the same entry in the other list, then that pair into the edits.
    void selectFrom(QListWidget* list);
    void browseBitmap(int row);
    void browseOutputFolder();
    void readStartUpCaptionList();
    void writeAutosavedCaptionList();
    void applyWindowPlacement();
    void storeWindowPlacement();
    void updateFontSample();

    Dialogs& dialogs_;
    std::unique_ptr<SettingsStore> ini_;
    RasterBitmap button_;
    RasterFont previewFont_;  // the font state of the preview surface the caption is measured on
    int drawingCount_ = 0;
    bool loading_ = true;
    bool quiet_ = false;  // a style is being applied: the controls' own triggers wait for one drawing
    bool shown_ = false;
    bool shutDownDone_ = false;
    bool autosavedListUnreadable_ = false;
    bool listsSyncing_ = false;  // the program is moving the lists' selections: Select waits
};

}  // namespace nimbrel

#include "app/error_guard.h"

template <class Handler>
bool nimbrel::MainWindow::guard(Handler&& handler)
{
    return guarded(dialogs_, std::forward<Handler>(handler));
}

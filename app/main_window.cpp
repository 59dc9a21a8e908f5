// Creation, the frame around the pages, first showing, drawing, style files,
// saving and the orderly shut-down of the main window.
#include "app/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "app/about_dialog.h"
#include "app/keyboard_access.h"
#include "app/pages/button_page.h"
#include "app/pages/captions_page.h"
#include "app/pages/font_page.h"
#include "app/pages/output_page.h"
#include "app/pages/view_page.h"
#include "app/settings_binding.h"
#include "app/status_messages.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/preview_box.h"
#include "base/app_folder.h"
#include "base/folders.h"
#include "batch/button_html.h"
#include "core/renderer.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/style_from_settings.h"

namespace nimbrel {

namespace {

constexpr QSize kStartSize{590, 448};
constexpr QSize kBigButton{160, 32};

FileDialogOptions styleFileDialog(const char* title, const std::string& folder)
{
    return {title, "Button Styles (*.ini)|*.ini|All Files (*.*)|*.*", "ini", folder};
}

}  // namespace

MainWindow::MainWindow(Dialogs& dialogs, AppFolders folders, QWidget* parent)
    : QMainWindow(parent),
      guard_(dialogs),
      folders_(std::move(folders)),
      settings_(std::make_unique<SettingsStore>(mainWindowSettingsStore(folders_)))
{
    setObjectName("frmMain");
    setWindowTitle(QString(kProgramNameAndVersion) + " " + "- web button images made easy");
    loading_ = true;
    buildLayout();
    buildMenus();
    setUpKeyboardAccess();
    connectPages();
    resize(kStartSize);

    settings_->onMessage = [&dialogs](const std::string& text) { dialogs.message(text); };
    // Each step runs on its own: an error is shown, and the window still finishes
    // creating itself instead of staying silent for the whole session.
    guard_.run([this] { settings_->loadAll(); });
    guard_.run([this] { applyWindowPlacement(); });
    guard_.run([this] { loadSettings(); });
    loading_ = false;
    tabs_->setCurrentIndex(0);
}

MainWindow::~MainWindow()
{
    shutDown();
}

void MainWindow::buildLayout()
{
    auto* central = new QWidget;
    central->setObjectName("centralWidget");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    preview_ = new PreviewBox(button_);
    column->addWidget(preview_, 1);

    tabs_ = new QTabWidget;
    tabs_->setObjectName("pc");
    // The tab area keeps the height its tallest tab needs; the preview takes the rest.
    tabs_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    buttonPage_ = new ButtonPage(guard_);
    fontPage_ = new FontPage(guard_);
    captionsPage_ = new CaptionsPage(guard_);
    outputPage_ = new OutputPage(guard_);
    viewPage_ = new ViewPage(guard_);
    const std::pair<QWidget*, QString> tabs[] = {{buttonPage_, "Button Settings"},
                                                 {fontPage_, "Text Font"},
                                                 {captionsPage_, "Captions && Filenames"},
                                                 {outputPage_, "Output Options"},
                                                 {viewPage_, "View Settings"}};
    for (const auto& [page, title] : tabs) {
        const int index = tabs_->addTab(page, title);
        // Assistive technology gets each tab and its page named as the title reads on
        // screen, not with the doubled ampersand dropped.
        const QString shown = QString(title).replace("&&", "&");
        tabs_->tabBar()->setAccessibleTabName(index, shown);
        page->setAccessibleName(shown);
    }
    column->addWidget(tabs_);
    column->addWidget(buildBottomRow());
    setCentralWidget(central);
}

QWidget* MainWindow::buildBottomRow()
{
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* btnDraw = makeButton("btnDraw", "Draw Button");
    QPushButton* btnSave = makeButton("btnSave", "Save Button Image");
    for (QPushButton* button : {btnDraw, btnSave}) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        button->setFixedSize(kBigButton);
    }
    row->addStretch(1);
    row->addWidget(btnDraw);
    row->addSpacing(16);
    row->addWidget(btnSave);
    row->addStretch(1);
    guard_.connect(btnDraw, &QPushButton::clicked, this, [this] { drawButton(); });
    guard_.connect(btnSave, &QPushButton::clicked, this, [this] { saveButtonImage(); });
    return panel;
}

void MainWindow::setUpKeyboardAccess()
{
    // Letters the menu bar and the big buttons use are taken on every tab.
    QString windowKeys;
    for (const QAction* menu : menuBar()->actions()) windowKeys += mnemonicOf(menu->text());
    assignMnemonics(findChild<QWidget*>("Panel1"), windowKeys);
    for (int i = 0; i < tabs_->count(); ++i) {
        QString taken = windowKeys;
        assignMnemonics(tabs_->widget(i), taken);
    }
    applyToolTips(this);

    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"btnDraw", QKeySequence(Qt::Key_F5)},
        {"btnSave", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    };
    for (const auto& [name, keys] : shortcuts) {
        auto* button = findChild<QPushButton*>(name);
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setObjectName(QString(name) + "Shortcut");
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
    statusBar()->setObjectName("statusBar");
}

void MainWindow::connectPages()
{
    auto draw = [this] { drawButton(); };
    guard_.connect(buttonPage_, &ButtonPage::styleChanged, this, draw);
    guard_.connect(fontPage_, &FontPage::styleChanged, this, draw);
    guard_.connect(fontPage_, &FontPage::fontChanged, this, [this] { applyFontAndDraw(); });
    guard_.connect(captionsPage_, &CaptionsPage::captionChanged, this, [this] { captionChanged(); });
    guard_.connect(captionsPage_, &CaptionsPage::redrawRequested, this, draw);
    guard_.connect(captionsPage_, &CaptionsPage::createNextRequested, this, [this] { createNextButton(); });
    guard_.connect(captionsPage_, &CaptionsPage::createAllRequested, this, [this] { createAllButtons(); });
    guard_.connect(captionsPage_, &CaptionsPage::copyHtmlRequested, this, [this] { copyHtml(); });
    guard_.connect(viewPage_, &ViewPage::zoomChanged, this, [this] { applyZoom(); });
    guard_.connect(viewPage_, &ViewPage::backgroundChanged, this, [this] { applyBackground(); });
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    guard_.run([this] {
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
    guard_.run([this] { saveSettings(); });
    guard_.run([this] { writeAutosavedCaptionList(); });
    guard_.run([this] {
        settings_->saveAll();
        storeWindowPlacement();
    });
}

ButtonStyle MainWindow::currentStyle() const
{
    // The controls keep their limits already; taken as shown, bitmap names lose their quotes.
    return styleAsShown(shownStyle(*this));
}

void MainWindow::applyStyle(const ButtonStyle& style)
{
    showStyle(style, *this);
}

SaveRequest MainWindow::saveRequestFromControls() const
{
    SaveRequest request;
    outputPage_->readInto(request);
    captionsPage_->readInto(request);
    return request;
}

void MainWindow::drawButton()
{
    if (loading_ || quiet_) return;
    const ButtonStyle style = currentStyle();
    ++drawingCount_;
    // A bitmap that does not load throws here: the partial image stays, and the
    // preview is not refreshed by this drawing.
    drawnStyle_ = style;
    drawnCaption_ = captionsPage_->caption();
    drawnFont_ = previewFont_;
    renderButton(style, drawnCaption_, previewFont_, button_);
    preview_->update();
}

void MainWindow::applyFontAndDraw()
{
    if (loading_ || quiet_) return;
    applyCaptionFont(currentStyle(), previewFont_);
    fontPage_->showSample(previewFont_);
    drawButton();
}

void MainWindow::captionChanged()
{
    if (loading_) return;
    captionsPage_->deriveFileName();
    drawButton();
}

void MainWindow::applyZoom()
{
    preview_->setZoom(viewPage_->zoom());
    if (!loading_) preview_->update();
}

void MainWindow::applyBackground()
{
    preview_->setBackground(viewPage_->background());
    drawButton();
}

void MainWindow::openStyle()
{
    const auto name = guard_.dialogs().openFileName(
        styleFileDialog("Open Button Style", settings_->text(setting_key::kStyleDir)));
    if (name) loadStyleFile(*name);
}

void MainWindow::openStyleFile(const std::string& fileName)
{
    guard_.run([this, &fileName] { loadStyleFile(fileName); });
}

void MainWindow::loadStyleFile(const std::string& fileName)
{
    settings_->setText(setting_key::kStyleDir, folderPartOf(fileName));
    ButtonStyle style;
    // A file that does not read leaves every control as it was: they are set only after a complete read.
    if (!style.loadFromFile(fileName, folders_.data)) return;
    // The controls would each redraw on their own; one drawing at the end shows the same.
    quiet_ = true;
    try {
        // Limited as nimbrel-batch limits the same file, so both draw the same buttons.
        applyStyle(styleAsShown(style));
    } catch (...) {
        quiet_ = false;
        throw;
    }
    quiet_ = false;
    applyFontAndDraw();
}

void MainWindow::saveStyle()
{
    const auto name = guard_.dialogs().saveFileName(
        styleFileDialog("Save Button Style", settings_->text(setting_key::kStyleDir)));
    if (!name) return;
    const ButtonStyle style = currentStyle();
    if (!style.saveToFile(*name, folders_.data))
        guard_.dialogs().message("Error trying to write style to file " + *name);
    settings_->setText(setting_key::kStyleDir, folderPartOf(*name));
}

SaveResult MainWindow::saveButtonImage()
{
    DialogsSaveInteraction ui(guard_.dialogs());
    SaveResult result;
    try {
        result = saveButton(saveRequestFromControls(), button_.view(), ui, [this](int scale) {
            return renderScaledButton(drawnStyle_, drawnCaption_, drawnFont_, scale);
        });
    } catch (const std::exception& e) {
        showStatus(std::string("Not saved: ") + e.what());
        throw;
    }
    switch (result.outcome) {
        case SaveOutcome::Saved:
            showStatus(savedFilesMessage(result.filesWritten));
            break;
        case SaveOutcome::FolderDeclined:
        case SaveOutcome::FolderNotCreated:
            showStatus("Nothing saved: the output folder does not exist");
            break;
    }
    if (batchWarnings_) {
        batchWarnings_->insert(batchWarnings_->end(), result.warnings.begin(), result.warnings.end());
    } else {
        showSaveWarnings(result.warnings);
    }
    return result;
}

void MainWindow::showStatus(const std::string& text)
{
    statusBar()->showMessage(QString::fromStdString(text));
}

void MainWindow::openOutputFolder()
{
    const std::string folder = saveRequestFromControls().outputDir;
    if (!isFolder(folder)) {
        guard_.dialogs().message("The output folder \"" + folder +
                                 "\" does not exist yet. It is made when the first button is saved.");
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(QString::fromStdString(folder)).absoluteFilePath()));
}

void MainWindow::showSaveWarnings(const std::vector<std::string>& warnings)
{
    constexpr std::size_t kShownAtMost = 8;
    if (warnings.empty()) return;
    std::string text;
    for (std::size_t i = 0; i < warnings.size() && i < kShownAtMost; ++i)
        text += std::string(i ? "\n" : "") + warnings[i];
    if (warnings.size() > kShownAtMost)
        text += "\n... and " + std::to_string(warnings.size() - kShownAtMost) + " more files like these.";
    guard_.dialogs().message(text);
}

void MainWindow::copyHtml()
{
    std::vector<std::string> captions = captionsPage_->captions(), fileNames = captionsPage_->fileNames();
    if (const int selected = captionsPage_->selectedEntry(); selected >= 0 && selected < int(captions.size())) {
        captions = {captions[selected]};
        fileNames = {selected < int(fileNames.size()) ? fileNames[selected] : std::string()};
    } else if (captions.empty()) {
        SaveRequest current;
        captionsPage_->readInto(current);
        captions = {captionsPage_->caption()};
        fileNames = {current.fileName};
    }
    const ButtonStyle style = currentStyle();
    std::vector<HtmlButton> buttons;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        RasterFont font = previewFont_;
        RasterBitmap button;
        renderButton(style, captions[i], font, button);
        buttons.push_back({captions[i], i < fileNames.size() ? fileNames[i] : std::string(), button.width(),
                           button.height()});
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(imgTags(saveRequestFromControls(), buttons)));
    showStatus("Copied the HTML of " + std::to_string(buttons.size()) +
               (buttons.size() == 1 ? " button" : " buttons") + " to the clipboard");
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

}  // namespace nimbrel

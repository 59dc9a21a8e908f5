// What the window keeps from one run to the next: every control's value in the
// settings store, the default folders, the autosaved caption list and the
// window's placement.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/list_items.h"
#include "app/widgets/preview_box.h"
#include "app/widgets/radio_group.h"
#include "settings/main_window_settings.h"
#include "settings/settings_store.h"
#include "batch/caption_list_file.h"
#include "base/app_folder.h"

namespace nimbrel {

namespace {

// One stored value and the control that shows it.
struct Binding {
    std::function<void(SettingsStore&)> load;
    std::function<void(SettingsStore&)> save;
};

int toInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

Binding spin(const std::string& name, QSpinBox* box)
{
    return {[=](SettingsStore& ini) { box->setValue(toInt(ini.integer(name))); },
            [=](SettingsStore& ini) { ini.setInteger(name, box->value()); }};
}

Binding panel(const std::string& name, ColorPanelButton* p)
{
    return {[=](SettingsStore& ini) {
                p->setColor(static_cast<Color>(static_cast<std::uint32_t>(ini.integer(name))));
            },
            [=](SettingsStore& ini) { ini.setInteger(name, static_cast<std::int32_t>(p->color())); }};
}

Binding check(const std::string& name, QCheckBox* box)
{
    return {[=](SettingsStore& ini) { box->setChecked(ini.boolean(name)); },
            [=](SettingsStore& ini) { ini.setBoolean(name, box->isChecked()); }};
}

Binding list(const std::string& name, QComboBox* l)
{
    return {[=](SettingsStore& ini) { setListIndex(l, toInt(ini.integer(name))); },
            [=](SettingsStore& ini) { ini.setInteger(name, l->currentIndex()); }};
}

Binding radio(const std::string& name, RadioGroup* group)
{
    return {[=](SettingsStore& ini) { group->setItemIndex(toInt(ini.integer(name))); },
            [=](SettingsStore& ini) { ini.setInteger(name, group->itemIndex()); }};
}

Binding edit(const std::string& name, QLineEdit* e)
{
    return {[=](SettingsStore& ini) { e->setText(QString::fromStdString(ini.text(name))); },
            [=](SettingsStore& ini) { ini.setText(name, e->text().toStdString()); }};
}

Binding slider(const std::string& name, QSlider* s)
{
    return {[=](SettingsStore& ini) { s->setValue(toInt(ini.integer(name))); },
            [=](SettingsStore& ini) { ini.setInteger(name, s->value()); }};
}

bool folderExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::u8path(path), error);
}

std::string autosavedCaptionListPath()
{
    return appFolder() + kAutosavedCaptionListName;
}

}  // namespace

// The controls in the order they are loaded; saving walks the same table.
static std::vector<Binding> settingBindings(MainWindow& w)
{
    std::vector<Binding> b = {
        spin("ButtonSizeWidth", w.spnWidth),
        spin("ButtonSizeHeight", w.spnHeight),
        spin("ButtonBorderLeft", w.spnBorder[0]),
        spin("ButtonBorderRight", w.spnBorder[1]),
        spin("ButtonBorderTop", w.spnBorder[2]),
        spin("ButtonBorderBottom", w.spnBorder[3]),
        panel("ButtonColor", w.pnl0),
        panel("ButtonBorderColorLeft", w.pnlBorder[0]),
        panel("ButtonBorderColorRight", w.pnlBorder[1]),
        panel("ButtonBorderColorTop", w.pnlBorder[2]),
        panel("ButtonBorderColorBottom", w.pnlBorder[3]),
        check("chkFixedWidth", w.chkFixedWidth),
        check("chkFixedHeight", w.chkFixedHeight),
        check("chkBMPBackground", w.chkBMPBackground),
    };
    for (int i = 0; i < kStyleBitmapCount; ++i) {
        const std::string n = std::to_string(i + 1);
        b.push_back(edit("BMPFilename" + n, w.edtBMPFilename[i]));
        b.push_back(check("chkBMPEnabled" + n, w.chkBMPEnabled[i]));
        b.push_back(list("BMPAlign" + n, w.cmbBMPAlign[i]));
    }
    b.push_back({[&w](SettingsStore& ini) { w.setFontName(ini.text("FontName")); },
                 [&w](SettingsStore& ini) { ini.setText("FontName", w.fontName()); }});
    const std::vector<Binding> rest = {
        list("FontStyle", w.cbFontStyle),
        panel("FontColor", w.pnlFontColor),
        spin("FontSize", w.edtFontSize),
        list("cmbAntiAlias", w.cmbAntiAlias),
        check("chkUnderlined", w.chkUnderlined),
        list("FontAlign", w.cbTextAlign),
        spin("MinorX", w.spnMinorX),
        spin("MinorY", w.spnMinorY),
        edit("edtCaption", w.edtCaption),
        edit("edtFilename", w.edtFilename),
        edit("edtPrefix", w.edtPrefix),
        edit("edtSuffix", w.edtSuffix),
        check("chkAutoFilename", w.chkAutoFilename),
        check("chkSpaceToUnderscore", w.chkSpaceToUnderscore),
        check("chkLowercase", w.chkLowercase),
        radio("rgGIFCompression", w.rgGIFCompression),
        radio("rgDithering", w.rgDithering),
        radio("rgColorReduction", w.rgColorReduction),
        radio("rgColorReductionBits", w.rgReductionBits),
        check("chkSaveBMP", w.chkSaveBMP),
        check("chkSaveGIF", w.chkSaveGIF),
        edit("OutputDir", w.edtOutputDir),
        slider("tbZoom", w.tbZoom),
        panel("pnlBackground", w.pnlBackground),
    };
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

void MainWindow::loadSettings()
{
    for (const Binding& binding : settingBindings(*this)) binding.load(*ini_);
    pb->setZoom(tbZoom->value());
    pb->setBackground(pnlBackground->color());

    // A folder setting left empty gets its default folder, made when missing. A
    // stored folder is used as it is, whether or not it exists.
    const std::string app = appFolder();
    for (const auto& [setting, folderName] :
         {std::pair{"StyleDir", kStylesFolderName}, std::pair{"CaptionDir", kCaptionsFolderName},
          std::pair{"OutputDir", kOutputFolderName}}) {
        if (!ini_->text(setting).empty()) continue;
        const std::string path = defaultFolderPath(app, folderName);
        ini_->setText(setting, path);
        if (!folderExists(path)) createFolderQuietly(path);
        if (std::string(setting) == "OutputDir") edtOutputDir->setText(QString::fromStdString(path));
    }
    readStartUpCaptionList();
}

void MainWindow::saveSettings()
{
    // StyleDir and CaptionDir are not controls: they hold what the dialogs stored.
    for (const Binding& binding : settingBindings(*this)) binding.save(*ini_);
}

void MainWindow::readStartUpCaptionList()
{
    const std::string path = autosavedCaptionListPath();
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::u8path(path), error)) {
        edtCaption->setText("untitled");
        edtFilename->setText("untitled");
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
    appendItems(lbCaption, captions);
    appendItems(lbFilename, fileNames);
}

void MainWindow::writeAutosavedCaptionList()
{
    const std::string path = autosavedCaptionListPath();
    if (autosavedListUnreadable_) {
        std::error_code error;
        std::filesystem::copy_file(std::filesystem::u8path(path),
                                   std::filesystem::u8path(path + ".unreadable"),
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    writeCaptionList(path, itemsOf(lbCaption), itemsOf(lbFilename));
}

}  // namespace nimbrel

#pragma once
// The "Output Options" tab: output folder, the file types, transparency, the
// high-density copies and the GIF options. Warns through the dialogs when no
// file type is chosen.
#include <QWidget>
#include <string>

#include "app/guard.h"
#include "batch/save_button.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace nimbrel {

class ColorPanelButton;
class RadioGroup;

class OutputPage : public QWidget {
    Q_OBJECT
public:
    explicit OutputPage(Guard guard, QWidget* parent = nullptr);

    // The folder, the file types, transparency, scales and the GIF options.
    void readInto(SaveRequest& request) const;
    void setOutputFolder(const std::string& folder);

private:
    void checkOutputTypes();  // warns when neither output type is chosen
    void browseOutputFolder();
    void chooseTransparentColor();
    QWidget* buildExtras();

    Guard guard_;
    QLineEdit* edtOutputDir_ = nullptr;
    QPushButton* btnOutputDir_ = nullptr;
    QCheckBox* chkSaveBMP_ = nullptr;
    QCheckBox* chkSaveGIF_ = nullptr;
    QCheckBox* chkSavePNG_ = nullptr;
    QCheckBox* chkTransparent_ = nullptr;
    ColorPanelButton* pnlTransparentColor_ = nullptr;
    QCheckBox* chkSave2x_ = nullptr;
    QCheckBox* chkSave3x_ = nullptr;
    RadioGroup* rgGIFCompression_ = nullptr;
    RadioGroup* rgReductionBits_ = nullptr;
    RadioGroup* rgColorReduction_ = nullptr;
    RadioGroup* rgDithering_ = nullptr;
};

// The save questions and notices put through the dialogs.
class DialogsSaveInteraction : public SaveInteraction {
public:
    explicit DialogsSaveInteraction(Dialogs& dialogs) : dialogs_(dialogs) {}
    bool askYesNo(const std::string& question) override { return dialogs_.askYesNo("Information", question); }
    void showMessage(const std::string& text) override { dialogs_.message(text); }

private:
    Dialogs& dialogs_;
};

}  // namespace nimbrel

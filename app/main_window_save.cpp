// "Save Button Image" and the check on the two output boxes: the window's
// controls become a save request, and the questions go through the dialogs.
#include <QCheckBox>
#include <QLineEdit>

#include "app/main_window.h"
#include "app/widgets/radio_group.h"

namespace nimbrel {

namespace {

class WindowSaveInteraction : public SaveInteraction {
public:
    explicit WindowSaveInteraction(Dialogs& dialogs) : dialogs_(dialogs) {}
    bool askYesNo(const std::string& question) override { return dialogs_.askYesNo("Information", question); }
    void showMessage(const std::string& text) override { dialogs_.message(text); }

private:
    Dialogs& dialogs_;
};

}  // namespace

SaveRequest MainWindow::saveRequestFromControls() const
{
    SaveRequest request;
    request.outputDir = edtOutputDir->text().toStdString();
    request.prefix = edtPrefix->text().toStdString();
    request.fileName = edtFilename->text().toStdString();
    request.suffix = edtSuffix->text().toStdString();
    request.saveBmp = chkSaveBMP->isChecked();
    request.saveGif = chkSaveGIF->isChecked();
    request.gifCompression = rgGIFCompression->itemIndex();
    request.colorReduction = rgColorReduction->itemIndex();
    request.dithering = rgDithering->itemIndex();
    request.reductionBits = rgReductionBits->itemIndex();
    return request;
}

void MainWindow::saveButtonImage()
{
    WindowSaveInteraction ui(dialogs_);
    saveButton(saveRequestFromControls(), button_.view(), ui);
}

void MainWindow::checkOutputTypes()
{
    WindowSaveInteraction ui(dialogs_);
    nimbrel::checkOutputTypes(chkSaveBMP->isChecked(), chkSaveGIF->isChecked(), ui);
}

}  // namespace nimbrel

// "Create Button && Advance" and "Create All Buttons": the window's edits,
// lists, drawing and saving as the steps of a batch.
#include <QCoreApplication>
#include <QProgressDialog>
#include <memory>

#include "app/main_window.h"
#include "app/pages/captions_page.h"
#include "app/status_messages.h"
#include "base/app_folder.h"
#include "batch/batch_steps.h"

namespace nimbrel {

namespace {

class WindowBatch : public BatchHost {
public:
    WindowBatch(MainWindow& window, CaptionsPage& captions) : window_(window), captions_(captions) {}

    // A long batch shows its count and can be cancelled. The dialog is window
    // modal, so the window takes no clicks while the batch lets events through.
    void showProgress(int total)
    {
        progress_ = std::make_unique<QProgressDialog>(&window_);
        progress_->setWindowTitle("Nimbrel");
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setMinimumDuration(0);
        progress_->setRange(0, total);
        progress_->setCancelButtonText("Cancel");
        setCount(0, total);
        progress_->show();
    }

    void loadEntry(const std::string& caption, const std::string& fileName) override
    {
        captions_.loadEntry(caption, fileName);
    }
    void selectEntry(int index) override { captions_.selectEntry(index); }
    void draw() override { window_.drawButton(); }
    void save() override
    {
        const SaveResult result = window_.saveButtonImage();
        if (!result.filesWritten.empty()) {
            ++made_;
            folder_ = folderPartOf(result.filesWritten.back());
        }
    }
    int made() const { return made_; }
    const std::string& folder() const { return folder_; }
    bool keepGoing(int done, int total) override
    {
        if (!progress_) return true;
        setCount(done, total);
        // Repaints the dialog and takes a click on Cancel; cancelling ends the
        // batch after the image just made.
        QCoreApplication::processEvents();
        return !progress_->wasCanceled();
    }

private:
    void setCount(int done, int total)
    {
        progress_->setLabelText(QString("Created %1 of %2 buttons").arg(done).arg(total));
        progress_->setValue(done);
    }

    MainWindow& window_;
    CaptionsPage& captions_;
    int made_ = 0;
    std::string folder_;
    std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace

void MainWindow::createNextButton()
{
    const std::vector<std::string> captions = captionsPage_->captions(),
                                   fileNames = captionsPage_->fileNames();
    WindowBatch batch(*this, *captionsPage_);
    createButtonAndAdvance({captions, fileNames}, captionsPage_->selectedEntry(), batch);
}

void MainWindow::createAllButtons()
{
    // The lists as they stand now: the batch ends where it was meant to whatever happens meanwhile.
    const std::vector<std::string> captions = captionsPage_->captions(),
                                   fileNames = captionsPage_->fileNames();
    if (captions.empty()) return;
    WindowBatch batch(*this, *captionsPage_);
    const int total = static_cast<int>(captions.size());
    if (total > kBatchProgressThreshold) batch.showProgress(total);
    int run = 0;
    try {
        run = nimbrel::createAllButtons({captions, fileNames}, batch);
    } catch (const std::exception& e) {
        showStatus(batchStoppedMessage(batch.made(), total, e.what()));
        throw;
    }
    if (run < total)
        showStatus(batchStoppedMessage(batch.made(), total, "cancelled"));
    else if (batch.made() > 0)
        showStatus(batchDoneMessage(batch.made(), batch.folder()));
}

}  // namespace nimbrel

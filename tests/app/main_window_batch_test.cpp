// "Create Button && Advance" and "Create All Buttons" through the window.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app/widgets/list_items.h"
#include "batch/batch_steps.h"
#include "image/bmp_reader.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

class MainWindowBatch : public WindowTest {
protected:
    MainWindow& startWithList(const std::vector<std::string>& captions,
                              const std::vector<std::string>& fileNames)
    {
        MainWindow& w = startShown();
        control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(out()));
        control<QCheckBox>(w, "chkSaveGIF")->setChecked(false);  // the GIF path has tests of its own
        appendItems(control<QListWidget>(w, "lbCaption"), captions);
        appendItems(control<QListWidget>(w, "lbFilename"), fileNames);
        return w;
    }
    std::string out() const { return homeFolder() + "Output/"; }
    bool made(const std::string& name) const { return fs::is_regular_file(out() + name + ".bmp"); }
    int filesMade() const
    {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(out())) n += entry.is_regular_file();
        return n;
    }
};

std::string text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

TEST_F(MainWindowBatch, CreateAndAdvanceSavesWhatTheEditsHoldThenLoadsTheNextEntry)
{
    MainWindow& w = startWithList({"One", "Two"}, {"first", "second"});
    control<QLineEdit>(w, "edtCaption")->setText("Current");
    control<QPushButton>(w, "btnStep")->click();  // no selection: saves the edits, then loads entry 0
    EXPECT_TRUE(made("current"));
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 0);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbFilename")), 0);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "One");
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "first") << "the list's name, not the derived one";
    EXPECT_FALSE(made("first")) << "shown, not yet saved";

    control<QPushButton>(w, "btnStep")->click();
    EXPECT_TRUE(made("first"));
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 1);
    const RasterBitmap before = w.buttonBitmap();
    for (int press = 0; press < 2; ++press) {
        fs::remove(out() + "second.bmp");
        control<QPushButton>(w, "btnStep")->click();  // the last entry is saved again and stays selected
        EXPECT_TRUE(made("second"));
        EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 1);
        EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "Two");
    }
    const Bgr24Image saved = loadBmpFile(out() + "second.bmp");
    EXPECT_EQ(saved.width(), before.width());
    EXPECT_EQ(filesMade(), 3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowBatch, CreateAndAdvanceOnAnEmptyListSavesOnce)
{
    MainWindow& w = startWithList({}, {});
    control<QLineEdit>(w, "edtCaption")->setText("Alone");
    control<QPushButton>(w, "btnStep")->click();
    EXPECT_TRUE(made("alone"));
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "Alone");
    EXPECT_EQ(filesMade(), 1);
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_EQ(filesMade(), 1) << "Create All on an empty list does nothing";
}

TEST_F(MainWindowBatch, CreateAllSavesEveryEntryUnderTheListsNames)
{
    MainWindow& w =
        startWithList({"Home", "About us", "A much longer caption", "Home"}, {"index", "", "long", "index"});
    control<QLineEdit>(w, "edtPrefix")->setText("b_");
    control<QListWidget>(w, "lbCaption")->setCurrentRow(1);
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_TRUE(made("b_index"));
    EXPECT_TRUE(made("b_")) << "an empty name gives the prefix alone";
    EXPECT_TRUE(made("b_long"));
    EXPECT_FALSE(made("b_about_us")) << "the derived name is not used";
    EXPECT_EQ(filesMade(), 3);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 1) << "the selection is not touched";
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "Home");
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "index");
    // Widths follow the captions.
    EXPECT_GT(loadBmpFile(out() + "b_long.bmp").width(), loadBmpFile(out() + "b_index.bmp").width());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowBatch, FailingEntryEndsTheBatchThereWithOneMessage)
{
    MainWindow& w = startWithList({"One", "Two", "Three"}, {"one", "no/such/two", "three"});
    control<QPushButton>(w, "btnAll")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Cannot create file \"" + out() + "no/such/two.bmp\"", 0), 0u)
        << dialogs.messages[0];
    EXPECT_TRUE(made("one"));
    EXPECT_FALSE(made("three"));
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "Two");

    // Create and advance does not move on from a failing entry.
    control<QListWidget>(w, "lbCaption")->setCurrentRow(1);
    control<QPushButton>(w, "btnStep")->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 1);
}

TEST_F(MainWindowBatch, EveryImageAsksForAMissingFolder)
{
    MainWindow& w = startWithList({"One", "Two", "Three"}, {"one", "two", "three"});
    const std::string dir = homeFolder() + "later";
    control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(dir));
    dialogs.answers = {false, false, true};
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(dialogs.questions[0], "Information: Folder \"" + dir + "\" does not exist! Create?");
    EXPECT_FALSE(fs::exists(dir + "/one.bmp"));
    EXPECT_TRUE(fs::exists(dir + "/three.bmp"));
}

class MainWindowLongBatch : public MainWindowBatch {
protected:
    static constexpr int kCount = kBatchProgressThreshold + 5;
    MainWindow& startLong()
    {
        std::vector<std::string> captions, names;
        for (int i = 0; i < kCount; ++i) {
            captions.push_back("B" + std::to_string(i));
            names.push_back("b" + std::to_string(i));
        }
        return startWithList(captions, names);
    }
};

TEST_F(MainWindowLongBatch, ShowsItsCountAndFinishes)
{
    MainWindow& w = startLong();
    QString label;
    int maximum = 0;
    QTimer::singleShot(0, &w, [&] {
        if (auto* progress = w.findChild<QProgressDialog*>()) {
            label = progress->labelText();
            maximum = progress->maximum();
        }
    });
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_EQ(label, QString("Created 1 of %1 buttons").arg(kCount));
    EXPECT_EQ(maximum, kCount);
    EXPECT_EQ(filesMade(), kCount);
    EXPECT_EQ(w.findChild<QProgressDialog*>(), nullptr) << "closed at the end";

    // A short list shows no progress at all.
    control<QListWidget>(w, "lbCaption")->clear();
    control<QListWidget>(w, "lbFilename")->clear();
    appendItems(control<QListWidget>(w, "lbCaption"), {"x"});
    appendItems(control<QListWidget>(w, "lbFilename"), {"x"});
    bool shown = false;
    QTimer::singleShot(0, &w, [&] { shown = w.findChild<QProgressDialog*>() != nullptr; });
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_FALSE(shown);
}

TEST_F(MainWindowLongBatch, CancelStopsAfterTheCurrentImage)
{
    MainWindow& w = startLong();
    QTimer::singleShot(0, &w, [&] {
        if (auto* progress = w.findChild<QProgressDialog*>()) progress->cancel();
    });
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_EQ(filesMade(), 1);
    EXPECT_TRUE(made("b0"));
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "B0");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace nimbrel::test

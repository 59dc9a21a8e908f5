// "Save Button Image" from the window's controls: the folder question, the file
// names, the output boxes and the GIF options of the radio groups.
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <set>

#include "app/widgets/color_panel_button.h"
#include "app/widgets/radio_group.h"
#include "base/file_io.h"
#include "image/bmp_reader.h"
#include "image/gif_choices.h"
#include "support/gif_test_support.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

class MainWindowSave : public WindowTest {
protected:
    MainWindow& startWithOutput(const std::string& dir)
    {
        MainWindow& w = startShown();
        control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(dir));
        control<QLineEdit>(w, "edtCaption")->setText("Home");
        return w;
    }
    std::string question(const std::string& dir) const
    {
        return "Information: Folder \"" + dir + "\" does not exist! Create?";
    }
};

void expectSameImage(const Bgr24Image& image, const RasterBitmap& button)
{
    ASSERT_EQ(image.width(), button.width());
    ASSERT_EQ(image.height(), button.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), button.pixel(x, y)) << x << "," << y;
}

TEST_F(MainWindowSave, MissingFolderIsMadeOnlyWhenTheUserAgrees)
{
    const std::string dir = homeFolder() + "a/b/c";
    MainWindow& w = startWithOutput(dir);
    dialogs.answers = {false, true};
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{question(dir)});
    EXPECT_FALSE(fs::exists(homeFolder() + "a"));
    EXPECT_TRUE(dialogs.messages.empty());

    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(dialogs.questions.size(), 2u);
    expectSameImage(loadBmpFile(dir + "/home.bmp"), w.buttonBitmap());
    EXPECT_TRUE(fs::is_regular_file(dir + "/home.gif"));
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(dialogs.questions.size(), 2u) << "the folder exists now";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowSave, FolderThatCannotBeMadeIsReported)
{
    writeText(homeFile("file"), "x");
    const std::string dir = homeFile("file") + "/sub";
    MainWindow& w = startWithOutput(dir);
    dialogs.answers = {true};
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Cannot create folder \"" + dir +
                                                         "\". Nimbrel will not save the image"});

    control<QLineEdit>(w, "edtOutputDir")->clear();
    dialogs.answers = {true};
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(dialogs.questions.back(), question(""));
    EXPECT_EQ(dialogs.messages.back(), "Unable to create directory");
}

TEST_F(MainWindowSave, NamesJoinFolderPrefixFileNameAndSuffix)
{
    MainWindow& w = startWithOutput(homeFolder());
    control<QLineEdit>(w, "edtPrefix")->setText("btn_");
    control<QLineEdit>(w, "edtSuffix")->setText("_on");
    control<QPushButton>(w, "btnSave")->click();
    control<QLineEdit>(w, "edtOutputDir")
        ->setText(QString::fromStdString(home.path().string()));  // no trailing "/"
    control<QLineEdit>(w, "edtFilename")->clear();
    control<QPushButton>(w, "btnSave")->click();
    control<QLineEdit>(w, "edtPrefix")->clear();
    control<QLineEdit>(w, "edtSuffix")->clear();
    control<QPushButton>(w, "btnSave")->click();
    for (const char* name : {"btn_home_on", "btn__on", ""}) {
        EXPECT_TRUE(fs::is_regular_file(homeFolder() + name + ".bmp")) << name;
        EXPECT_TRUE(fs::is_regular_file(homeFolder() + name + ".gif")) << name;
    }
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowSave, FileThatCannotBeWrittenEndsTheSave)
{
    MainWindow& w = startWithOutput(homeFolder());
    fs::create_directory(homeFolder() + "home.bmp");  // a folder where the BMP should go
    control<QPushButton>(w, "btnSave")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Cannot create file \"" + homeFolder() + "home.bmp\"", 0), 0u)
        << dialogs.messages[0];
    EXPECT_FALSE(fs::exists(homeFolder() + "home.gif")) << "the GIF is not attempted";

    // A read-only file is left alone (file permissions do not bind the super-user).
    if (geteuid() == 0) return;
    control<QLineEdit>(w, "edtFilename")->setText("locked");
    writeText(homeFile("locked.bmp"), "old");
    fs::permissions(homeFile("locked.bmp"), fs::perms::owner_read);
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(readText(homeFile("locked.bmp")), "old");
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(MainWindowSave, OutputBoxesChooseTheFilesAndWarnWhenBothAreOff)
{
    MainWindow& w = startWithOutput(homeFolder());
    control<QCheckBox>(w, "chkSaveGIF")->click();
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_TRUE(fs::exists(homeFile("home.bmp")));
    EXPECT_FALSE(fs::exists(homeFile("home.gif")));
    EXPECT_TRUE(dialogs.messages.empty());

    control<QCheckBox>(w, "chkSaveBMP")->click();
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"You should choose at least one file type for saving!"});
    control<QLineEdit>(w, "edtFilename")->setText("none");
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_FALSE(fs::exists(homeFile("none.bmp")));
    EXPECT_FALSE(fs::exists(homeFile("none.gif")));
    control<QCheckBox>(w, "chkSaveGIF")->click();
    EXPECT_EQ(dialogs.messages.size(), 1u) << "checking a box again says nothing";
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_FALSE(fs::exists(homeFile("none.bmp")));
    EXPECT_TRUE(fs::exists(homeFile("none.gif")));
}

// A save that needs no answers: every question is a failure here.
struct NoQuestions : SaveInteraction {
    bool askYesNo(const std::string& q) override
    {
        ADD_FAILURE() << q;
        return false;
    }
    void showMessage(const std::string& text) override { ADD_FAILURE() << text; }
};

// Each option group, item by item, reaches the GIF: the file equals the one the
// same request gives directly, decodes to the button's size within its palette,
// and every item of a group gives a file of its own.
TEST_F(MainWindowSave, GifOptionsComeFromTheRadioGroups)
{
    MainWindow& w = startWithOutput(homeFolder());
    // Colours no fixed palette holds, and anti-aliased glyphs: every option shows.
    control<ColorPanelButton>(w, "pnl0")->setColor(0x00407AB3);
    control<ColorPanelButton>(w, "pnlFontColor")->setColor(0x0030C060);
    control<QComboBox>(w, "cmbAntiAlias")
        ->setCurrentIndex(control<QComboBox>(w, "cmbAntiAlias")->count() - 1);
    control<QCheckBox>(w, "chkSaveBMP")->setChecked(false);
    control<QPushButton>(w, "btnDraw")->click();
    const RasterBitmap& button = w.buttonBitmap();

    struct Group {
        RadioGroup* group;
        void (*choose)(SaveRequest&, int item);  // the item's row of its choice table
        int colorReduction;  // set first, so the group's choice matters
        bool allDistinct;
    };
    const std::vector<Group> groups = {
        {control<RadioGroup>(w, "rgGIFCompression"),
         [](SaveRequest& r, int item) { r.gifCompression = kCompressionChoices[item].value; }, 5, true},
        {control<RadioGroup>(w, "rgColorReduction"),
         [](SaveRequest& r, int item) { r.colorReduction = kColorReductionChoices[item].value; }, 5, true},
        {control<RadioGroup>(w, "rgDithering"),
         [](SaveRequest& r, int item) { r.dithering = kDitherChoices[item].value; }, 4, true},
        // Optimal palettes of more bits than the button has colours are the same.
        {control<RadioGroup>(w, "rgReductionBits"),
         [](SaveRequest& r, int item) { r.reductionBits = kReductionBitsChoices[item].value; }, 5, false},
    };
    control<RadioGroup>(w, "rgDithering")->setItemIndex(1);
    for (const Group& g : groups) {
        control<RadioGroup>(w, "rgColorReduction")->setItemIndex(g.colorReduction);
        const int standard = g.group->itemIndex();
        std::set<std::vector<std::uint8_t>> files;
        for (int item = 0; item < g.group->count(); ++item) {
            g.group->setItemIndex(item);
            const std::string what = g.group->objectName().toStdString() + " " + std::to_string(item);
            control<QPushButton>(w, "btnSave")->click();
            const std::vector<std::uint8_t> bytes = readWholeFile(homeFile("home.gif"));
            files.insert(bytes);

            SaveRequest direct = w.saveRequestFromControls();
            direct.fileName = "direct";
            g.choose(direct, item);
            NoQuestions ui;
            saveButton(direct, button.view(), ui);
            EXPECT_EQ(bytes, readWholeFile(homeFile("direct.gif"))) << what;

            const gif_test::DecodedGif gif = gif_test::decodeWithGiflib(bytes);
            ASSERT_EQ(gif.width, button.width()) << what;
            ASSERT_EQ(gif.height, button.height()) << what;
            std::set<std::uint8_t> used(gif.pixels.begin(), gif.pixels.end());
            ASSERT_LT(*used.rbegin(), gif.colors.size()) << what;
            if (g.group == control<RadioGroup>(w, "rgReductionBits")) {
                EXPECT_LE(used.size(), 1u << (item + 3)) << what;
            }
        }
        if (g.allDistinct) {
            EXPECT_EQ(files.size(), static_cast<std::size_t>(g.group->count()))
                << g.group->objectName().toStdString();
        }
        g.group->setItemIndex(standard);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowSave, NoReductionBitsChosenFailsAfterTheBmp)
{
    MainWindow& w = startWithOutput(homeFolder());
    control<RadioGroup>(w, "rgReductionBits")->setItemIndex(-1);
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Invalid Bits Per Pixel value"});
    EXPECT_TRUE(fs::exists(homeFile("home.bmp")));
    EXPECT_FALSE(fs::exists(homeFile("home.gif")));
}

}  // namespace
}  // namespace nimbrel::test

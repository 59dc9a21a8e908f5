#include "batch/save_button.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "batch/scripted_save_ui.h"
#include "support/temp_folder.h"
#include "image/bmp_writer.h"
#include "base/error.h"
#include "base/file_io.h"

namespace nimbrel {
namespace {

namespace fs = std::filesystem;
using test::ScriptedSaveUi;
using test::TempFolder;

Bgr24Image smallButton()
{
    Bgr24Image image(12, 7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, x < 2 ? 0x00804000 : 0x00C08000);
    image.setPixel(5, 3, 0x00FFFFFF);
    return image;
}

SaveRequest requestInto(const std::string& dir, const std::string& name = "home")
{
    SaveRequest r;
    r.outputDir = dir;
    r.fileName = name;
    return r;
}

std::vector<std::string> filesIn(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SaveFileNames, FolderWithOrWithoutSlashAndTheThreeParts)
{
    SaveRequest r = requestInto("/out");
    r.prefix = "btn_";
    r.suffix = "_on";
    EXPECT_EQ(saveFileNames(r).bmp, "/out/btn_home_on.bmp");
    EXPECT_EQ(saveFileNames(r).gif, "/out/btn_home_on.gif");
    r.outputDir = "/out/";
    EXPECT_EQ(saveFileNames(r).bmp, "/out/btn_home_on.bmp");
    r.fileName.clear();
    EXPECT_EQ(saveFileNames(r).gif, "/out/btn__on.gif");
    r.prefix.clear();
    r.suffix.clear();
    EXPECT_EQ(saveFileNames(r).bmp, "/out/.bmp");
}

TEST(SaveButton, ExistingFolderWritesBothFilesWithoutAsking)
{
    TempFolder tmp;
    const Bgr24Image button = smallButton();
    ScriptedSaveUi ui;
    SaveRequest r = requestInto(tmp.path().string());
    r.prefix = "btn_";
    r.suffix = "_on";
    const SaveResult result = saveButton(r, button.view(), ui);
    EXPECT_EQ(result.outcome, SaveOutcome::Saved);
    EXPECT_EQ(result.filesWritten,
              (std::vector<std::string>{tmp.file("btn_home_on.bmp"), tmp.file("btn_home_on.gif")}));
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(readWholeFile(tmp.file("btn_home_on.bmp")), encodeBmp(button.view()));

    // A second save replaces the files without a question.
    r.saveGif = false;
    Bgr24Image other(3, 3);
    saveButton(r, other.view(), ui);
    EXPECT_EQ(readWholeFile(tmp.file("btn_home_on.bmp")), encodeBmp(other.view()));
    EXPECT_TRUE(ui.questions.empty());
}

TEST(SaveButton, MissingFolderAnsweredNoWritesNothing)
{
    TempFolder tmp;
    const std::string dir = tmp.file("out");
    ScriptedSaveUi ui;
    ui.answers = {false};
    const SaveResult result = saveButton(requestInto(dir), smallButton().view(), ui);
    EXPECT_EQ(result.outcome, SaveOutcome::FolderDeclined);
    EXPECT_TRUE(result.filesWritten.empty());
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Folder \"" + dir + "\" does not exist! Create?"});
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(fs::exists(dir));
}

TEST(SaveButton, NestedMissingFolderIsMadeWithItsParentsOnYes)
{
    TempFolder tmp;
    for (const std::string& dir : {tmp.file("a/b/c"), tmp.file("d/e/")}) {
        ScriptedSaveUi ui;
        ui.answers = {true};
        const SaveResult result = saveButton(requestInto(dir), smallButton().view(), ui);
        EXPECT_EQ(result.outcome, SaveOutcome::Saved);
        EXPECT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"home.bmp", "home.gif"}));
    }
}

TEST(SaveButton, FolderThatCannotBeMadeIsReportedAndNothingWritten)
{
    TempFolder tmp;
    writeFileAtomically(tmp.file("plain"), std::string("not a folder"));
    const std::string dir = tmp.file("plain/out");
    ScriptedSaveUi ui;
    const SaveResult result = saveButton(requestInto(dir), smallButton().view(), ui);
    EXPECT_EQ(result.outcome, SaveOutcome::FolderNotCreated);
    EXPECT_TRUE(result.filesWritten.empty());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cannot create folder \"" + dir +
                                                    "\". Nimbrel will not save the image"});
}

TEST(SaveButton, EmptyFolderAsksWithEmptyQuotesThenFails)
{
    ScriptedSaveUi ui;
    try {
        saveButton(requestInto(""), smallButton().view(), ui);
        FAIL() << "saving into an empty folder name must fail";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Unable to create directory");
    }
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Folder \"\" does not exist! Create?"});
}

TEST(SaveButton, BothBoxesOffWritesAndShowsNothing)
{
    TempFolder tmp;
    ScriptedSaveUi ui;
    SaveRequest r = requestInto(tmp.path().string());
    r.saveBmp = r.saveGif = false;
    EXPECT_TRUE(saveButton(r, smallButton().view(), ui).filesWritten.empty());
    EXPECT_TRUE(filesIn(tmp.path()).empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SaveButton, FailingBmpStopsBeforeTheGif)
{
    TempFolder tmp;
    fs::create_directory(tmp.file("home.bmp"));  // a folder where the file should go
    ScriptedSaveUi ui;
    EXPECT_THROW(saveButton(requestInto(tmp.path().string()), smallButton().view(), ui), Error);
    EXPECT_FALSE(fs::exists(tmp.file("home.gif")));
}

TEST(SaveButton, FailingGifKeepsTheBmpWrittenBeforeIt)
{
    TempFolder tmp;
    fs::create_directory(tmp.file("home.gif"));
    ScriptedSaveUi ui;
    try {
        saveButton(requestInto(tmp.path().string()), smallButton().view(), ui);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + tmp.file("home.gif") + "\"", 0), 0u)
            << e.what();
    }
    EXPECT_TRUE(fs::is_regular_file(tmp.file("home.bmp")));
}

TEST(SaveButton, ReadOnlyTargetFileIsLeftAloneWithTheFileMessage)
{
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the super-user";
    TempFolder tmp;
    const std::string target = tmp.file("home.bmp");
    writeFileAtomically(target, std::string("old"));
    fs::permissions(target, fs::perms::owner_read);
    ScriptedSaveUi ui;
    try {
        saveButton(requestInto(tmp.path().string()), smallButton().view(), ui);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + target + "\"", 0), 0u) << e.what();
    }
    EXPECT_EQ(readWholeFile(target), std::vector<std::uint8_t>({'o', 'l', 'd'}));
    EXPECT_FALSE(fs::exists(tmp.file("home.gif")));
}

TEST(SaveButton, NoReductionBitsSelectedFailsAfterTheBmp)
{
    TempFolder tmp;
    ScriptedSaveUi ui;
    SaveRequest r = requestInto(tmp.path().string());
    r.reductionBits = -1;
    try {
        saveButton(r, smallButton().view(), ui);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid Bits Per Pixel value");
    }
    EXPECT_EQ(filesIn(tmp.path()), std::vector<std::string>{"home.bmp"});
}

TEST(SaveButton, RelativeFolderIsTakenFromTheCurrentDirectory)
{
    TempFolder tmp;
    const fs::path before = fs::current_path();
    fs::current_path(tmp.path());
    ScriptedSaveUi ui;
    SaveRequest r = requestInto("rel/sub");
    r.saveGif = false;
    const SaveResult result = saveButton(r, smallButton().view(), ui);
    fs::current_path(before);
    EXPECT_EQ(result.filesWritten, std::vector<std::string>{"rel/sub/home.bmp"});
    EXPECT_TRUE(fs::is_regular_file(tmp.path() / "rel/sub/home.bmp"));
}

TEST(OutputTypeCheck, WarnsOnlyWhenNeitherTypeIsChosen)
{
    ScriptedSaveUi ui;
    EXPECT_TRUE(checkOutputTypes(true, false, ui));
    EXPECT_TRUE(checkOutputTypes(false, true, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(checkOutputTypes(false, false, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"You should choose at least one file type for saving!"});
}

}  // namespace
}  // namespace nimbrel

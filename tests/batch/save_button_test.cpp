// What the window and command-line tests do not reach: a GIF that fails after
// its BMP, and a folder taken relative to the current directory.
#include "batch/save_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "batch/scripted_save_ui.h"
#include "support/temp_folder.h"
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

SaveRequest requestInto(const std::string& dir)
{
    SaveRequest r;
    r.outputDir = dir;
    r.fileName = "home";
    return r;
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

TEST(SaveButton, NamesThatLeaveTheOutputFolderOrHoldNulAreRefusedBeforeAnythingIsWritten)
{
    TempFolder tmp;
    const std::string out = tmp.file("out/deeper");
    fs::create_directories(out);
    fs::create_directory(tmp.file("out/deeper/sub"));
    const struct Case {
        const char* prefix;
        std::string name;
        const char* suffix;
        const char* refusal;  // empty: saved inside the folder
    } cases[] = {
        {"", "../../x", "", "would be saved outside the output folder"},
        {"../", "x", "", "would be saved outside the output folder"},
        {"", "x", "/../../../y", "would be saved outside the output folder"},
        {"", std::string("a\0b", 3), "", "holds a NUL character"},
        {"", "sub/x", "", ""},
        {"./", "sub/../y", "", ""},
        {"", "..", "", ""},  // "...bmp" is a plain name in the folder
    };
    for (const Case& c : cases) {
        ScriptedSaveUi ui;
        SaveRequest r = requestInto(out);
        r.prefix = c.prefix;
        r.fileName = c.name;
        r.suffix = c.suffix;
        if (*c.refusal) {
            try {
                saveButton(r, smallButton().view(), ui);
                ADD_FAILURE() << c.name;
            } catch (const Error& e) {
                EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
                EXPECT_EQ(std::string(e.what()).find('\0'), std::string::npos);
            }
        } else {
            EXPECT_EQ(saveButton(r, smallButton().view(), ui).filesWritten.size(), 2u) << c.name;
        }
    }
    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(tmp.path()))
        if (entry.is_regular_file()) written.push_back(fs::relative(entry.path(), tmp.path()).string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"out/deeper/...bmp", "out/deeper/...gif", "out/deeper/sub/x.bmp",
                                                 "out/deeper/sub/x.gif", "out/deeper/y.bmp", "out/deeper/y.gif"}));
}

}  // namespace
}  // namespace nimbrel

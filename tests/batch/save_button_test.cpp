// What the window and command-line tests do not reach: a GIF that fails after
// its BMP, and a folder taken relative to the current directory.
#include "batch/save_button.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace nimbrel

#pragma once
// Tests of nimbrel-batch: each gets an empty application folder, a work folder,
// and the means to make the same button in this process as the window does.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "batch/caption_list_file.h"
#include "batch/save_button.h"
#include "cli_process.h"
#include "core/renderer.h"
#include "settings/style_from_settings.h"
#include "support/temp_folder.h"
#include "base/file_io.h"
#include "app/window_fixture.h"

namespace nimbrel::test {

class AnswerYes : public SaveInteraction {
public:
    bool askYesNo(const std::string&) override { return true; }
    void showMessage(const std::string&) override {}
};

class CliTest : public ::testing::Test {
protected:
    TempFolder home;
    TempFolder work;
    TempFolder scratch;
    BatchProgram program{home.path().string(), scratch.path().string()};

    std::string workFile(const std::string& name) const { return work.file(name); }
    std::string outDir() const { return work.file("out"); }

    std::string writeStyle(const ButtonStyle& style, const std::string& name = "style.ini") const
    {
        const std::string path = work.file(name);
        EXPECT_TRUE(style.saveToFile(path, home.path().string() + "/"));
        return path;
    }
    std::string writeCaptions(const std::vector<std::string>& captions, const std::vector<std::string>& names,
                              const std::string& file = "captions.txt") const
    {
        const std::string path = work.file(file);
        writeCaptionList(path, captions, names);
        return path;
    }
    void writeSettings(const std::string& text) const { writeText(home.file("Nimbrel.ini"), text); }

    // What the window's Save writes for this style and caption.
    std::vector<std::uint8_t> savedByWindow(const ButtonStyle& style, const std::string& caption,
                                            SaveRequest request, bool gif = false) const
    {
        ensureApplication();
        RasterFont previewFont;
        RasterBitmap button;
        renderButton(style, caption, previewFont, button);
        TempFolder folder;
        request.outputDir = folder.path().string();
        request.fileName = "reference";
        AnswerYes ui;
        saveButton(request, button.view(), ui);
        return readWholeFile(saveFileName(request, gif ? ImageFormat::Gif : ImageFormat::Bmp));
    }

    static std::vector<std::string> lines(const std::string& text)
    {
        std::vector<std::string> result;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            result.push_back(text.substr(start, end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        return result;
    }

    static std::vector<std::string> filesIn(const std::string& dir)
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(dir, ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace nimbrel::test

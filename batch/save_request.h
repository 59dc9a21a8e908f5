#pragma once
// What a save is asked to do and what became of it: the request the window,
// batch creation and the command-line program fill in, the questions and
// notices of saving, and the outcome. None of it knows about widgets.
#include <string>
#include <vector>

#include "image/color.h"
#include "image/gif_options.h"

namespace nimbrel {

// What Save reads from the window at the moment it runs.
struct SaveRequest {
    std::string outputDir;  // as typed; a relative folder is taken from the current directory
    std::string prefix;
    std::string fileName;
    std::string suffix;
    bool saveBmp = true;
    bool saveGif = true;
    bool savePng = false;
    bool transparent = false;  // pixels of transparentColor become transparent (GIF, PNG)
    Color transparentColor = 0x00FF00FF;
    std::vector<int> scales{1};  // which of 1, 2 and 3 times the size to write, rising
    GifCompression gifCompression = GifCompression::Lzw;
    ColorReduction colorReduction = ColorReduction::Optimal;
    DitherMethod dithering = DitherMethod::Nearest;
    // Bits of the optimal palette, 3..8; anything else fails when a GIF is made.
    int reductionBits = kMaxReductionBits;
};

// The questions and notices of saving. The window answers with message boxes,
// tests with a script, the command-line program without asking anyone.
class SaveInteraction {
public:
    virtual ~SaveInteraction() = default;
    // A Yes/No question titled "Information"; true means Yes (closing the box
    // any other way counts as Yes too).
    virtual bool askYesNo(const std::string& question) = 0;
    // A plain notice with an OK button.
    virtual void showMessage(const std::string& text) = 0;
};

enum class SaveOutcome {
    Saved,             // every chosen file written (none when no file type is chosen)
    FolderDeclined,    // the user did not want the folder made: nothing written
    FolderNotCreated,  // the folder could not be made; the notice has been shown
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    std::vector<std::string> filesWritten;  // in the order written
    std::vector<std::string> warnings;      // "<file>: <what was given up>", for files that were written
};

// The file types, in the order their files are written for each scale.
enum class ImageFormat { Bmp, Gif, Png };
inline constexpr ImageFormat kImageFormats[] = {ImageFormat::Bmp, ImageFormat::Gif, ImageFormat::Png};
bool savesFormat(const SaveRequest& request, ImageFormat format);
bool savesAnything(const SaveRequest& request);

// The question asked for a missing output folder, and the notice when it
// cannot be made.
std::string missingFolderQuestion(const std::string& dir);
std::string folderNotCreatedMessage(const std::string& dir);

inline constexpr const char* kNoOutputTypeMessage = "You should choose at least one file type for saving!";

// The check run whenever an output box changes: warns through `ui` when no
// file type is chosen. Returns true when at least one is.
bool checkOutputTypes(const SaveRequest& request, SaveInteraction& ui);

}  // namespace nimbrel

#pragma once
// Saving the drawn button: makes sure the output folder exists (asking first),
// then writes folder + prefix + file name + suffix + ".bmp" and/or ".gif".
// The window, batch creation and the command-line program all save through
// saveButton; none of it knows about widgets.
#include <string>
#include <vector>

#include "image/image.h"

namespace nimbrel {

// What Save reads from the window at the moment it runs. The four GIF options
// are the item indexes of the "Output Options" radio groups, -1 for a group
// with no selection (the first three then keep the GIF object's starting
// value; the bits group gives bits 2, which the GIF object refuses).
struct SaveRequest {
    std::string outputDir;  // as typed; a relative folder is taken from the current directory
    std::string prefix;
    std::string fileName;
    std::string suffix;
    bool saveBmp = true;
    bool saveGif = true;
    int gifCompression = 0;  // 0 "LZW", 1 "RLE"
    int colorReduction = 5;  // 0..6, see ColorReduction
    int dithering = 0;       // 0..6, see DitherMethod
    int reductionBits = 5;   // item 0..5 gives 3..8 bits
};

// Item counts of the four GIF option groups.
inline constexpr int kGifCompressionItems = 2;
inline constexpr int kColorReductionItems = 7;
inline constexpr int kDitheringItems = 7;
inline constexpr int kReductionBitsItems = 6;

// The index a radio group of itemCount items ends up with when given `index`:
// past the last item it selects the last, below 0 nothing (-1).
int radioGroupIndex(long long index, int itemCount);

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
    Saved,             // every chosen file written (none when both boxes are off)
    FolderDeclined,    // the user did not want the folder made: nothing written
    FolderNotCreated,  // the folder could not be made; the notice has been shown
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    std::vector<std::string> filesWritten;  // in the order written
};

struct SaveFileNames {
    std::string bmp;
    std::string gif;
};

// base + prefix + file name + suffix + extension, where base is the folder with
// a "/" added unless it already ends in one. Nothing in the parts is checked.
SaveFileNames saveFileNames(const SaveRequest& request);

// Saves the button as the request says. A name that would leave the output
// folder or holds a NUL byte (see outputNameProblem) throws before anything is
// asked or written. Failures of writing or converting throw
// nimbrel::Error with the user's text and end the save at that file: a BMP
// already written stays, a GIF that fails to convert leaves no file. An empty
// output folder fails with "Unable to create directory" once the user agrees.
SaveResult saveButton(const SaveRequest& request, const Bgr24View& button, SaveInteraction& ui);

// The question asked for a missing output folder, and the notice when it
// cannot be made.
std::string missingFolderQuestion(const std::string& dir);
std::string folderNotCreatedMessage(const std::string& dir);

inline constexpr const char* kNoOutputTypeMessage = "You should choose at least one file type for saving!";

// The check run whenever either output box changes: warns through `ui` when
// neither file type is chosen. Returns true when at least one is.
bool checkOutputTypes(bool saveBmp, bool saveGif, SaveInteraction& ui);

}  // namespace nimbrel

#pragma once
// Saving the drawn button: makes sure the output folder exists (asking first),
// then writes folder + prefix + file name + suffix + ".bmp", ".gif" and/or
// ".png", and the same names with "@2x" or "@3x" before the extension for the
// high-density copies.
// The window, batch creation and the command-line program all save through
// saveButton; none of it knows about widgets.
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image/color.h"
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
    bool savePng = false;
    bool transparent = false;             // pixels of transparentColor become transparent (GIF, PNG)
    Color transparentColor = 0x00FF00FF;
    std::vector<int> scales{1};           // which of 1, 2 and 3 times the size to write, rising
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
    std::vector<std::string> warnings;      // "<file>: <what was given up>", for files that were written
};

// The file types, in the order their files are written for each scale.
enum class ImageFormat { Bmp, Gif, Png };
inline constexpr ImageFormat kImageFormats[] = {ImageFormat::Bmp, ImageFormat::Gif, ImageFormat::Png};
const char* extensionOf(ImageFormat format);  // ".bmp", ".gif", ".png"
bool savesFormat(const SaveRequest& request, ImageFormat format);
bool savesAnything(const SaveRequest& request);

struct SaveFileNames {
    std::string bmp;
    std::string gif;
    std::string png;
};

// base + prefix + file name + suffix + extension, where base is the folder with
// a "/" added unless it already ends in one. Nothing in the parts is checked.
SaveFileNames saveFileNames(const SaveRequest& request);
// prefix + file name + suffix, then "@2x" or "@3x" for those scales, then the extension.
std::string saveFileLeafName(const SaveRequest& request, ImageFormat format, int scale = 1);
std::string saveFileName(const SaveRequest& request, ImageFormat format, int scale = 1);

// One file's bytes as the request asks for them, made in memory; `warning`
// says what could not be kept (a GIF transparency that did not survive).
struct EncodedImage {
    std::vector<std::uint8_t> bytes;
    std::string warning;
};
EncodedImage encodeButtonImage(const SaveRequest& request, ImageFormat format, const Bgr24View& image);

// The button drawn afresh at `scale` times its size (2 or 3) by the caller's
// renderer, which the layers below the renderer cannot call themselves.
using ScaledButtonDrawer = std::function<Bgr24Image(int scale)>;

// Saves the button as the request says: for each scale, every chosen type.
// A name that would leave the output folder or holds a NUL byte (see
// outputNameProblem) throws before anything is asked or written.
// Failures of writing or converting throw nimbrel::Error with the user's text
// and end the save at that file: files already written stay, a GIF that fails
// to convert leaves no file. An empty output folder fails with "Unable to
// create directory" once the user agrees. Scales above 1 need `drawScaled`.
SaveResult saveButton(const SaveRequest& request, const Bgr24View& button, SaveInteraction& ui,
                      const ScaledButtonDrawer& drawScaled = {});

// The files of one save made in memory (the button's BMP excepted, see
// EncodedFile::rowsOf), in the order saveButton writes them.
// A conversion that fails ends the list: `failure` holds its error, and the
// files before it are still written, as saveButton does.
struct EncodedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::string warning;  // what could not be kept, see EncodedImage
    // A BMP written in rows from these pixels instead of `bytes`; they must
    // outlive the write.
    std::optional<Bgr24View> rowsOf;
};
struct EncodedButton {
    std::vector<EncodedFile> files;
    std::exception_ptr failure;
};
EncodedButton encodeButton(const SaveRequest& request, const Bgr24View& button,
                           const ScaledButtonDrawer& drawScaled = {});

// Writes the files in order (each atomically; in a folder this run has just
// made, without looking for an old file first), then throws the failure, if
// any. Returns the names written.
std::vector<std::string> writeEncodedButton(const EncodedButton& button, bool freshFolder);

// The question asked for a missing output folder, and the notice when it
// cannot be made.
std::string missingFolderQuestion(const std::string& dir);
std::string folderNotCreatedMessage(const std::string& dir);

inline constexpr const char* kNoOutputTypeMessage = "You should choose at least one file type for saving!";

// The check run whenever an output box changes: warns through `ui` when no
// file type is chosen. Returns true when at least one is.
bool checkOutputTypes(const SaveRequest& request, SaveInteraction& ui);

}  // namespace nimbrel

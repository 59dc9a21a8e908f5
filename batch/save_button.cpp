#include "batch/save_button.h"

#include <filesystem>
#include <system_error>

#include "batch/output_name.h"
#include "image/bmp_writer.h"
#include "base/error.h"
#include "image/gif_image.h"
#include "image/gif_options.h"

namespace nimbrel {
namespace {

namespace fs = std::filesystem;

bool folderExists(const std::string& dir)
{
    std::error_code ec;
    return !dir.empty() && fs::is_directory(fs::u8path(dir), ec);
}

bool createFolderWithParents(const std::string& dir)
{
    std::string path = dir;
    // "a/b/" names the same folder as "a/b"; some library versions trip over the slash.
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    std::error_code ec;
    fs::create_directories(fs::u8path(path), ec);
    return folderExists(path);
}

void applyGifOptions(const SaveRequest& request, GifImage& gif)
{
    if (const int i = radioGroupIndex(request.colorReduction, kColorReductionItems); i >= 0)
        gif.setColorReduction(static_cast<ColorReduction>(i));
    if (const int i = radioGroupIndex(request.dithering, kDitheringItems); i >= 0)
        gif.setDitherMethod(static_cast<DitherMethod>(i));
    if (const int i = radioGroupIndex(request.gifCompression, kGifCompressionItems); i >= 0)
        gif.setCompression(static_cast<GifCompression>(i));
    gif.setReductionBits(radioGroupIndex(request.reductionBits, kReductionBitsItems) + kMinReductionBits);
}

}  // namespace

int radioGroupIndex(long long index, int itemCount)
{
    if (index < 0) return -1;
    return static_cast<int>(index < itemCount ? index : itemCount - 1);
}

std::string missingFolderQuestion(const std::string& dir)
{
    return "Folder \"" + dir + "\" does not exist! Create?";
}

std::string folderNotCreatedMessage(const std::string& dir)
{
    return "Cannot create folder \"" + dir + "\". Nimbrel will not save the image";
}

SaveFileNames saveFileNames(const SaveRequest& request)
{
    std::string base = request.outputDir;
    if (base.empty() || base.back() != '/') base += '/';
    const std::string stem = base + request.prefix + request.fileName + request.suffix;
    return {stem + ".bmp", stem + ".gif"};
}

SaveResult saveButton(const SaveRequest& request, const Bgr24View& button, SaveInteraction& ui)
{
    for (const char* extension : {".bmp", ".gif"})
        if (const std::string problem = outputNameProblem(request.prefix, request.fileName, request.suffix, extension);
            !problem.empty())
            throw Error(problem);
    SaveResult result;
    const std::string& dir = request.outputDir;
    if (!folderExists(dir)) {
        if (!ui.askYesNo(missingFolderQuestion(dir))) {
            result.outcome = SaveOutcome::FolderDeclined;
            return result;
        }
        if (dir.empty()) throw Error("Unable to create directory");
        if (!createFolderWithParents(dir)) {
            ui.showMessage(folderNotCreatedMessage(dir));
            result.outcome = SaveOutcome::FolderNotCreated;
            return result;
        }
    }

    const SaveFileNames names = saveFileNames(request);
    if (request.saveBmp) {
        saveBmpFile(names.bmp, button);
        result.filesWritten.push_back(names.bmp);
    }
    if (request.saveGif) {
        GifImage gif;
        applyGifOptions(request, gif);
        gif.assign(button);
        gif.saveToFile(names.gif);
        result.filesWritten.push_back(names.gif);
    }
    return result;
}

bool checkOutputTypes(bool saveBmp, bool saveGif, SaveInteraction& ui)
{
    if (saveBmp || saveGif) return true;
    ui.showMessage(kNoOutputTypeMessage);
    return false;
}

}  // namespace nimbrel

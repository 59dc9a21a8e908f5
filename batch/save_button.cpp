#include "batch/save_button.h"

#include "base/error.h"
#include "base/file_io.h"
#include "base/folders.h"
#include "image/bmp_writer.h"
#include "image/gif_image.h"
#include "image/png_writer.h"

namespace nimbrel {
namespace {

void applyGifOptions(const SaveRequest& request, GifImage& gif)
{
    gif.setColorReduction(request.colorReduction);
    gif.setDitherMethod(request.dithering);
    gif.setCompression(request.gifCompression);
    gif.setReductionBits(request.reductionBits);
    if (request.transparent) gif.setTransparentColor(request.transparentColor);
}

}  // namespace

EncodedImage encodeButtonImage(const SaveRequest& request, ImageFormat format, const Bgr24View& image)
{
    EncodedImage encoded;
    switch (format) {
        case ImageFormat::Bmp: encoded.bytes = encodeBmp(image); break;
        case ImageFormat::Gif: {
            GifImage gif;
            applyGifOptions(request, gif);
            gif.assign(image);
            encoded.bytes = gif.saveToBytes();
            encoded.warning = gif.transparencyWarning();
            break;
        }
        case ImageFormat::Png: {
            PngOptions options;
            if (request.transparent) options.transparentColor = request.transparentColor;
            encoded.bytes = encodePng(image, options);
            break;
        }
    }
    return encoded;
}

SaveResult saveButton(const SaveRequest& request, const Bgr24View& button, SaveInteraction& ui,
                      const ScaledButtonDrawer& drawScaled)
{
    refuseNamesOutsideTheFolder(request);
    SaveResult result;
    const std::string& dir = request.outputDir;
    if (!isFolder(dir)) {
        if (!ui.askYesNo(missingFolderQuestion(dir))) {
            result.outcome = SaveOutcome::FolderDeclined;
            return result;
        }
        if (dir.empty()) throw Error("Unable to create directory");
        if (!makeFolderWithParents(dir)) {
            ui.showMessage(folderNotCreatedMessage(dir));
            result.outcome = SaveOutcome::FolderNotCreated;
            return result;
        }
    }

    const EncodedButton encoded = encodeButton(request, button, drawScaled);
    result.filesWritten = writeEncodedButton(encoded, OutputFolder::Existing);
    for (const EncodedFile& file : encoded.files)
        if (!file.warning.empty()) result.warnings.push_back(file.name + ": " + file.warning);
    return result;
}

EncodedButton encodeButton(const SaveRequest& request, const Bgr24View& button, const ScaledButtonDrawer& drawScaled)
{
    EncodedButton encoded;
    if (!savesAnything(request)) return encoded;
    try {
        refuseNamesOutsideTheFolder(request);
        for (const int scale : request.scales) {
            Bgr24Image scaled;
            if (scale != 1) {
                if (!drawScaled) throw Error("Cannot draw the button at " + std::to_string(scale) + " times its size");
                scaled = drawScaled(scale);
            }
            const Bgr24View image = scale == 1 ? button : scaled.view();
            for (const ImageFormat format : kImageFormats) {
                if (!savesFormat(request, format)) continue;
                const std::string name = saveFileName(request, format, scale);
                // The button's own BMP is written in rows straight from its
                // pixels when the file is written: a large button is never held twice.
                if (format == ImageFormat::Bmp && scale == 1) {
                    encoded.files.push_back({name, {}, {}, button});
                    continue;
                }
                EncodedImage file = encodeButtonImage(request, format, image);
                encoded.files.push_back({name, std::move(file.bytes), std::move(file.warning), {}});
            }
        }
    } catch (...) {
        encoded.failure = std::current_exception();
    }
    return encoded;
}

std::vector<std::string> writeEncodedButton(const EncodedButton& button, OutputFolder folder)
{
    std::vector<std::string> written;
    for (const EncodedFile& file : button.files) {
        const std::function<void(FileWriter&)> content = [&file](FileWriter& out) {
            if (file.rowsOf) {
                writeBmp(*file.rowsOf, out);
            } else {
                out.write(file.bytes.data(), file.bytes.size());
            }
        };
        if (folder == OutputFolder::MadeThisRun) {
            writeNewFileAtomically(file.name, content);
        } else {
            writeFileAtomically(file.name, content, FileSync::None);
        }
        written.push_back(file.name);
    }
    if (button.failure) std::rethrow_exception(button.failure);
    return written;
}

}  // namespace nimbrel

#include "batch/save_button.h"

#include "batch/output_name.h"
#include "image/bmp_writer.h"
#include "base/error.h"
#include "base/folders.h"
#include "base/file_io.h"
#include "image/gif_image.h"
#include "image/gif_options.h"
#include "image/png_writer.h"

namespace nimbrel {
namespace {

void applyGifOptions(const SaveRequest& request, GifImage& gif)
{
    if (const int i = radioGroupIndex(request.colorReduction, kColorReductionItems); i >= 0)
        gif.setColorReduction(static_cast<ColorReduction>(i));
    if (const int i = radioGroupIndex(request.dithering, kDitheringItems); i >= 0)
        gif.setDitherMethod(static_cast<DitherMethod>(i));
    if (const int i = radioGroupIndex(request.gifCompression, kGifCompressionItems); i >= 0)
        gif.setCompression(static_cast<GifCompression>(i));
    gif.setReductionBits(radioGroupIndex(request.reductionBits, kReductionBitsItems) + kMinReductionBits);
    if (request.transparent) gif.setTransparentColor(request.transparentColor);
}

std::string fileStem(const SaveRequest& request)
{
    std::string base = request.outputDir;
    if (base.empty() || base.back() != '/') base += '/';
    return base + request.prefix + request.fileName + request.suffix;
}

void refuseNamesOutsideTheFolder(const SaveRequest& request)
{
    for (const ImageFormat format : kImageFormats)
        if (const std::string problem =
                outputNameProblem(request.prefix, request.fileName, request.suffix, extensionOf(format));
            !problem.empty())
            throw Error(problem);
}

std::string scaleTag(int scale)
{
    return scale == 1 ? std::string() : "@" + std::to_string(scale) + "x";
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

const char* extensionOf(ImageFormat format)
{
    switch (format) {
        case ImageFormat::Bmp: return ".bmp";
        case ImageFormat::Gif: return ".gif";
        case ImageFormat::Png: return ".png";
    }
    return "";
}

bool savesFormat(const SaveRequest& request, ImageFormat format)
{
    switch (format) {
        case ImageFormat::Bmp: return request.saveBmp;
        case ImageFormat::Gif: return request.saveGif;
        case ImageFormat::Png: return request.savePng;
    }
    return false;
}

bool savesAnything(const SaveRequest& request)
{
    return request.saveBmp || request.saveGif || request.savePng;
}

SaveFileNames saveFileNames(const SaveRequest& request)
{
    const std::string stem = fileStem(request);
    return {stem + ".bmp", stem + ".gif", stem + ".png"};
}

std::string saveFileLeafName(const SaveRequest& request, ImageFormat format, int scale)
{
    return request.prefix + request.fileName + request.suffix + scaleTag(scale) + extensionOf(format);
}

std::string saveFileName(const SaveRequest& request, ImageFormat format, int scale)
{
    return fileStem(request) + scaleTag(scale) + extensionOf(format);
}

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
    result.filesWritten = writeEncodedButton(encoded, false);
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

std::vector<std::string> writeEncodedButton(const EncodedButton& button, bool freshFolder)
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
        if (freshFolder) {
            writeNewFileAtomically(file.name, content);
        } else {
            writeFileAtomically(file.name, content, FileSync::None);
        }
        written.push_back(file.name);
    }
    if (button.failure) std::rethrow_exception(button.failure);
    return written;
}

bool checkOutputTypes(const SaveRequest& request, SaveInteraction& ui)
{
    if (savesAnything(request)) return true;
    ui.showMessage(kNoOutputTypeMessage);
    return false;
}

}  // namespace nimbrel

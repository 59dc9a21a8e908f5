#include "batch/save_file_names.h"

#include "base/error.h"
#include "batch/output_name.h"

namespace nimbrel {
namespace {

std::string fileStem(const SaveRequest& request)
{
    std::string base = request.outputDir;
    if (base.empty() || base.back() != '/') base += '/';
    return base + request.prefix + request.fileName + request.suffix;
}

std::string scaleTag(int scale)
{
    return scale == 1 ? std::string() : "@" + std::to_string(scale) + "x";
}

}  // namespace

const char* extensionOf(ImageFormat format)
{
    switch (format) {
        case ImageFormat::Bmp:
            return ".bmp";
        case ImageFormat::Gif:
            return ".gif";
        case ImageFormat::Png:
            return ".png";
    }
    return "";
}

std::string saveFileLeafName(const SaveRequest& request, ImageFormat format, int scale)
{
    return request.prefix + request.fileName + request.suffix + scaleTag(scale) + extensionOf(format);
}

std::string saveFileName(const SaveRequest& request, ImageFormat format, int scale)
{
    return fileStem(request) + scaleTag(scale) + extensionOf(format);
}

void refuseNamesOutsideTheFolder(const SaveRequest& request)
{
    for (const ImageFormat format : kImageFormats)
        if (const std::string problem =
                outputNameProblem(request.prefix, request.fileName, request.suffix, extensionOf(format));
            !problem.empty())
            throw Error(problem);
}

}  // namespace nimbrel

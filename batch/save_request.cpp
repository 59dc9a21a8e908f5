#include "batch/save_request.h"

namespace nimbrel {

std::string missingFolderQuestion(const std::string& dir)
{
    return "Folder \"" + dir + "\" does not exist! Create?";
}

std::string folderNotCreatedMessage(const std::string& dir)
{
    return "Cannot create folder \"" + dir + "\". Nimbrel will not save the image";
}

bool savesFormat(const SaveRequest& request, ImageFormat format)
{
    switch (format) {
        case ImageFormat::Bmp:
            return request.saveBmp;
        case ImageFormat::Gif:
            return request.saveGif;
        case ImageFormat::Png:
            return request.savePng;
    }
    return false;
}

bool savesAnything(const SaveRequest& request)
{
    return request.saveBmp || request.saveGif || request.savePng;
}

bool checkOutputTypes(const SaveRequest& request, SaveInteraction& ui)
{
    if (savesAnything(request)) return true;
    ui.showMessage(kNoOutputTypeMessage);
    return false;
}

}  // namespace nimbrel

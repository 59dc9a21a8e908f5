#pragma once
// The names of the files a save writes: folder + prefix + file name + suffix,
// "@2x" or "@3x" for the high-density copies, then ".bmp", ".gif" or ".png".
#include <string>

#include "batch/save_request.h"

namespace nimbrel {

const char* extensionOf(ImageFormat format);  // ".bmp", ".gif", ".png"

// prefix + file name + suffix, then "@2x" or "@3x" for those scales, then the extension.
std::string saveFileLeafName(const SaveRequest& request, ImageFormat format, int scale = 1);
// The leaf name in the output folder, with a "/" between them unless the
// folder already ends in one. Nothing in the parts is checked.
std::string saveFileName(const SaveRequest& request, ImageFormat format, int scale = 1);

// Throws the problem of a name that would leave the output folder or holds a
// NUL byte (see outputNameProblem), whichever file type it is for.
void refuseNamesOutsideTheFolder(const SaveRequest& request);

}  // namespace nimbrel

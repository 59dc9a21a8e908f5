#include "image/image_limits.h"

#include <string>

#include "base/error.h"

namespace nimbrel {

void checkImageSize(long long width, long long height)
{
    if (width < 0 || height < 0)
        throw Error("Image size " + std::to_string(width) + " x " + std::to_string(height) + " is not valid");
    if (width > kMaxImageSide || height > kMaxImageSide || width * height * 3 > kMaxImageBytes)
        throw Error("Image size " + std::to_string(width) + " x " + std::to_string(height) +
                    " is too large (at most " + std::to_string(kMaxImageSide) + " pixels a side and " +
                    std::to_string(kMaxImageBytes / (1024 * 1024)) + " MB)");
}

}  // namespace nimbrel

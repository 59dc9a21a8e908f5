// Caption list reader: any bytes either add count pairs or fail with the
// program's error and add nothing; what was read is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "batch/caption_list_file.h"
#include "base/error.h"
#include "base/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    const auto lines = splitLines(decodeTextFile(std::vector<std::uint8_t>(data, data + size)));
    std::vector<std::string> captions{"before"}, fileNames{"before"};
    try {
        readCaptionListLines(lines, captions, fileNames);
    } catch (const Error&) {
        if (captions.size() != 1 || fileNames.size() != 1) std::abort();
        return 0;
    }
    if (captions.size() != fileNames.size()) std::abort();
    std::vector<std::string> againCaptions{"before"}, againFileNames{"before"};
    readCaptionListLines(captionListLines(captions, fileNames), againCaptions, againFileNames);
    // The written lists hold "before" too, and reading appends to it once more.
    captions.insert(captions.begin(), "before");
    fileNames.insert(fileNames.begin(), "before");
    if (againCaptions != captions || againFileNames != fileNames) std::abort();
    return 0;
}

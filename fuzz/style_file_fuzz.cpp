// Style file reader: any bytes either load or fail with the program's error;
// a style that loads is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/style_file.h"
#include "base/error.h"
#include "base/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    const std::string appFolder = "/opt/nimbrel/";
    const auto lines = splitLines(decodeTextFile(std::vector<std::uint8_t>(data, data + size)));
    ButtonStyle style;
    try {
        readStyleFileLines(style, lines, appFolder);
    } catch (const Error&) {
        return 0;
    }
    ButtonStyle back;
    readStyleFileLines(back, styleFileLines(style, appFolder), appFolder);
    if (back != style) std::abort();
    return 0;
}

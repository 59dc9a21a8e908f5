// File-name rules: a caption's file name never holds a folder separator, and a
// name the output-name rule lets through stays inside the output folder when
// the system walks it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "batch/caption_to_file_name.h"
#include "batch/output_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    FuzzedDataProvider in(data, size);
    const Spaces spaces = in.ConsumeBool() ? Spaces::ToUnderscores : Spaces::Keep;
    const LetterCase letters = in.ConsumeBool() ? LetterCase::Lower : LetterCase::Keep;
    const std::string prefix = in.ConsumeRandomLengthString(16);
    const std::string suffix = in.ConsumeRandomLengthString(16);
    const bool fromCaption = in.ConsumeBool();
    const std::string text = in.ConsumeRemainingBytesAsString();

    const std::string name = fromCaption ? captionToFileName(text, spaces, letters) : text;
    if (fromCaption && (name.size() != text.size() || name.find('/') != std::string::npos)) std::abort();

    if (!outputNameProblem(prefix, name, suffix, ".bmp").empty()) return 0;
    const std::string stem = prefix + name + suffix + ".bmp";
    if (stem.find('\0') != std::string::npos) std::abort();
    const std::filesystem::path walked = (std::filesystem::path("/out/") / ("./" + stem)).lexically_normal();
    if (walked.string().compare(0, 5, "/out/") != 0 || walked.string().size() <= 5) std::abort();
    return 0;
}

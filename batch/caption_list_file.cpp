#include "batch/caption_list_file.h"

#include "base/error.h"
#include "base/file_io.h"
#include "base/key_value_lines.h"
#include "base/text_codec.h"
#include "base/text_values.h"
#include "base/value_error.h"

namespace nimbrel {

void readCaptionListLines(const std::vector<std::string>& lines, std::vector<std::string>& captions,
                          std::vector<std::string>& fileNames)
{
    if (lines.size() < 2) return;
    const KeyValueLines file(lines);
    const std::int32_t count = file.integer("count");
    if (count > static_cast<long long>(lines.size()) + kMaxMissingCaptionPairs)
        throw ValueError("count",
                         "The caption list claims " + std::to_string(count) + " entries but holds only " +
                             std::to_string(lines.size()) + " lines",
                         std::to_string(count) + " entries claimed, but the file has only " +
                             std::to_string(lines.size()) + " lines");

    // Read into temporaries first, so a failure could never leave the lists half filled.
    std::vector<std::string> newCaptions, newFileNames;
    for (std::int32_t i = 0; i < count; ++i) {
        newCaptions.push_back(file.value("caption" + std::to_string(i)));
        newFileNames.push_back(file.value("filename" + std::to_string(i)));
    }
    captions.insert(captions.end(), newCaptions.begin(), newCaptions.end());
    fileNames.insert(fileNames.end(), newFileNames.begin(), newFileNames.end());
}

std::vector<std::string> captionListLines(const std::vector<std::string>& captions,
                                          const std::vector<std::string>& fileNames)
{
    std::vector<std::string> lines{"count=" + std::to_string(captions.size())};
    for (std::size_t i = 0; i < captions.size() && i < fileNames.size(); ++i) {
        lines.push_back("caption" + std::to_string(i) + "=" + onOneLine(captions[i]));
        lines.push_back("filename" + std::to_string(i) + "=" + onOneLine(fileNames[i]));
    }
    return lines;
}

void readCaptionList(const std::string& fileName, std::vector<std::string>& captions,
                     std::vector<std::string>& fileNames)
{
    readCaptionListLines(readTextFileLines(fileName), captions, fileNames);
}

void writeCaptionList(const std::string& fileName, const std::vector<std::string>& captions,
                      const std::vector<std::string>& fileNames)
{
    if (captions.size() != fileNames.size()) return;
    writeFileAtomically(fileName, joinLines(captionListLines(captions, fileNames), "\r\n"));
}

}  // namespace nimbrel

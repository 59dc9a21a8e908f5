#pragma once
// Caption list files: "count=n", then "caption<i>=..." and "filename<i>=..."
// for each pair, lines ending in CR LF.
#include <string>
#include <vector>

namespace nimbrel {

// Appends the pairs of the file to the two lists (which are not cleared).
// A file of fewer than two lines adds nothing. A count that is missing or not
// an integer throws nimbrel::Error "'<text>' is not a valid integer value" and
// adds nothing; so does a file that cannot be read (the file layer's message).
// Missing caption or file-name lines give empty entries.
void readCaptionList(const std::string& fileName, std::vector<std::string>& captions,
                     std::vector<std::string>& fileNames);

// Writes the two lists, replacing the file. Lists of different lengths are not
// written (and an existing file is left alone). Throws nimbrel::Error when the
// file cannot be written, with any old file left whole.
void writeCaptionList(const std::string& fileName, const std::vector<std::string>& captions,
                      const std::vector<std::string>& fileNames);

// The same, below the file level.
void readCaptionListLines(const std::vector<std::string>& lines, std::vector<std::string>& captions,
                          std::vector<std::string>& fileNames);
std::vector<std::string> captionListLines(const std::vector<std::string>& captions,
                                          const std::vector<std::string>& fileNames);

// A count may promise more pairs than the file holds (the missing ones read as
// empty), but not without bound: past this many beyond the file's own lines it
// is refused instead of filling memory with empty entries.
constexpr long long kMaxMissingCaptionPairs = 10000;

}  // namespace nimbrel

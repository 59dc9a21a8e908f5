#pragma once
// Whole-file reads and crash-safe writes. Every file the program writes goes
// through writeFileAtomically: the bytes land in a temporary file in the same
// folder, which is then renamed over the target, so a failure never leaves a
// half-written file where a good one stood.
#include <cstdint>
#include <string>
#include <vector>

namespace nimbrel {

// Throws nimbrel::Error "Cannot open file \"<name>\". <reason>" when the file
// cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& fileName);

// Throws nimbrel::Error "Cannot create file \"<name>\". <reason>" when the file
// cannot be created, written or renamed into place; the old file, if any, is
// left as it was and no temporary file stays behind.
void writeFileAtomically(const std::string& fileName, const void* data, std::size_t size);
inline void writeFileAtomically(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    writeFileAtomically(fileName, bytes.data(), bytes.size());
}
inline void writeFileAtomically(const std::string& fileName, const std::string& text)
{
    writeFileAtomically(fileName, text.data(), text.size());
}

// The same for a target that cannot exist yet (its folder was made by this
// run): the target is not looked at first, and a new file's mode is given.
void writeNewFileAtomically(const std::string& fileName, const void* data, std::size_t size);
inline void writeNewFileAtomically(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    writeNewFileAtomically(fileName, bytes.data(), bytes.size());
}

// Test hook: when set, writeFileAtomically fails after writing this many bytes
// of the temporary file, as a full disk would. -1 (the default) disables it.
void setWriteFailureAfterBytesForTesting(long long bytes);

}  // namespace nimbrel

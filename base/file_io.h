#pragma once
// Bounded whole-file reads and crash-safe writes. Every file the program writes
// goes through writeFileAtomically: the bytes land in a temporary file in the
// same folder, which is then renamed over the target, so a failure never leaves
// a half-written file where a good one stood.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nimbrel {

// The most a text file (style, caption list, settings, autosaved list) may
// hold: far beyond any real one, and small enough that a wrong file (a disk
// image, /dev/zero) is refused at once instead of filling memory.
constexpr std::size_t kMaxTextFileBytes = 16u * 1024 * 1024;

// Reads a regular file of at most maxBytes. Throws nimbrel::Error
// "Cannot open file \"<name>\". <reason>" when the file cannot be opened or
// read, is not a regular file (a FIFO, a device, a folder) or is larger than
// maxBytes; nothing is read from a file that is refused.
std::vector<std::uint8_t> readWholeFile(const std::string& fileName, std::size_t maxBytes = kMaxTextFileBytes);

// The same rule for what is already open (standard input, a pipe): reads to
// the end, failing like readWholeFile once more than maxBytes arrive. `name`
// is what the message calls it; `expected` only sizes the first buffer.
std::vector<std::uint8_t> readBounded(int fd, const std::string& name, std::size_t maxBytes = kMaxTextFileBytes,
                                      std::size_t expected = 0);

// Whether a finished file is forced to the disk before it replaces the old one.
// The user's own data (settings, styles, caption lists) is; output images,
// which the program can always make again, need not pay for it.
enum class FileSync { ToDisk, None };

// Where writeFileAtomically's content goes, in as many pieces as it likes.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual void write(const void* data, std::size_t size) = 0;
};

// Throws nimbrel::Error "Cannot create file \"<name>\". <reason>" when the file
// cannot be created, written or renamed into place; the old file, if any, is
// left as it was and no temporary file stays behind. A target that is a
// symbolic link is replaced where the link points, so the link stays. The
// content is written through a buffer as it is produced, so a large image needs
// no second copy in memory; an exception from `content` ends the write the same way.
void writeFileAtomically(const std::string& fileName, const std::function<void(FileWriter&)>& content,
                         FileSync sync = FileSync::ToDisk);
void writeFileAtomically(const std::string& fileName, const void* data, std::size_t size,
                         FileSync sync = FileSync::ToDisk);
inline void writeFileAtomically(const std::string& fileName, const std::vector<std::uint8_t>& bytes,
                                FileSync sync = FileSync::ToDisk)
{
    writeFileAtomically(fileName, bytes.data(), bytes.size(), sync);
}
inline void writeFileAtomically(const std::string& fileName, const std::string& text,
                                FileSync sync = FileSync::ToDisk)
{
    writeFileAtomically(fileName, text.data(), text.size(), sync);
}

// The same for a target that cannot exist yet (its folder was made by this
// run): the target is not looked at first, and a new file's mode is given.
// Output images only: the file is not forced to the disk.
void writeNewFileAtomically(const std::string& fileName, const std::function<void(FileWriter&)>& content);
void writeNewFileAtomically(const std::string& fileName, const void* data, std::size_t size);
inline void writeNewFileAtomically(const std::string& fileName, const std::vector<std::uint8_t>& bytes)
{
    writeNewFileAtomically(fileName, bytes.data(), bytes.size());
}

// Test hook: when set, writeFileAtomically fails after writing this many bytes
// of the temporary file, as a full disk would. -1 (the default) disables it.
void setWriteFailureAfterBytesForTesting(long long bytes);

}  // namespace nimbrel

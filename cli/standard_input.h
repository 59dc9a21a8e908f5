#pragma once
// Reading a caption list from a pipe: `--captions -`.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace nimbrel::cli {

// A caption list of this size is far beyond any real one; more than this on
// standard input is refused rather than read into memory without end.
inline constexpr std::size_t kMaxStandardInputBytes = 16 * 1024 * 1024;

// Everything on file descriptor `fd` until its end. Throws nimbrel::Error when
// reading fails or more than `limit` bytes arrive.
std::vector<std::uint8_t> readAllInput(int fd, std::size_t limit = kMaxStandardInputBytes);

}  // namespace nimbrel::cli

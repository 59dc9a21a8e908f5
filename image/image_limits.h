#pragma once
// Limits that keep a huge font, width or file header from exhausting memory.

namespace nimbrel {

constexpr int kMaxImageSide = 32768;
constexpr long long kMaxImageBytes = 256LL * 1024 * 1024;

// Throws nimbrel::Error with a clear message when a 24-bit image of this size
// would be larger than the limits above, or has a negative side.
void checkImageSize(long long width, long long height);

}  // namespace nimbrel

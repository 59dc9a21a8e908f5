#pragma once
// Little-endian field access for the BMP reader and writer.
#include <cstdint>
#include <vector>

namespace nimbrel {

inline std::uint16_t readLe16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readLe32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void appendLe16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void appendLe32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    appendLe16(out, static_cast<std::uint16_t>(v));
    appendLe16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace nimbrel

#pragma once
// Where encoded bytes go. The GIF writer only ever appends, so a sink is one
// call; a vector sink collects a whole file in memory before it is written out
// in one piece.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace nimbrel {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void write(const std::uint8_t* data, std::size_t size) = 0;
    void put(std::uint8_t byte) { write(&byte, 1); }
};

class VectorByteSink : public ByteSink {
public:
    explicit VectorByteSink(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    void write(const std::uint8_t* data, std::size_t size) override
    {
        bytes_.insert(bytes_.end(), data, data + size);
    }

private:
    std::vector<std::uint8_t>& bytes_;
};

}  // namespace nimbrel

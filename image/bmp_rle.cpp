#include "image/bmp_rle.h"

#include <cstring>

#include "base/error.h"

namespace nimbrel {
namespace {

class RleDecoder {
public:
    RleDecoder(const BmpHeader& header, const std::uint8_t* data, std::size_t size, const Bgr24Canvas* image)
        : header_(header), data_(data), size_(size), image_(image)
    {
    }

    void run()
    {
        if (image_) fillSkippedPixels();
        while (y_ < header_.height) {
            const std::uint8_t count = next();
            const std::uint8_t value = next();
            if (count > 0) {
                putRun(count, [&](int i) { return runIndex(value, i); });
                continue;
            }
            switch (value) {
                case 0:
                    endOfLine();
                    break;
                case 1:
                    return;  // end of bitmap
                case 2:
                    delta();
                    break;
                default:
                    absolute(value);
                    break;
            }
        }
    }

private:
    bool fourBits() const { return header_.encoding == BmpEncoding::Rle4; }

    std::uint8_t next()
    {
        if (pos_ >= size_) throw Error(kBmpTruncated);
        return data_[pos_++];
    }

    std::uint8_t runIndex(std::uint8_t value, int i) const
    {
        if (!fourBits()) return value;
        return i % 2 == 0 ? value >> 4 : value & 0x0F;
    }

    template <typename IndexOf>
    void putRun(int count, IndexOf indexOf)
    {
        if (x_ + count > header_.width) throw Error(kBmpBadRunLength);
        std::uint8_t* out = image_ ? image_->row(imageRow()) + x_ * 3 : nullptr;
        for (int i = 0; i < count; ++i) {
            const std::size_t index = indexOf(i);
            if (index >= header_.palette.size()) throw Error(kBmpBadColorIndex);
            if (out) std::memcpy(out + i * 3, header_.palette[index].data(), 3);
        }
        x_ += count;
    }

    void absolute(int count)
    {
        const std::size_t bytes = fourBits() ? (count + 1) / 2 : count;
        const std::size_t padded = bytes + (bytes & 1);
        if (size_ - pos_ < padded) throw Error(kBmpTruncated);
        const std::uint8_t* src = data_ + pos_;
        putRun(count, [&](int i) { return fourBits() ? runIndex(src[i / 2], i) : src[i]; });
        pos_ += padded;
    }

    void endOfLine()
    {
        x_ = 0;
        ++y_;
    }

    void delta()
    {
        const int dx = next();
        const int dy = next();
        if (x_ + dx > header_.width || y_ + dy > header_.height) throw Error(kBmpBadRunLength);
        x_ += dx;
        y_ += dy;
    }

    int imageRow() const { return header_.topDown ? y_ : header_.height - 1 - y_; }

    void fillSkippedPixels()
    {
        if (header_.palette.empty()) throw Error(kBmpNoColorTable);
        const auto& background = header_.palette[0];
        std::uint8_t* first = image_->row(0);
        for (int x = 0; x < header_.width; ++x) std::memcpy(first + x * 3, background.data(), 3);
        for (int y = 1; y < header_.height; ++y)
            std::memcpy(image_->row(y), first, static_cast<std::size_t>(header_.width) * 3);
    }

    const BmpHeader& header_;
    const std::uint8_t* data_;
    std::size_t size_;
    const Bgr24Canvas* image_;
    std::size_t pos_ = 0;
    int x_ = 0;
    int y_ = 0;  // stream row: 0 is the first row stored, the bottom one unless top-down
};

}  // namespace

void decodeRle(const BmpHeader& header, const std::uint8_t* data, std::size_t size, const Bgr24Canvas* image)
{
    RleDecoder(header, data, size, image).run();
}

}  // namespace nimbrel

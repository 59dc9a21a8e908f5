#include "core/raster_font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "base/error.h"
#include "image/image_limits.h"

namespace nimbrel {
namespace {

constexpr int kDefaultPixelSize = 16;  // a size of 0 points asks for the default (12 pt)

}  // namespace

int pointsToPixels(int points)
{
    if (points == 0) return kDefaultPixelSize;
    // A negative size is taken as the same size: the em height is what matters.
    const long long magnitude = std::llabs(static_cast<long long>(points));
    const long long pixels = std::llround(static_cast<double>(magnitude) * 96.0 / 72.0);
    if (pixels > kMaxImageSide)
        throw Error("Font size " + std::to_string(points) + " pt is too large (at most " +
                    std::to_string(kMaxImageSide * 72 / 96) + " pt)");
    return static_cast<int>(std::max(1LL, pixels));
}

namespace {

QFont makeQFont(const RasterFont& font, int pixels)
{
    QFont f;
    if (!font.face.empty()) f.setFamily(QString::fromStdString(font.face));
    f.setPixelSize(pixels);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Fixed hinting and no smoothing: glyph pixels must not depend on the screen
    // the program happens to run on, and direct captions take exactly one colour.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(font.antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    return f;
}

// Making a font and finding its glyph engine take longer than shaping a short
// caption, and a button set asks for the same two or three fonts thousands of
// times: each thread keeps the last few. Fonts are never handed to another
// thread, which the toolkit's fonts do not allow.
class RecentFonts {
public:
    template <class Make>
    QFont get(const RasterFont& font, Make make)
    {
        // Everything but the colour makes the toolkit font: keys carry none.
        RasterFont key = font;
        key.color = 0;
        for (const Entry& e : entries_)
            if (e.used && e.key == key) return e.font;
        Entry& e = entries_[next_];
        next_ = (next_ + 1) % entries_.size();
        e = {key, make(), true};
        return e.font;
    }

private:
    struct Entry {
        RasterFont key;
        QFont font;
        bool used = false;
    };
    std::array<Entry, 4> entries_;
    std::size_t next_ = 0;
};

}  // namespace

QFont RasterFont::toQFont() const
{
    const long long pixels = static_cast<long long>(pointsToPixels(sizePt)) * pixelScale;
    if (pixels > kMaxImageSide)
        throw Error("Font size " + std::to_string(sizePt) + " pt is too large to draw at " +
                    std::to_string(pixelScale) + " times the size");
    thread_local RecentFonts recent;
    return recent.get(*this, [&] { return makeQFont(*this, static_cast<int>(pixels)); });
}

bool RasterFont::operator==(const RasterFont& o) const
{
    return face == o.face && sizePt == o.sizePt && bold == o.bold && italic == o.italic &&
           underline == o.underline && antialiased == o.antialiased && color == o.color &&
           pixelScale == o.pixelScale;
}

}  // namespace nimbrel

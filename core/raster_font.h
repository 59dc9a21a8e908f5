#pragma once
// The fonts of the raster layer: what the renderer sets and reads back, made
// into toolkit fonts at 96 dpi, so a button looks the same whatever screen the
// program runs on.
#include <QFont>
#include <string>

#include "image/color.h"

namespace nimbrel {

// A surface font. Sizes are in points.
struct RasterFont {
    std::string face;  // empty: the platform's default face
    int sizePt = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool antialiased = false;  // glyph edges smoothed (only the scratch of anti-aliased captions uses it)
    Color color = 0;
    int pixelScale = 1;  // the high-density copies: k times the pixel size of sizePt

    // The toolkit font, from this thread's few most recent ones when it was made before.
    QFont toQFont() const;
    bool operator==(const RasterFont& o) const;
};

// Pixel height of a point size at 96 dpi; 0 points means the default size.
// Throws nimbrel::Error for sizes beyond the image limits.
int pointsToPixels(int points);

}  // namespace nimbrel

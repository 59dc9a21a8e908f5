#pragma once
// The picker's two images, computed without any widget: a 256 x 256 field in
// which two colour components vary while the third is held, and a 32 x 256 strip
// that runs through the held one. The field is computed into one raw pixel
// buffer (rows bottom-up, bytes blue, green, red) and handed to its image in one
// transfer; the strip is set pixel by pixel. Markers are painted over copies of
// the images by whoever shows them.
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <vector>

#include "picker/color_model.h"

class QPainter;

namespace nimbrel {

// Which component the strip runs through; the numbers are the radio buttons' tags.
enum class ColorMode { Hue = 0, Sat = 1, Value = 2, Red = 3, Green = 4, Blue = 5 };
constexpr int kColorModeCount = 6;

inline bool isHsvMode(ColorMode mode)
{
    return mode <= ColorMode::Value;
}
// Out-of-range numbers (from a file or a caller) fall back to the hue mode.
ColorMode colorModeFromInt(int value);

// The six components a picker holds. Component numbers follow the mode numbers:
// 0..2 are hue, saturation and value, 3..5 red, green and blue.
struct PickerValues {
    Hsv hsv;
    Rgb rgb;

    // Exact comparison: doubles for hue, saturation and value, bytes for channels.
    bool sameComponent(const PickerValues& other, int component) const;
    // The position of a component along an image: 0..255 (HSV fractions scaled and rounded).
    int position(int component) const;
};

// The components a mode shows: the strip's, the field's left-to-right and bottom-to-top.
struct ModeAxes {
    int strip;
    int across;
    int up;
};
ModeAxes axesOf(ColorMode mode);

class PickerImages {
public:
    static constexpr int kFieldSize = 256;
    static constexpr int kStripWidth = 32;

    // Both images start black.
    PickerImages();

    // Sets up the field's pixel buffer from the field image's layout; false when
    // that is impossible (nothing is drawn then, and no buffer is touched).
    bool setUpPixelBuffer();
    void releasePixelBuffer();
    bool hasPixelBuffer() const { return !buffer_.empty(); }

    // Draws both images in full and remembers the values.
    void renderAll(ColorMode mode, const PickerValues& values);

    struct Redrawn {
        bool field = false;
        bool strip = false;
    };
    // Draws only the images whose inputs changed since the last drawing, then
    // remembers the values. The caller repaints afterwards.
    Redrawn redrawChanged(ColorMode mode, const PickerValues& values);

    const QImage& field() const { return field_; }
    const QImage& strip() const { return strip_; }

    // Copy the image 1:1 to (0, 0) of the painter's device and draw its marker.
    void paintField(QPainter& painter, ColorMode mode, const PickerValues& values) const;
    void paintStrip(QPainter& painter, ColorMode mode, const PickerValues& values) const;

    // Marker geometry and colour: grey on dark colours (V < 0.33), black otherwise.
    static QPoint fieldMarkerCentre(ColorMode mode, const PickerValues& values);
    static int stripMarkerRow(ColorMode mode, const PickerValues& values);
    static Color markerColor(const PickerValues& values);

    // How often each image has been computed (to see that a redraw touched only what it should).
    int fieldDrawCount() const { return fieldDraws_; }
    int stripDrawCount() const { return stripDraws_; }

    // Test hook: when set, setUpPixelBuffer fails as if the platform refused the layout.
    static void setPixelBufferSetUpFailsForTesting(bool fails);

private:
    void drawField(ColorMode mode, const PickerValues& values);
    void drawStrip(ColorMode mode, const PickerValues& values);
    void transferBufferToField();

    QImage field_;
    QImage strip_;
    std::vector<std::uint8_t> buffer_;
    std::ptrdiff_t stride_ = 0;
    PickerValues previous_;
    int fieldDraws_ = 0;
    int stripDraws_ = 0;
};

}  // namespace nimbrel

#include "picker/picker_images.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <cstring>
#include <new>

namespace nimbrel {

namespace {

bool setUpFailsForTesting = false;

// Each mode also names the colour component it puts on the strip.
constexpr int component(ColorMode mode)
{
    return static_cast<int>(mode);
}

constexpr ModeAxes kAxes[kColorModeCount] = {
    {component(ColorMode::Hue), component(ColorMode::Sat), component(ColorMode::Value)},  {component(ColorMode::Sat), component(ColorMode::Hue), component(ColorMode::Value)},  {component(ColorMode::Value), component(ColorMode::Hue), component(ColorMode::Sat)},
    {component(ColorMode::Red), component(ColorMode::Green), component(ColorMode::Blue)}, {component(ColorMode::Green), component(ColorMode::Red), component(ColorMode::Blue)}, {component(ColorMode::Blue), component(ColorMode::Red), component(ColorMode::Green)},
};

constexpr int kTop = PickerImages::kFieldSize - 1;

// x / 255 for every position, so the per-pixel loop does no division.
struct PositionFractions {
    double at[PickerImages::kFieldSize];
    PositionFractions()
    {
        for (int x = 0; x < PickerImages::kFieldSize; ++x) at[x] = x / 255.0;
    }
};
const PositionFractions kFractions;
constexpr Color kDarkMarker = 0x00808080;

QColor toQColor(Color c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

// The HSV fractions or the channels of the values, indexed by component - offset.
struct Components {
    double hsv[3];
    int rgb[3];
    explicit Components(const PickerValues& v)
        : hsv{v.hsv.h, v.hsv.s, v.hsv.v}, rgb{v.rgb.r, v.rgb.g, v.rgb.b}
    {
    }
};

inline void putPixel(std::uint8_t* at, const Rgb& c)
{
    at[0] = c.b;
    at[1] = c.g;
    at[2] = c.r;
}

// Marker squares are 8 pixels across, drawn as one closed outline.
void drawMarkerSquare(QPainter& painter, int left, int right, int centreY, Color color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(color), 0));
    const QPoint outline[5] = {{left, centreY - 4},
                               {left, centreY + 4},
                               {right, centreY + 4},
                               {right, centreY - 4},
                               {left, centreY - 4}};
    painter.drawPolyline(outline, 5);
    painter.restore();
}

}  // namespace

ColorMode colorModeFromInt(int value)
{
    return value >= 0 && value < kColorModeCount ? static_cast<ColorMode>(value) : ColorMode::Hue;
}

ModeAxes axesOf(ColorMode mode)
{
    return kAxes[static_cast<int>(colorModeFromInt(static_cast<int>(mode)))];
}

bool PickerValues::sameComponent(const PickerValues& other, int component) const
{
    const Components mine(*this), theirs(other);
    return component < 3 ? mine.hsv[component] == theirs.hsv[component]
                         : mine.rgb[component - 3] == theirs.rgb[component - 3];
}

int PickerValues::position(int component) const
{
    const Components c(*this);
    return component < 3 ? static_cast<int>(std::lrint(c.hsv[component] * 255)) : c.rgb[component - 3];
}

PickerImages::PickerImages()
    : field_(kFieldSize, kFieldSize, QImage::Format_BGR888),
      strip_(kStripWidth, kFieldSize, QImage::Format_BGR888)
{
    field_.fill(Qt::black);
    strip_.fill(Qt::black);
}

void PickerImages::setPixelBufferSetUpFailsForTesting(bool fails)
{
    setUpFailsForTesting = fails;
}

bool PickerImages::setUpPixelBuffer()
{
    releasePixelBuffer();
    if (setUpFailsForTesting || field_.isNull() || field_.height() != kFieldSize) return false;
    const std::size_t size = static_cast<std::size_t>(field_.sizeInBytes());
    try {
        buffer_.assign(size, 0);
    } catch (const std::bad_alloc&) {
        buffer_.clear();
        return false;
    }
    stride_ = static_cast<std::ptrdiff_t>(size / field_.height());
    // The buffer starts as a copy of the image, bottom row first.
    const std::size_t rowBytes = static_cast<std::size_t>(field_.width()) * 3;
    for (int r = 0; r < kFieldSize; ++r)
        std::memcpy(buffer_.data() + r * stride_, field_.constScanLine(kTop - r), rowBytes);
    return true;
}

void PickerImages::releasePixelBuffer()
{
    std::vector<std::uint8_t>().swap(buffer_);
    stride_ = 0;
}

void PickerImages::drawField(ColorMode mode, const PickerValues& values)
{
    if (!hasPixelBuffer()) return;
    const ModeAxes axes = axesOf(mode);
    Components c(values);
    if (isHsvMode(mode)) {
        for (int r = 0; r < kFieldSize; ++r) {
            std::uint8_t* row = buffer_.data() + r * stride_;
            c.hsv[axes.up] = kFractions.at[r];
            for (int x = 0; x < kFieldSize; ++x) {
                c.hsv[axes.across] = kFractions.at[x];
                putPixel(row + 3 * x, hsvToRgb(c.hsv[0], c.hsv[1], c.hsv[2]));
            }
        }
    } else {
        for (int r = 0; r < kFieldSize; ++r) {
            std::uint8_t* row = buffer_.data() + r * stride_;
            c.rgb[axes.up - 3] = r;
            for (int x = 0; x < kFieldSize; ++x) {
                c.rgb[axes.across - 3] = x;
                putPixel(row + 3 * x,
                         {static_cast<std::uint8_t>(c.rgb[0]), static_cast<std::uint8_t>(c.rgb[1]),
                          static_cast<std::uint8_t>(c.rgb[2])});
            }
        }
    }
    transferBufferToField();
    ++fieldDraws_;
}

void PickerImages::transferBufferToField()
{
    const std::size_t rowBytes = static_cast<std::size_t>(field_.width()) * 3;
    for (int r = 0; r < kFieldSize; ++r)
        std::memcpy(field_.scanLine(kTop - r), buffer_.data() + r * stride_, rowBytes);
}

void PickerImages::drawStrip(ColorMode mode, const PickerValues& values)
{
    if (!hasPixelBuffer()) return;
    const ModeAxes axes = axesOf(mode);
    Components c(values);
    for (int i = 0; i < kFieldSize; ++i) {
        Rgb color;
        if (isHsvMode(mode)) {
            c.hsv[axes.strip] = kFractions.at[i];
            color = rgbOf(hsvToColor(c.hsv[0], c.hsv[1], c.hsv[2]));
        } else {
            c.rgb[axes.strip - 3] = i;
            color = {static_cast<std::uint8_t>(c.rgb[0]), static_cast<std::uint8_t>(c.rgb[1]),
                     static_cast<std::uint8_t>(c.rgb[2])};
        }
        std::uint8_t* line = strip_.scanLine(kTop - i);
        for (int x = 0; x < kStripWidth; ++x) putPixel(line + 3 * x, color);
    }
    ++stripDraws_;
}

void PickerImages::renderAll(ColorMode mode, const PickerValues& values)
{
    drawField(mode, values);
    drawStrip(mode, values);
    previous_ = values;
}

PickerImages::Redrawn PickerImages::redrawChanged(ColorMode mode, const PickerValues& values)
{
    const ModeAxes axes = axesOf(mode);
    Redrawn redrawn;
    if (!values.sameComponent(previous_, axes.strip)) {
        drawField(mode, values);
        redrawn.field = hasPixelBuffer();
    }
    if (!values.sameComponent(previous_, axes.across) || !values.sameComponent(previous_, axes.up)) {
        drawStrip(mode, values);
        redrawn.strip = hasPixelBuffer();
    }
    previous_ = values;
    return redrawn;
}

QPoint PickerImages::fieldMarkerCentre(ColorMode mode, const PickerValues& values)
{
    const ModeAxes axes = axesOf(mode);
    return {values.position(axes.across), kTop - values.position(axes.up)};
}

int PickerImages::stripMarkerRow(ColorMode mode, const PickerValues& values)
{
    return kTop - values.position(axesOf(mode).strip);
}

Color PickerImages::markerColor(const PickerValues& values)
{
    return values.hsv.v < 0.33 ? kDarkMarker : 0;
}

void PickerImages::paintField(QPainter& painter, ColorMode mode, const PickerValues& values) const
{
    painter.drawImage(0, 0, field_);
    const QPoint centre = fieldMarkerCentre(mode, values);
    drawMarkerSquare(painter, centre.x() - 4, centre.x() + 4, centre.y(), markerColor(values));
}

void PickerImages::paintStrip(QPainter& painter, ColorMode mode, const PickerValues& values) const
{
    painter.drawImage(0, 0, strip_);
    drawMarkerSquare(painter, 12, 20, stripMarkerRow(mode, values), markerColor(values));
}

}  // namespace nimbrel

// Drawing the picker's images. The field is redrawn at every mouse movement on
// the strip and the strip at every movement in the field, so both have to keep
// up with the mouse.
#include <benchmark/benchmark.h>

#include "picker/picker_images.h"

namespace {

using namespace nimbrel;

// Two colours that differ only in one component, so that alternating between
// them makes redrawChanged compute exactly one image on every iteration.
void differIn(PickerValues& values, int component)
{
    if (component < 3) {
        double* hsv[3] = {&values.hsv.h, &values.hsv.s, &values.hsv.v};
        *hsv[component] *= 0.5;
    } else {
        std::uint8_t* rgb[3] = {&values.rgb.r, &values.rgb.g, &values.rgb.b};
        *rgb[component - 3] /= 2;
    }
}

void redrawBench(benchmark::State& state, bool field)
{
    const ColorMode mode = static_cast<ColorMode>(state.range(0));
    PickerImages images;
    if (!images.setUpPixelBuffer()) {
        state.SkipWithError("no pixel buffer");
        return;
    }
    const Hsv hsv{0.3, 0.7, 0.8};
    PickerValues values[2] = {{hsv, hsvToRgb(hsv.h, hsv.s, hsv.v)}, {hsv, hsvToRgb(hsv.h, hsv.s, hsv.v)}};
    const ModeAxes axes = axesOf(mode);
    differIn(values[1], field ? axes.strip : axes.across);
    images.renderAll(mode, values[0]);
    int k = 0;
    for (auto _ : state) {
        k ^= 1;
        benchmark::DoNotOptimize(images.redrawChanged(mode, values[k]));
    }
}

void BM_Field(benchmark::State& state)
{
    redrawBench(state, true);
}
void BM_Strip(benchmark::State& state)
{
    redrawBench(state, false);
}

// Arguments are the modes: 0..2 hue, saturation, value; 3..5 red, green, blue.
BENCHMARK(BM_Field)->DenseRange(0, kColorModeCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Strip)->DenseRange(0, kColorModeCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

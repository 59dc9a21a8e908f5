// Renderer: any style values and caption, within the image size limits, either
// draw a button of the size the style asks for or fail with the program's error.
#include <fuzzer/FuzzedDataProvider.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

#include "base/error.h"
#include "core/renderer.h"

namespace {

std::int32_t anyOrSmall(FuzzedDataProvider& in, int small)
{
    // Extremes find the overflows; small values keep most runs fast.
    return in.ConsumeBool() ? in.ConsumeIntegral<std::int32_t>() : in.ConsumeIntegralInRange(-small, small);
}

}  // namespace

// The font libraries under Qt keep caches for the life of the process; our own
// leaks are still reported.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace nimbrel;
    FuzzedDataProvider in(data, size);
    ButtonStyle style;
    style.fixedWidth = in.ConsumeBool();
    style.fixedHeight = in.ConsumeBool();
    // Sizes stay small enough for thousands of runs a second; positions and borders do not.
    style.width = in.ConsumeIntegralInRange(-300, 300);
    style.height = in.ConsumeIntegralInRange(-100, 100);
    style.borderLeft = anyOrSmall(in, 20);
    style.borderRight = anyOrSmall(in, 20);
    style.borderTop = anyOrSmall(in, 20);
    style.borderBottom = anyOrSmall(in, 20);
    style.faceColor = in.ConsumeIntegral<std::uint32_t>();
    style.colorBorderTop = in.ConsumeIntegral<std::uint32_t>();
    style.fontColor = in.ConsumeIntegral<std::uint32_t>();
    style.fontSize = in.ConsumeIntegralInRange(-40, 40);
    style.fontStyle = in.ConsumeIntegralInRange(-1, 4);
    style.fontUnderline = in.ConsumeBool();
    style.antiAliasLevel = in.ConsumeIntegralInRange(-1, 4);
    style.textAlign = in.ConsumeIntegralInRange(-1, 3);
    style.captionOffsetX = anyOrSmall(in, 50);
    style.captionOffsetY = anyOrSmall(in, 50);
    style.fontName = in.ConsumeBool() ? "Liberation Sans" : "";
    const std::string caption = in.ConsumeRandomLengthString(40);

    RasterFont font;
    RasterBitmap button;
    try {
        renderButton(style, caption, font, button);
    } catch (const Error&) {
        return 0;
    }
    // A side of 0 makes an empty button, whatever the other side asked for.
    if (button.empty()) return 0;
    if (style.fixedWidth && button.width() != style.width) std::abort();
    if (style.fixedHeight && button.height() != style.height) std::abort();
    return 0;
}

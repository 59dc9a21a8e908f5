#include "core/button_style.h"

#include <tuple>

namespace nimbrel {

bool ButtonStyle::operator==(const ButtonStyle& o) const
{
    auto fields = [](const ButtonStyle& s) {
        return std::tie(s.width, s.height, s.fixedWidth, s.fixedHeight, s.colorBack, s.colorBorderLeft,
                        s.colorBorderRight, s.colorBorderTop, s.colorBorderBottom, s.borderLeft,
                        s.borderRight, s.borderTop, s.borderBottom, s.fontName, s.fontSize, s.fontStyle,
                        s.fontUnderline, s.fontAntiAlias, s.fontColor, s.textAlign, s.minorX, s.minorY,
                        s.importBMP, s.prefix, s.suffix, s.bmpFilename_, s.bmpEnabled_, s.bmpAlign_);
    };
    return fields(*this) == fields(o);
}

std::string unquoteFileName(const std::string& name)
{
    std::string result = name;
    if (!result.empty() && result.front() == '"') result.erase(0, 1);
    if (!result.empty() && result.back() == '"') result.pop_back();
    return result;
}

}  // namespace nimbrel

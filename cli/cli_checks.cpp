#include "cli/cli_checks.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <filesystem>
#include <map>

#include "core/raster_font.h"
#include "core/renderer.h"

namespace nimbrel::cli {
namespace {

// Faces with the same metrics as the common Windows faces: a style made for
// those draws with the same layout.
bool isMetricStandIn(const QString& face, const QString& drawn)
{
    static const std::map<QString, QStringList> standIns = {
        {"arial", {"liberation sans", "arimo"}},
        {"times new roman", {"liberation serif", "tinos"}},
        {"courier new", {"liberation mono", "cousine"}},
    };
    const auto found = standIns.find(face.toLower());
    return found != standIns.end() && found->second.contains(drawn.toLower());
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string entryName(int entry, const std::string& caption)
{
    return "entry " + std::to_string(entry + 1) + " " + quoted(caption);
}

}  // namespace

std::string substituteFace(const ButtonStyle& style)
{
    if (style.fontName.empty()) return {};  // the default face is always there
    RasterFont font;
    applyCaptionFont(style, font);
    const QString face = QString::fromStdString(style.fontName);
    const QString drawn = QFontInfo(font.toQFont()).family();
    if (drawn.compare(face, Qt::CaseInsensitive) == 0 || isMetricStandIn(face, drawn)) return {};
    if (QFontDatabase::families().contains(face, Qt::CaseInsensitive)) return {};
    return drawn.toStdString();
}

std::vector<std::string> missingBitmapProblems(const ButtonStyle& style)
{
    std::vector<std::string> problems;
    if (!style.backgroundBitmapsOn) return problems;
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        const std::string name = unquoteFileName(style.bitmapFileName(i));
        std::error_code ec;
        if (!style.bitmapEnabled(i) || name.empty() ||
            std::filesystem::is_regular_file(std::filesystem::u8path(name), ec))
            continue;
        problems.push_back("background bitmap " + std::to_string(i) + " " + quoted(name) +
                           " is missing: it is left out");
    }
    return problems;
}

std::vector<std::string> duplicateNameProblems(const std::vector<std::string>& captions,
                                               const std::vector<std::string>& fileStems,
                                               const std::string& extension)
{
    std::vector<std::string> problems;
    std::map<std::string, std::size_t> firstEntry;
    for (std::size_t i = 0; i < fileStems.size(); ++i) {
        const auto [where, isNew] = firstEntry.emplace(fileStems[i], i);
        if (isNew) continue;
        const std::size_t earlier = where->second;
        const std::string caption = i < captions.size() ? captions[i] : std::string();
        problems.push_back(entryName(static_cast<int>(i), caption) + " writes the same file as entry " +
                           std::to_string(earlier + 1) + ": " + fileStems[i] + extension);
    }
    return problems;
}

std::string clippedCaptionProblem(int entry, const std::string& caption, int captionWidth, int buttonWidth)
{
    if (captionWidth <= buttonWidth) return {};
    return entryName(entry, caption) + " is " + std::to_string(captionWidth) + " pixels wide, the button " +
           std::to_string(buttonWidth) + ": the caption is clipped";
}

}  // namespace nimbrel::cli

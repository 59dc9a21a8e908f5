#include "batch/button_html.h"

#include <filesystem>

namespace nimbrel {
namespace {

namespace fs = std::filesystem;

bool keptInUrl(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/' || c == '@';
}

std::string imageUrl(const SaveRequest& request, const HtmlButton& button, int scale,
                     const std::string& folderUrl)
{
    SaveRequest named = request;
    named.fileName = button.fileName;
    return escapeHtml(folderUrl + urlPathOf(saveFileLeafName(named, htmlImageFormat(request), scale)));
}

}  // namespace

ImageFormat htmlImageFormat(const SaveRequest& request)
{
    if (request.savePng) return ImageFormat::Png;
    if (request.saveGif) return ImageFormat::Gif;
    return ImageFormat::Bmp;
}

std::string escapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string urlPathOf(const std::string& path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptInUrl(c)) {
            out += ch;
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out;
}

std::string imgTag(const SaveRequest& request, const HtmlButton& button, const std::string& folderUrl)
{
    // The smallest scale written is the plain src; the larger ones go in srcset.
    const std::vector<int>& scales = request.scales;
    const int first = scales.empty() ? 1 : scales.front();
    std::string tag = "<img src=\"" + imageUrl(request, button, first, folderUrl) + "\" width=\"" +
                      std::to_string(button.width) + "\" height=\"" + std::to_string(button.height) +
                      "\" alt=\"" + escapeHtml(button.caption) + "\"";
    std::string srcset;
    for (const int scale : scales) {
        if (scale == 1) continue;
        if (!srcset.empty()) srcset += ", ";
        srcset += imageUrl(request, button, scale, folderUrl) + " " + std::to_string(scale) + "x";
    }
    if (!srcset.empty()) tag += " srcset=\"" + srcset + "\"";
    return tag + ">";
}

std::string imgTags(const SaveRequest& request, const std::vector<HtmlButton>& buttons,
                    const std::string& folderUrl)
{
    std::string tags;
    for (const HtmlButton& button : buttons) tags += imgTag(request, button, folderUrl) + "\n";
    return tags;
}

std::string buttonSetPage(const SaveRequest& request, const std::vector<HtmlButton>& buttons,
                          const std::string& folderUrl)
{
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Button set</title>\n"
        "<style>body { font-family: sans-serif; } td, th { padding: 4px 16px 4px 0; text-align: left; }"
        "</style>\n</head>\n<body>\n<table>\n<tr><th>Button</th><th>File</th><th>Caption</th></tr>\n";
    for (const HtmlButton& button : buttons) {
        SaveRequest named = request;
        named.fileName = button.fileName;
        page += "<tr><td>" + imgTag(request, button, folderUrl) + "</td><td>" +
                escapeHtml(saveFileLeafName(named, htmlImageFormat(request))) + "</td><td>" +
                escapeHtml(button.caption) + "</td></tr>\n";
    }
    return page + "</table>\n</body>\n</html>\n";
}

std::string folderUrlFrom(const std::string& htmlFile, const std::string& outputDir)
{
    const fs::path page = fs::absolute(fs::u8path(htmlFile)).lexically_normal();
    const fs::path images = fs::absolute(fs::u8path(outputDir)).lexically_normal();
    const std::string relative = images.lexically_relative(page.parent_path()).generic_string();
    if (relative.empty() || relative == ".") return "";
    std::string url = urlPathOf(relative);
    if (url.back() != '/') url += '/';
    return url;
}

}  // namespace nimbrel

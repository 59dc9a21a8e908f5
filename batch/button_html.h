#pragma once
// The HTML that puts a button set on a web page: one <img> tag per button, with
// its size, its caption as alt text and the high-density copies in srcset, and
// a plain page that shows the whole set for a look in a browser.
#include <string>
#include <vector>

#include "batch/save_button.h"

namespace nimbrel {

struct HtmlButton {
    std::string caption;
    std::string fileName;  // as in the file-name list: no folder, prefix, suffix or extension
    int width = 0;         // of the image at 1x, which is its size in CSS pixels
    int height = 0;
};

// The type the HTML names: PNG when it is saved, else GIF, else BMP.
ImageFormat htmlImageFormat(const SaveRequest& request);

// & < > " and ' as character references, so any caption is safe in text and attributes.
std::string escapeHtml(const std::string& text);
// Percent-encodes every byte of a relative path except letters, digits, "-._~", "/" and "@".
std::string urlPathOf(const std::string& path);

// `folderUrl` leads from the page to the images ("" beside them, else ending in "/").
std::string imgTag(const SaveRequest& request, const HtmlButton& button, const std::string& folderUrl = "");
// Tags of several buttons, one line each.
std::string imgTags(const SaveRequest& request, const std::vector<HtmlButton>& buttons,
                    const std::string& folderUrl = "");
// A whole page: each button, its file name and its caption.
std::string buttonSetPage(const SaveRequest& request, const std::vector<HtmlButton>& buttons,
                          const std::string& folderUrl);

// The URL of `outputDir` as seen from the folder of `htmlFile` (both taken
// from the current directory when relative): "" for the same folder, else a
// relative path ending in "/".
std::string folderUrlFrom(const std::string& htmlFile, const std::string& outputDir);

}  // namespace nimbrel

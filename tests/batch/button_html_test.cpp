// The <img> tags of a button set: which file type and copies they name, and
// the path from the page to the images. (Escaping and the page itself are
// held against real files in the command-line tests.)
#include "batch/button_html.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

TEST(ButtonHtml, FormatAndSrcsetFollowWhatIsWritten)
{
    SaveRequest request;
    request.savePng = true;
    request.scales = {1, 3};
    const HtmlButton home{"Home", "home", 61, 32};
    EXPECT_EQ(imgTag(request, home), R"(<img src="home.png" width="61" height="32" alt="Home" srcset="home@3x.png 3x">)");
    request.savePng = false;
    request.scales = {1};
    EXPECT_EQ(imgTag(request, home, "a/"), R"(<img src="a/home.gif" width="61" height="32" alt="Home">)");
    request.saveGif = false;
    EXPECT_EQ(htmlImageFormat(request), ImageFormat::Bmp);
    // Without the 1x file the smallest copy written is the plain source.
    request.scales = {2, 3};
    EXPECT_EQ(imgTag(request, home).substr(0, 22), R"(<img src="home@2x.bmp")");

    EXPECT_EQ(folderUrlFrom("/site/index.html", "/site/"), "");
    EXPECT_EQ(folderUrlFrom("/site/pages/a.html", "/site/my img"), "../my%20img/");
}

}  // namespace
}  // namespace nimbrel

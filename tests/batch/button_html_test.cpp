// The <img> tags and the page of a button set.
#include "batch/button_html.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

SaveRequest pngAtAllScales()
{
    SaveRequest request;
    request.prefix = "btn_";
    request.suffix = "_on";
    request.savePng = true;
    request.scales = {1, 2, 3};
    return request;
}

TEST(ButtonHtml, TagNamesTheFilesSizeAndEscapedCaption)
{
    const HtmlButton button{"Fish & <Chips> \"now\"", "fish & chips", 96, 32};
    EXPECT_EQ(imgTag(pngAtAllScales(), button, "img/"),
              "<img src=\"img/btn_fish%20%26%20chips_on.png\" width=\"96\" height=\"32\" "
              "alt=\"Fish &amp; &lt;Chips&gt; &quot;now&quot;\" "
              "srcset=\"img/btn_fish%20%26%20chips_on@2x.png 2x, img/btn_fish%20%26%20chips_on@3x.png 3x\">");
}

TEST(ButtonHtml, FormatAndSrcsetFollowWhatIsWritten)
{
    SaveRequest request = pngAtAllScales();
    request.prefix = request.suffix = "";
    const HtmlButton home{"Home", "home", 61, 32};
    request.scales = {1, 3};
    EXPECT_EQ(imgTag(request, home), R"(<img src="home.png" width="61" height="32" alt="Home" srcset="home@3x.png 3x">)");
    request.savePng = false;
    request.scales = {1};
    EXPECT_EQ(imgTag(request, home), R"(<img src="home.gif" width="61" height="32" alt="Home">)");
    request.saveGif = false;
    EXPECT_EQ(htmlImageFormat(request), ImageFormat::Bmp);
    // Without the 1x file the smallest copy written is the plain source.
    request.savePng = true;
    request.scales = {2, 3};
    EXPECT_EQ(imgTag(request, home),
              R"(<img src="home@2x.png" width="61" height="32" alt="Home" srcset="home@2x.png 2x, home@3x.png 3x">)");
}

TEST(ButtonHtml, PageListsEveryButtonAndFindsTheImagesFromItsFolder)
{
    const std::string page =
        buttonSetPage(pngAtAllScales(), {{"A<B", "ab", 40, 20}, {"C", "c", 30, 20}}, "img/");
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<td>btn_ab_on.png</td><td>A&lt;B</td>"), std::string::npos);
    EXPECT_NE(page.find("src=\"img/btn_c_on.png\""), std::string::npos);

    EXPECT_EQ(folderUrlFrom("/site/index.html", "/site/img"), "img/");
    EXPECT_EQ(folderUrlFrom("/site/index.html", "/site/"), "");
    EXPECT_EQ(folderUrlFrom("/site/pages/a.html", "/site/my img"), "../my%20img/");
}

}  // namespace
}  // namespace nimbrel

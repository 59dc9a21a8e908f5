// nimbrel-batch with PNG, transparency, the 2x and 3x copies and --html: the
// files read back by decoders that are not ours, and the page by a browser.
#include <filesystem>
#include <regex>

#include "cli_fixture.h"
#include "image/bmp_reader.h"
#include "support/png_test_support.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

const char* const kChromium = "/usr/bin/chromium";

struct ImgTag {
    std::string src, alt, srcset;
    int width = 0, height = 0;
};

std::vector<ImgTag> imgTagsOf(const std::string& page)
{
    static const std::regex tag(R"re(<img src="([^"]*)" width="(\d+)" height="(\d+)" alt="([^"]*)"(?: srcset="([^"]*)")?>)re");
    std::vector<ImgTag> tags;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), tag); it != std::sregex_iterator(); ++it)
        tags.push_back({(*it)[1], (*it)[4], (*it)[5], std::stoi((*it)[2]), std::stoi((*it)[3])});
    return tags;
}

TEST_F(CliTest, PngHoldsTheBmpPixelsWithTheKeyColorTransparentAtEveryScale)
{
    ButtonStyle style = firstStartStyle();
    style.antiAliasLevel = 2;
    const ProcessResult r =
        program.run({"--style", writeStyle(style), "--out", outDir(), "--format", "bmp,png", "--scale", "1,2,3",
                     "--transparent", "0080C0", "Home", "Über uns"});  // the first-start button colour
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(lines(r.out).size(), 12u) << r.out;
    const Color key = style.faceColor;
    for (const std::string stem : {"home", "Über_uns"}) {
        const int width1 = loadBmpFile(outDir() + "/" + stem + ".bmp").width();
        for (const std::string scale : {"", "@2x", "@3x"}) {
            SCOPED_TRACE(stem + scale);
            const Bgr24Image bmp = loadBmpFile(outDir() + "/" + stem + scale + ".bmp");
            const auto png = png_test::decodeWithLibpng(readWholeFile(outDir() + "/" + stem + scale + ".png"));
            const int k = scale.empty() ? 1 : scale[1] - '0';
            ASSERT_EQ(bmp.width(), k * width1);
            ASSERT_EQ(bmp.height(), k * 32);
            ASSERT_EQ(png.width, bmp.width());
            ASSERT_EQ(png.height, bmp.height());
            for (int y = 0; y < bmp.height(); ++y)
                for (int x = 0; x < bmp.width(); ++x) {
                    ASSERT_EQ(png.alpha(x, y), bmp.pixel(x, y) == key ? 0 : 255) << x << "," << y;
                    if (png.alpha(x, y)) {
                        ASSERT_EQ(png.color(x, y), bmp.pixel(x, y)) << x << "," << y;
                    }
                }
        }
    }
}

class CliHtmlTest : public CliTest {
protected:
    void SetUp() override
    {
        fs::create_directories(work.path() / "site");
        const ProcessResult r = program.run({"--out", work.file("site/img"), "--format", "gif,png", "--scale",
                                             "1,2", "--html", page(), "--captions",
                                             writeCaptions({"Home", "Fish & <Chips> \"now\""}, {"home", "fish"})});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(lines(r.out).back(), page());
        tags = imgTagsOf(fileText(page()));
        ASSERT_EQ(tags.size(), 2u);
        EXPECT_EQ(tags[1].alt, "Fish &amp; &lt;Chips&gt; &quot;now&quot;");
        EXPECT_EQ(tags[1].src, "img/fish.png");
        EXPECT_EQ(tags[1].srcset, "img/fish@2x.png 2x");
    }
    std::string page() const { return work.file("site/index.html"); }

    std::vector<ImgTag> tags;
};

// Each image exists and has the size its tag gives, at 1x and from @2x.
TEST_F(CliHtmlTest, BrowserLoadsEveryImageAtItsNaturalSize)
{
    if (!fs::exists(kChromium)) GTEST_SKIP() << "no headless browser: " << kChromium << " is not installed";
    // The page with a script that writes what the browser made of each image.
    std::string text = fileText(page());
    text.insert(text.find("</body>"),
                "<script>window.addEventListener('load', () => { const p = document.createElement('pre');"
                " p.id = 'sizes'; p.textContent = Array.from(document.images).map(i => i.naturalWidth + 'x' +"
                " i.naturalHeight + ' ' + i.currentSrc.split('@').length).join(';');"
                " document.body.appendChild(p); });</script>\n");
    writeText(work.file("site/check.html"), text);
    std::vector<std::vector<std::string>> runs;
    for (const char* density : {"1", "2"})
        runs.push_back({"--headless", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + work.file(density),
                        std::string("--force-device-scale-factor=") + density, "--dump-dom",
                        "file://" + work.file("site/check.html")});
    const auto results = runChildren(kChromium, runs, {}, scratch.path().string(), 2);
    std::string expected[2];
    for (int copy = 0; copy < 2; ++copy)
        for (const ImgTag& tag : tags)
            expected[copy] += (expected[copy].empty() ? "" : ";") + std::to_string(tag.width) + "x" +
                              std::to_string(tag.height) + " " + std::to_string(copy + 1);
    for (int i = 0; i < 2; ++i) {
        const std::smatch found = [&] {
            std::smatch m;
            std::regex_search(results[i].out, m, std::regex("<pre id=\"sizes\">([^<]*)</pre>"));
            return m;
        }();
        if (results[i].status != 0 || found.empty())
            GTEST_SKIP() << "the headless browser did not start here: " << results[i].err.substr(0, 400);
        // At density 2 each image comes from its @2x file, yet keeps the 1x size on the page.
        EXPECT_EQ(found[1].str(), expected[i]) << "density " << i + 1;
    }
}

}  // namespace
}  // namespace nimbrel::test

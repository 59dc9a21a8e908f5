// nimbrel-batch --jobs: several threads draw and encode, and the run still
// writes, lists, warns and fails exactly as one thread does.
#include <filesystem>

#include "cli_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

std::string withoutFolder(std::string text, const std::string& folder)
{
    for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "OUT");
    return text;
}

class CliJobsTest : public CliTest {
protected:
    // Runs the same set into out<jobs>; the folder's name is taken out of what it says.
    ProcessResult runWith(int jobs, const std::vector<std::string>& args)
    {
        const std::string folder = work.file("out" + std::to_string(jobs));
        std::vector<std::string> all = {"--jobs", std::to_string(jobs), "--out", folder};
        all.insert(all.end(), args.begin(), args.end());
        ProcessResult r = program.run(all);
        r.out = withoutFolder(r.out, folder);
        r.err = withoutFolder(r.err, folder);
        return r;
    }
    std::vector<std::string> captions(int count) const
    {
        std::vector<std::string> list;
        for (int i = 0; i < count; ++i)
            list.push_back(i % 5 == 3 ? "A caption much too long " + std::to_string(i)
                                      : "E" + std::to_string(i));
        return list;
    }
};

TEST_F(CliJobsTest, ManyJobsWriteTheBytesListingAndWarningsOfOne)
{
    ButtonStyle style = firstStartStyle();
    style.fixedWidth = true;
    style.width = 60;
    style.antiAliasLevel = 2;
    const std::vector<std::string> names = {"e0", "e1", "e2", "e3", "e4", "e5",
                                            "e6", "e7", "e8", "e9", "e1", "e11"};
    const std::vector<std::string> args = {"--style",     writeStyle(style),
                                           "--captions",  writeCaptions(captions(12), names),
                                           "--format",    "both",
                                           "--reduction", "5",
                                           "--dither",    "1"};
    const ProcessResult one = runWith(1, args);
    const ProcessResult four = runWith(4, args);
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(four.status, 0);
    EXPECT_EQ(lines(one.out).size(), 24u);
    EXPECT_EQ(four.out, one.out);
    EXPECT_NE(one.err.find("clipped"), std::string::npos);
    EXPECT_NE(one.err.find("writes the same file"), std::string::npos);
    EXPECT_EQ(four.err, one.err);
    const std::vector<std::string> files = filesIn(work.file("out1"));
    ASSERT_EQ(filesIn(work.file("out4")), files);
    for (const std::string& name : files)
        EXPECT_EQ(readWholeFile(work.file("out4/" + name)), readWholeFile(work.file("out1/" + name))) << name;
}

TEST_F(CliJobsTest, FailureInTheMiddleStopsAsWithOneJobAndLeavesNoLaterFile)
{
    std::vector<std::string> names;
    for (int i = 0; i < 16; ++i) names.push_back("e" + std::to_string(i));
    const std::vector<std::string> args = {"--captions", writeCaptions(captions(16), names), "--format",
                                           "both"};
    for (int jobs : {1, 4}) {
        // A folder where entry 5's image should go: writing it fails.
        fs::create_directories(work.file("out" + std::to_string(jobs) + "/e5.bmp"));
    }
    const ProcessResult one = runWith(1, args);
    const ProcessResult four = runWith(4, args);
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(one.err.rfind("nimbrel-batch: Cannot create file \"OUT/e5.bmp\"", 0), 0u) << one.err;
    EXPECT_EQ(lines(one.out).size(), 10u);
    EXPECT_EQ(four.status, one.status);
    EXPECT_EQ(four.err, one.err);
    EXPECT_EQ(four.out, one.out);
    const std::vector<std::string> files = filesIn(work.file("out4"));
    EXPECT_EQ(files, filesIn(work.file("out1")));
    EXPECT_EQ(files.size(), 11u);  // e0 to e4, two each, and the folder in the way
    for (const std::string& name : files) EXPECT_EQ(name.find(".nimbrel-"), std::string::npos) << name;

    EXPECT_EQ(program.run({"--jobs", "0", "Home"}).status, 2);
}

}  // namespace
}  // namespace nimbrel::test

#include "batch/caption_list_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using Lists = std::vector<std::string>;

class CaptionListFile : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.file("captions.txt");
    Lists captions{"kept"}, fileNames{"kept"};

    // Reads `text` as a caption list file onto the lists; returns the error text, if any.
    std::string read(const std::string& text)
    {
        test::writeBytes(path, text);
        try {
            readCaptionList(path, captions, fileNames);
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }
};

TEST_F(CaptionListFile, ValuesComeBackExactlyAndAreAppended)
{
    Lists c, f;
    for (int i = 0; i < 12; ++i) {
        c.push_back("  caption " + std::to_string(i) + "=x ");
        f.push_back(i % 2 ? "" : "Caf\xC3\xA9=" + std::to_string(i));
    }
    writeCaptionList(path, c, f);
    EXPECT_THAT(test::readBytes(path), HasSubstr("\r\ncaption10=  caption 10=x \r\n"));
    readCaptionList(path, captions, fileNames);
    Lists expectedCaptions{"kept"}, expectedFileNames{"kept"};
    expectedCaptions.insert(expectedCaptions.end(), c.begin(), c.end());
    expectedFileNames.insert(expectedFileNames.end(), f.begin(), f.end());
    EXPECT_EQ(captions, expectedCaptions);
    EXPECT_EQ(fileNames, expectedFileNames);
}

TEST_F(CaptionListFile, CountDecidesHowManyEntriesWhateverLinesArePresent)
{
    ASSERT_EQ(read("COUNT=2\nCaption1=B\nFILENAME0=a\ncaption1=ignored\n"), "");
    EXPECT_THAT(captions, ElementsAre("kept", "", "B"));
    EXPECT_THAT(fileNames, ElementsAre("kept", "a", ""));

    captions = fileNames = {};
    ASSERT_EQ(read("count=3\rcaption0=first\rfilename2=third\rcaption7=beyond\r"), "");
    EXPECT_THAT(captions, ElementsAre("first", "", ""));
    EXPECT_THAT(fileNames, ElementsAre("", "", "third"));

    captions = fileNames = {};
    for (const char* nothing : {"count=0\r\ncaption0=a\r\n", "count=-5\r\ncaption0=a\r\n", "count=5\r\n", ""})
        ASSERT_EQ(read(nothing), "") << nothing;
    EXPECT_THAT(captions, IsEmpty());
    ASSERT_EQ(read("count=$2\r\ncaption1=hex\r\n"), "");
    EXPECT_THAT(captions, ElementsAre("", "hex"));
}

TEST_F(CaptionListFile, ABadOrMissingCountAddsNothing)
{
    EXPECT_EQ(read("count=abc\r\ncaption0=a\r\nfilename0=a\r\n"), "'abc' is not a valid integer value");
    EXPECT_EQ(read("caption0=a\r\nfilename0=a\r\n"), "'' is not a valid integer value");
    EXPECT_EQ(read("count= 1 \r\ncaption0=a\r\n"), "' 1 ' is not a valid integer value");
    EXPECT_THAT(captions, ElementsAre("kept"));
    EXPECT_THAT(fileNames, ElementsAre("kept"));
    // A count far beyond what the file holds would only fill memory with empty entries.
    EXPECT_THAT(read("count=2000000000\r\ncaption0=a\r\n"), HasSubstr("2000000000"));
    const std::string justTooMany =
        "count=" + std::to_string(2 + kMaxMissingCaptionPairs + 1) + "\r\ncaption0=a\r\n";
    EXPECT_THAT(read(justTooMany), HasSubstr("holds only 2 lines"));
    EXPECT_THAT(captions, ElementsAre("kept"));
    ASSERT_EQ(read("count=" + std::to_string(2 + kMaxMissingCaptionPairs) + "\r\ncaption0=a\r\n"), "");
    EXPECT_EQ(captions.size(), 1 + 2 + kMaxMissingCaptionPairs);
    EXPECT_EQ(captions[1], "a");
    std::filesystem::remove(path);
    EXPECT_THAT(test::errorOf([&] { readCaptionList(path, captions, fileNames); }),
                HasSubstr("Cannot open file"));
}

TEST_F(CaptionListFile, WindowsFilesLoad)
{
    ASSERT_EQ(read("count=1\r\ncaption0=Caf\xE9\r\nfilename0=caf\xE9\r\n"), "");
    EXPECT_THAT(captions, ElementsAre("kept", "Caf\xC3\xA9"));
    EXPECT_THAT(fileNames, ElementsAre("kept", "caf\xC3\xA9"));
}

TEST_F(CaptionListFile, ListsOfDifferentLengthsAreNotWritten)
{
    writeCaptionList(path, {"a"}, {"a"});
    writeCaptionList(path, {"a", "b"}, {"a"});
    EXPECT_EQ(test::readBytes(path), "count=1\r\ncaption0=a\r\nfilename0=a\r\n");
}

TEST_F(CaptionListFile, LineBreaksInValuesCannotShiftThePairs)
{
    writeCaptionList(path, {"a\r\nfilename0=forged", "b"}, {"x", "y\n"});
    readCaptionList(path, captions, fileNames);
    EXPECT_THAT(captions, ElementsAre("kept", "a  filename0=forged", "b"));
    EXPECT_THAT(fileNames, ElementsAre("kept", "x", "y "));
}

TEST_F(CaptionListFile, AFailedWriteReportsAndLeavesTheOldFileWhole)
{
    writeCaptionList(path, {"old"}, {"old"});
    setWriteFailureAfterBytesForTesting(12);
    EXPECT_THROW(writeCaptionList(path, {"new", "longer"}, {"new", "longer"}), Error);
    setWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(test::readBytes(path), "count=1\r\ncaption0=old\r\nfilename0=old\r\n");
    EXPECT_THROW(writeCaptionList(folder.file("no/such/list.txt"), {}, {}), Error);
}

}  // namespace
}  // namespace nimbrel

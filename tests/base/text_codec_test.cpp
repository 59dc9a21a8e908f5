#include "base/text_codec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/key_value_lines.h"

namespace nimbrel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::uint8_t> bytesOf(const std::string& s)
{
    return std::vector<std::uint8_t>(s.begin(), s.end());
}

TEST(TextDecoding, ValidUtf8IsTakenAsItIsWithoutItsByteOrderMark)
{
    EXPECT_EQ(decodeTextFile(bytesOf("caption0=Caf\xC3\xA9 \xE2\x82\xAC")),
              "caption0=Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(decodeTextFile(bytesOf("\xEF\xBB\xBF"
                                     "count=1")),
              "count=1");
    EXPECT_EQ(decodeTextFile({}), "");
}

TEST(TextDecoding, AnythingElseIsReadAsWindows1252)
{
    EXPECT_EQ(decodeTextFile(bytesOf("Caf\xE9")), "Caf\xC3\xA9");
    EXPECT_EQ(decodeTextFile(bytesOf("\x80 \x9F \xFF")), "\xE2\x82\xAC \xC5\xB8 \xC3\xBF");
    // Unassigned bytes become the C1 control of the same number.
    EXPECT_EQ(decodeTextFile(bytesOf("\x81")), "\xC2\x81");
    // One stray byte makes the whole file Windows-1252, valid-looking pairs included.
    EXPECT_EQ(decodeTextFile(bytesOf("\xC3\xA9\xE9")), "\xC3\x83\xC2\xA9\xC3\xA9");
}

TEST(TextDecoding, MalformedUtf8IsNotMistakenForUtf8)
{
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));          // overlong NUL
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // overlong slash
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));          // cut short
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80 \xEF\xBF\xBD"));
    for (const std::string bad : {"\xC0\x80", "\xED\xA0\x80", "\xE2\x82"})
        EXPECT_TRUE(isValidUtf8(decodeTextFile(bytesOf(bad)))) << "decoding must give valid UTF-8";
}

TEST(TextLines, EveryKindOfLineEndSplitsAndATrailingOneAddsNoLine)
{
    EXPECT_THAT(splitLines("a\r\nb\nc\rd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(splitLines("a\r\n"), ElementsAre("a"));
    EXPECT_THAT(splitLines("a\r\r\nb\n\n"), ElementsAre("a", "", "b", ""));
    EXPECT_THAT(splitLines(""), IsEmpty());
    EXPECT_THAT(splitLines("\n"), ElementsAre(""));
    EXPECT_EQ(joinLines({"a", "", "b"}, "\r\n"), "a\r\n\r\nb\r\n");
}

TEST(KeyValueLookup, FirstLineWinsKeysIgnoreCaseAndAreNotTrimmed)
{
    const KeyValueLines file(
        {"no equals sign", "Width=20", "WIDTH=30", " height=1", "caption0=a=b", "empty="});
    EXPECT_EQ(file.value("width"), "20");
    EXPECT_EQ(file.value("caption0"), "a=b");
    EXPECT_FALSE(file.contains("height"));
    EXPECT_EQ(file.value("height"), "");
    EXPECT_TRUE(file.contains("EMPTY"));
    EXPECT_FALSE(file.contains("no equals sign"));
}

}  // namespace
}  // namespace nimbrel

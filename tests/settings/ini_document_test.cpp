// The settings file's lookups go through an index; lines added mid-file must
// leave every later lookup where a fresh reading of the file would find it.
#include <gtest/gtest.h>

#include "settings/ini_document.h"

namespace nimbrel {
namespace {

TEST(IniDocument, LookupsAfterInsertionsMatchAFreshReading)
{
    IniDocument doc({"[A]", "x=1", "", "[b]", "y=2", "[A]", "z=shadowed", "[C]", "; w=comment", "w=4"});
    doc.write("a", "new1", "n1");   // into the first [A], before [b]
    doc.write("B", "new2", "n2");   // into [b], after the first insertion
    doc.write("c", "W", "40");      // replaced in place
    doc.write("D", "d", "5");       // a new section at the end
    doc.write("a", "new3", "n3");
    doc.write("d", "e", "6");
    const std::string text = doc.text();
    const IniDocument fresh = IniDocument::fromBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
    for (const auto& [section, name] : std::vector<std::pair<std::string, std::string>>{
             {"A", "x"}, {"A", "new1"}, {"A", "new3"}, {"A", "z"}, {"B", "y"}, {"b", "new2"},
             {"C", "w"}, {"D", "d"}, {"D", "e"}, {"C", "; w"}})
        EXPECT_EQ(doc.read(section, name), fresh.read(section, name)) << section << "/" << name;
    EXPECT_EQ(doc.read("A", "new3"), "n3");
    EXPECT_EQ(doc.read("A", "z"), std::nullopt);  // only the first [A] counts
    EXPECT_EQ(doc.lines()[3], "new3=n3");
}

}  // namespace
}  // namespace nimbrel

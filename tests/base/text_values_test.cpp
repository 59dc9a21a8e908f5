#include "base/text_values.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

TEST(IntegerText, AcceptsBlanksBeforeSignsAndBothHexadecimalForms)
{
    const std::pair<const char*, std::int32_t> good[] = {
        {"12", 12},
        {"  12", 12},
        {"\t-7", -7},
        {"+7", 7},
        {"0012", 12},
        {"$FF", 255},
        {"0x1f", 31},
        {"0XaB", 171},
        {"-$10", -16},
        {"$00C08000", 12615680},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& [text, value] : good) EXPECT_EQ(tryParseInt32(text), value) << text;
}

TEST(IntegerText, RefusesTrailingTextEmptyDigitsAndValuesOutOfRange)
{
    for (const char* bad : {"", " ", "12 ", "12abc", "1.5", "--1", "+-1", "- 1", "$", "0x", "$G", "x10",
                            "2147483648", "-2147483649", "$100000000", "99999999999999999999"})
        EXPECT_FALSE(tryParseInt32(bad).has_value()) << "'" << bad << "'";
}

TEST(IntegerText, SixtyFourBitValuesUseTheFullRange)
{
    EXPECT_EQ(tryParseInt64("4294967297"), 4294967297LL);
    EXPECT_EQ(tryParseInt64("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(tryParseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(tryParseInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_FALSE(tryParseInt64("9223372036854775808").has_value());
    EXPECT_FALSE(tryParseInt64("$10000000000000000").has_value());
}

TEST(BooleanText, TrueFalseInAnyCaseOrANumber)
{
    EXPECT_EQ(tryParseBoolean("True"), true);
    EXPECT_EQ(tryParseBoolean("fALSE"), false);
    EXPECT_EQ(tryParseBoolean("-1"), true);
    EXPECT_EQ(tryParseBoolean(" 0"), false);
    EXPECT_EQ(tryParseBoolean("$0"), false);
    EXPECT_EQ(tryParseBoolean("4294967296"), true);
    for (const char* bad : {"", "yes", "T", "True ", " True", "truee"})
        EXPECT_FALSE(tryParseBoolean(bad).has_value()) << "'" << bad << "'";
}

TEST(ValueMessages, NameTheTextThatFailed)
{
    EXPECT_EQ(test::errorOf([] { parseInt32("12 "); }), "'12 ' is not a valid integer value");
    EXPECT_EQ(test::errorOf([] { parseInt64(""); }), "'' is not a valid integer value");
    EXPECT_EQ(test::errorOf([] { parseBoolean("yes"); }), "'yes' is not a valid boolean value");
}

TEST(FloatText, ReadsAndWritesTheCLocaleForm)
{
    EXPECT_EQ(tryParseFloat("1.5"), 1.5);
    EXPECT_EQ(tryParseFloat("  -2e3"), -2000.0);
    EXPECT_EQ(tryParseFloat("+0.25"), 0.25);
    for (const char* bad : {"", "1,5", "1.5 ", "abc", "+-1", "inf", "nan", "1e999"})
        EXPECT_FALSE(tryParseFloat(bad).has_value()) << "'" << bad << "'";

    EXPECT_EQ(formatFloat(0.1), "0.1");
    EXPECT_EQ(formatFloat(100), "100");
    EXPECT_EQ(formatFloat(-2.5), "-2.5");
    EXPECT_EQ(formatFloat(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(formatFloat(1e20), "1e+20");
}

}  // namespace
}  // namespace nimbrel

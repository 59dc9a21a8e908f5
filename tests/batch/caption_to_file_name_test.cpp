// The window's caption tests cover the common captions and the two options;
// these are the byte-level cases.
#include "batch/caption_to_file_name.h"

#include <gtest/gtest.h>

namespace nimbrel {
namespace {

TEST(captionToFileName, EveryForbiddenCharacterGoesAndEveryOtherByteStays)
{
    EXPECT_EQ(captionToFileName("a\"b*c/d:e<f>g?h\\i|j", Spaces::Keep, LetterCase::Keep),
              "a_b_c_d_e_f_g_h_i_j");
    // Only ASCII letters are lowered; accented capitals and every byte from 0x80 stay.
    EXPECT_EQ(captionToFileName("\xC3\x9C"
                                "ber Stra\xC3\x9F"
                                "e",
                                Spaces::ToUnderscores, LetterCase::Lower),
              "\xC3\x9C"
              "ber_stra\xC3\x9F"
              "e");
    EXPECT_EQ(captionToFileName("\xE2\x82\xAC 5", Spaces::ToUnderscores, LetterCase::Lower),
              "\xE2\x82\xAC_5");
    const std::string control("a\tb\0c ", 6);
    EXPECT_EQ(captionToFileName(control, Spaces::Keep, LetterCase::Lower), control);
    EXPECT_EQ(captionToFileName("  x  ", Spaces::ToUnderscores, LetterCase::Keep), "__x__");
}

}  // namespace
}  // namespace nimbrel

// The native digits of each language, against the digits as the scripts'
// almanacs print them, and what is left alone.

#include "language/digits.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

struct DigitCase {
  Language language;
  std::string_view text;
  std::string expected;
};

TEST(DigitsTest, WritesEachLanguagesOwnDigits) {
  const DigitCase cases[] = {
      {Language::Hindi, "0123456789", "०१२३४५६७८९"},
      {Language::Marathi, "0123456789", "०१२३४५६७८९"},
      {Language::Bengali, "0123456789", "০১২৩৪৫৬৭৮৯"},
      {Language::Gujarati, "0123456789", "૦૧૨૩૪૫૬૭૮૯"},
      {Language::Tamil, "0123456789", "௦௧௨௩௪௫௬௭௮௯"},
      {Language::Telugu, "0123456789", "౦౧౨౩౪౫౬౭౮౯"},
      {Language::Kannada, "0123456789", "೦೧೨೩೪೫೬೭೮೯"},
      {Language::Malayalam, "0123456789", "൦൧൨൩൪൫൬൭൮൯"},
      {Language::English, "0123456789", "0123456789"},
      {Language::Bengali, "12:05", "১২:০৫"},
      {Language::Hindi, "कुल 36 में से 21", "कुल ३६ में से २१"},
      // An offset is read as digits; the Latin letters around it stay.
      {Language::Tamil, "(18°58' N, UTC+05:30)", "(௧௮°௫௮' N, UTC+௦௫:௩௦)"},
      // A path or an address must stay usable as typed.
      {Language::Hindi, "saved to /tmp/r2011.rtf on 5", "saved to /tmp/r2011.rtf on ५"},
      {Language::Hindi, "see https://example.org/2011 or a1@b2.in",
       "see https://example.org/2011 or a1@b2.in"},
      {Language::Kannada, "no digits here", "no digits here"},
      {Language::Malayalam, "", ""},
  };
  for (const DigitCase& c : cases)
    EXPECT_EQ(WithNativeDigits(c.text, c.language), c.expected) << c.text;
}

TEST(DigitsTest, WesternDigitsLeaveTheTextAsItIs) {
  EXPECT_EQ(InDigits("12:05", Language::Bengali, Digits::Western), "12:05");
  EXPECT_EQ(InDigits("12:05", Language::Bengali, Digits::Native), "১২:০৫");
  EXPECT_EQ(DigitOf(7, Language::Gujarati), "૭");
  EXPECT_EQ(DigitOf(7, Language::English), "7");
  EXPECT_EQ(DigitOf(10, Language::Hindi), "");
}

}  // namespace
}  // namespace horavela

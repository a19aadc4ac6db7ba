#include "language/wording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace horavela {
namespace {

// "Friday with the Moon in Rohini" and its like, from one wording each.
Wording FridayInRohini() {
  return Worded("%1 with the Moon in %2",
                {NameWord(Weekday::Friday, "Friday"), NameWord(Nakshatra::Rohini, "Rohini")});
}

// A pattern whose Hindi puts its parts in another order, with a part that
// is a wording of its own and a part said as it is.
Wording VerdictChange() {
  return Worded("The verdict changes to %1 at %2, %3.",
                {Worded("Good"), AsIs("10:15"),
                 Worded("%1 after this moment", {Worded("%1 minutes", {AsIs("2")})})});
}

TEST(Wording, SaysItsSentenceInEachLanguage) {
  struct Row {
    const char* what;
    Wording wording;
    Language language;
    std::string expected;
  };
  const Row rows[] = {
      {"english names", FridayInRohini(), Language::English, "Friday with the Moon in Rohini"},
      {"hindi names and pattern", FridayInRohini(), Language::Hindi, "शुक्रवार, चन्द्रमा रोहिणी में"},
      {"tamil names and pattern", FridayInRohini(), Language::Tamil,
       "வெள்ளி, சந்திரன் ரோகிணி நட்சத்திரத்தில்"},
      {"parts reordered", VerdictChange(), Language::Hindi,
       "निर्णय 10:15 पर बदलकर शुभ हो जाता है, इस क्षण के 2 मिनट बाद।"},
      {"parts in english", VerdictChange(), Language::English,
       "The verdict changes to Good at 10:15, 2 minutes after this moment."},
      // The lagna's own English spelling stays in English only.
      {"lagna spelling", NameWord(Rashi::Vrischika, "Vrischika"), Language::English, "Vrischika"},
      {"lagna in hindi", NameWord(Rashi::Vrischika, "Vrischika"), Language::Hindi, "वृश्चिक"},
      {"as is", AsIs("2025-03-04"), Language::Hindi, "2025-03-04"},
      {"unknown element keeps english", NameWord(Nakshatra::None, "?"), Language::Hindi, "?"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(TextOf(row.wording, row.language), row.expected) << row.what;
}

TEST(Wording, ChartNameIsTheChartsRowInEachLanguage) {
  Chart chart;
  chart.nakshatra = Nakshatra::Rohini;
  chart.moonSign = Rashi::Mesha;
  for (Language language : {Language::English, Language::Hindi, Language::Tamil}) {
    for (int slot : {kNakshatraSlot, kMoonSignSlot, kMoonSignLordSlot}) {
      EXPECT_EQ(TextOf(ChartName(chart, slot), language), ChartText(chart, slot, language))
          << CodeOf(language) << " slot " << slot;
    }
  }
}

TEST(Wording, PatternsAreListedOnceInTheOrderMet) {
  const Wording twice = Worded("%1 and %2", {VerdictChange(), VerdictChange()});
  EXPECT_EQ(PatternsOf(twice),
            (std::vector<std::string>{"%1 and %2", "The verdict changes to %1 at %2, %3.", "Good",
                                      "%1 after this moment", "%1 minutes"}));
}

}  // namespace
}  // namespace horavela

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

// The parts the vetoes and matching put in their reasons: terms, dates,
// ordinals and joins.
Wording NadiKoota() {
  return Worded("%1: %2, %3 of %4",
                {TermNamed(TermSet::Koota, 7), Worded("both %1", {TermNamed(TermSet::Nadi, 1)}),
                 AsIs("0"), AsIs("8")});
}
Wording SolarMonth() {
  return Worded("The Sun is in %1 from its sankranti on %2 to %3 Sankranti on %4.",
                {SankrantiNamed(Rashi::Dhanus), CivilDateOf(2025, 12, 16),
                 SankrantiNamed(Rashi::Makara), CivilDateOf(2026, 1, 14)});
}
Wording StarCounted() {
  return Worded("the groom's star the %1 from the bride's", {Ordinal(22)});
}
Wording NadiLifted() {
  return Worded("%1: %2; cancelled: %3",
                {TermNamed(TermSet::Dosha, 0), AsIs("x"),
                 Joined({Worded("the same rashi lord"), Worded("friendly rashi lords")}, ", ")});
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
       "10:15 पर (इस क्षण के 2 मिनट बाद) फल बदलकर शुभ हो जाता है।"},
      {"parts in english", VerdictChange(), Language::English,
       "The verdict changes to Good at 10:15, 2 minutes after this moment."},
      // The lagna's own English spelling stays in English only.
      {"lagna spelling", NameWord(Rashi::Vrischika, "Vrischika"), Language::English, "Vrischika"},
      {"lagna in hindi", NameWord(Rashi::Vrischika, "Vrischika"), Language::Hindi, "वृश्चिक"},
      {"as is", AsIs("2025-03-04"), Language::Hindi, "2025-03-04"},
      {"unknown element keeps english", NameWord(Nakshatra::None, "?"), Language::Hindi, "?"},
      {"term english", NadiKoota(), Language::English, "Nadi: both Madhya, 0 of 8"},
      {"term hindi", NadiKoota(), Language::Hindi, "नाड़ी: दोनों मध्य, 8 में से 0"},
      {"term tamil", NadiKoota(), Language::Tamil, "நாடி: இருவரும் மத்திய நாடி, 8-க்கு 0"},
      {"sankranti and dates english", SolarMonth(), Language::English,
       "The Sun is in Dhanu from its sankranti on 16 December 2025 to Makara Sankranti on 14 "
       "January 2026."},
      {"sankranti and dates hindi", SolarMonth(), Language::Hindi,
       "सूर्य धनु में है: 16 दिसंबर 2025 की संक्रान्ति से 14 जनवरी 2026 की मकर संक्रान्ति तक।"},
      {"ordinal english", StarCounted(), Language::English,
       "the groom's star the 22nd from the bride's"},
      {"ordinal hindi, counted in pattern", StarCounted(), Language::Hindi,
       "वधू के नक्षत्र से वर का नक्षत्र क्रमांक 22"},
      {"join english", NadiLifted(), Language::English,
       "Nadi dosha: x; cancelled: the same rashi lord, friendly rashi lords"},
      {"join hindi", NadiLifted(), Language::Hindi,
       "नाड़ी दोष: x; परिहार: एक ही राशि स्वामी, राशि स्वामी परस्पर मित्र"},
      {"join of none", Joined({}, "; "), Language::English, ""},
      {"date outside the months", CivilDateOf(2026, 13, 1), Language::Hindi, "1 13 2026"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(TextOf(row.wording, row.language), row.expected) << row.what;
}

TEST(Wording, EnglishOrdinalsTakeTheirSuffixes) {
  const struct {
    int n;
    const char* said;
  } rows[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {11, "11th"},
              {12, "12th"}, {13, "13th"}, {21, "21st"}, {22, "22nd"}, {113, "113th"}};
  for (const auto& row : rows) EXPECT_EQ(EnglishOrdinal(row.n), row.said);
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

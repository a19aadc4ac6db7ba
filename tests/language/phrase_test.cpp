// Phrases said in English keep the program's sentences; in another language
// the catalog's pattern places the parts and the tables name them.
#include "language/phrase.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

TEST(Phrase, SaysItsPartsInTheLanguage) {
  const Phrase koota =
      Sentence("%1: %2, %3 of %4",
               {TermNamed(TermSet::Koota, 7), Sentence("both %1", {TermNamed(TermSet::Nadi, 1)}),
                Literal("0"), Literal("8")});
  const Phrase solar = Sentence("The Sun is in %1 from its sankranti on %2 to %3 Sankranti on %4.",
                                {NameOfKind(NameKind::Sankranti, 8), CivilDateOf(2025, 12, 16),
                                 NameOfKind(NameKind::Sankranti, 9), CivilDateOf(2026, 1, 14)});
  const Phrase counted = Sentence("the groom's star the %1 from the bride's", {Ordinal(22)});
  const Phrase lifted =
      Sentence("%1: %2; cancelled: %3",
               {TermNamed(TermSet::Dosha, 0), Literal("x"),
                Joined({Sentence("the same rashi lord"), Sentence("friendly rashi lords")}, ", ")});
  const struct {
    Phrase phrase;
    Language language;
    std::string said;
  } rows[] = {
      {koota, Language::English, "Nadi: both Madhya, 0 of 8"},
      {koota, Language::Hindi, "नाड़ी: दोनों मध्य, 8 में से 0"},
      {koota, Language::Tamil, "நாடி: இருவரும் மத்திய நாடி, 8-க்கு 0"},
      {solar, Language::English,
       "The Sun is in Dhanu from its sankranti on 16 December 2025 to Makara Sankranti on 14 "
       "January 2026."},
      {solar, Language::Hindi,
       "सूर्य धनु में है: 16 दिसंबर 2025 की संक्रान्ति से 14 जनवरी 2026 की मकर संक्रान्ति तक।"},
      {counted, Language::English, "the groom's star the 22nd from the bride's"},
      {counted, Language::Hindi, "वधू के नक्षत्र से वर का नक्षत्र 22वाँ"},
      {lifted, Language::English,
       "Nadi dosha: x; cancelled: the same rashi lord, friendly rashi lords"},
      {lifted, Language::Hindi, "नाड़ी दोष: x; परिहार: एक ही राशि स्वामी, राशि स्वामी परस्पर मित्र"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Said(row.phrase, row.language), row.said) << CodeOf(row.language);
}

TEST(Phrase, EnglishOrdinalsTakeTheirSuffixes) {
  const struct {
    int n;
    const char* said;
  } rows[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {11, "11th"},
              {12, "12th"}, {13, "13th"}, {21, "21st"}, {22, "22nd"}, {113, "113th"}};
  for (const auto& row : rows) EXPECT_EQ(EnglishOrdinal(row.n), row.said);
}

}  // namespace
}  // namespace horavela

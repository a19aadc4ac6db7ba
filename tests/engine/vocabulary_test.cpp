#include "engine/vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace horavela {
namespace {

// A few spellings of each text table, the first and last entries and the odd
// ones, as the program printed them before its vocabulary was typed: the
// election chart, planet signs, factor_verdicts and explanation lines of
// horavela-cli evaluate for docs/example-request.json moved day by day
// through January to March 2025, and the README's examples.
struct Spelling {
  std::string_view table;
  std::string_view printed;
  std::string_view golden;
};

TEST(Vocabulary, TextTablesPrintTheRecordedSpellings) {
  const Spelling rows[] = {
      {"nakshatra", NameOf(Nakshatra::Ashwini), "Ashwini"},
      {"nakshatra", NameOf(Nakshatra::Mrigasira), "Mrigasira"},
      {"nakshatra", NameOf(Nakshatra::PoorvaPhalguni), "Poorva Phalguni"},
      {"nakshatra", NameOf(Nakshatra::Dhanistha), "Dhanistha"},
      {"nakshatra", NameOf(Nakshatra::Revati), "Revati"},
      {"Moon sign", NameOf(Rashi::Mesha), "Mesha"},
      {"Moon sign", NameOf(Rashi::Vrischika), "Vrishcika"},
      {"Moon sign", NameOf(Rashi::Dhanus), "Dhanush"},
      {"Moon sign", NameOf(Rashi::Meena), "Meena"},
      {"lagna", LagnaNameOf(Rashi::Vrischika), "Vrischika"},
      {"lagna", LagnaNameOf(Rashi::Dhanus), "Dhanus"},
      {"sign abbreviation", AbbreviationOf(Rashi::Mesha), "Ari"},
      {"sign abbreviation", AbbreviationOf(Rashi::Makara), "Cpr"},
      {"sign abbreviation", AbbreviationOf(Rashi::Meena), "Pis"},
      {"tithi printed", NameOf(Tithi::Pratipada), "Pratipad"},
      {"tithi printed", NameOf(Tithi::Dwitiya), "Dwithiai"},
      {"tithi printed", NameOf(Tithi::Tritiya), "Trithiai"},
      {"tithi printed", NameOf(Tithi::Triyodashi), "Triodasi"},
      {"tithi printed", NameOf(Tithi::Purnima), "Poornami"},
      {"tithi printed", NameOf(Tithi::Amavasya), "Ammavasai"},
      {"tithi in rules", RuleNameOf(Tithi::Pratipada), "Pratipada"},
      {"tithi in rules", RuleNameOf(Tithi::Shasthi), "Shasthi"},
      {"tithi in rules", RuleNameOf(Tithi::Triyodashi), "Triyodashi"},
      {"tithi in rules", RuleNameOf(Tithi::Amavasya), "Amavashya"},
      {"paksha", NameOf(Paksha::Shukla), "Shukla Paksha"},
      {"paksha", NameOf(Paksha::Krishna), "Krishna Paksha"},
      {"yoga", NameOf(Yoga::Vishkambha), "Vishkambha"},
      {"yoga", NameOf(Yoga::Bramha), "Bramha"},
      {"yoga", NameOf(Yoga::Vaidhriti), "Vaidhruthi"},
      {"karana", NameOf(Karana::Bava), "Bava"},
      {"karana", NameOf(Karana::Garija), "Garija"},
      {"karana", NameOf(Karana::Kimstughna), "Kimstughna"},
      {"weekday", NameOf(Weekday::Sunday), "Sunday"},
      {"weekday", NameOf(Weekday::Saturday), "Saturday"},
      {"planet", NameOf(Planet::Sun), "Sun"},
      {"planet", NameOf(Planet::Ketu), "Ketu"},
      {"factor", NameOf(Factor::Tara), "Tara Stength"},
      {"factor", NameOf(Factor::Chandra), "Moon Stength"},
      {"verdict word", NameOf(Word::Unavourable), "Unavourable"},
      {"verdict word", NameOf(Word::LeastFavourable), "Least Favourable"},
  };
  for (const Spelling& row : rows) EXPECT_EQ(row.printed, row.golden) << row.table;
}

// The factor lines as the result label and the JSON print them.
TEST(Vocabulary, AFactorVerdictPrintsAsTheRuleSetsAlwaysWroteIt) {
  struct Row {
    FactorVerdict verdict;
    std::string_view text;
    Leaning leaning;
  };
  const Row rows[] = {
      {{Factor::Tara, Word::VeryFavourable}, "Tara Stength - Very Favourable", Leaning::Favours},
      {{Factor::Chandra, Word::Unfavourable}, "Moon Stength - Unfavourable", Leaning::Against},
      {{Factor::Tithi, Word::Uafvourable}, "Tithi - Uafvourable", Leaning::Against},
      {{Factor::Yoga, Word::Unavourable}, "Yoga - Unavourable", Leaning::Against},
      {{Factor::Weekday, Word::LeastFavourable}, "Weekday - Least Favourable", Leaning::Against},
      {{Factor::GrammarNakshatraUnspaced, Word::Neutral},
       "Nakshatra of Grammar- Neutral",
       Leaning::Neutral},
      {{Factor::JupiterNinth, Word::Neutral}, "Jupiter in 9th House - Neutral", Leaning::Neutral},
      {{Factor::Whole, Word::Favourable}, "Favourable", Leaning::Favours},
      {{}, "", Leaning::Neutral},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextOf(row.verdict), row.text);
    EXPECT_EQ(LeaningOf(row.verdict.word), row.leaning) << row.text;
  }
  // Every factor but the short path's has a name of its own wording.
  for (int f = 1; f < static_cast<int>(Factor::None); ++f)
    EXPECT_FALSE(NameOf(static_cast<Factor>(f)).empty()) << f;
}

TEST(Vocabulary, LordsVerdictsAndWhatUsersWrite) {
  EXPECT_EQ(LordOf(Nakshatra::Ashwini), Planet::Ketu);
  EXPECT_EQ(LordOf(Nakshatra::Magha), Planet::Ketu);
  EXPECT_EQ(LordOf(Nakshatra::Revati), Planet::Mercury);
  EXPECT_EQ(LordOf(Rashi::Vrischika), Planet::Mars);
  EXPECT_EQ(LordOf(Rashi::Meena), Planet::Jupiter);
  EXPECT_EQ(LordOf(Nakshatra::None), Planet::None);
  EXPECT_LT(Verdict::Bad, Verdict::Average);
  EXPECT_LT(Verdict::Average, Verdict::Good);
  EXPECT_EQ(VerdictNamed("Average"), Verdict::Average);
  EXPECT_EQ(VerdictNamed("good"), std::nullopt);
  EXPECT_EQ(VerdictNamed(""), std::nullopt);
  EXPECT_EQ(WeekdayNamed("Tuesday"), Weekday::Tuesday);
  EXPECT_EQ(WeekdayNamed("Tue"), std::nullopt);
  EXPECT_EQ(FromIndex<Yoga>(27), Yoga::None);
  EXPECT_EQ(FromIndex<Yoga>(-1), Yoga::None);
  EXPECT_EQ(NameOf(Karana::None), "");
}

}  // namespace
}  // namespace horavela

// The explanation said in the reader's language: computed once, its
// sentences rendered for English exactly as the explanation wrote them and
// for Hindi from the catalog, with the elements named in Hindi.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "explain/explanation.h"
#include "explain/factor_words.h"
#include "explain/full_report.h"
#include "language/catalog.h"
#include "rules/charts.h"
#include "rules/subjects.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::AshaAtNewDelhi;
using testing::InputAtMinute;

Explanation Explain(const std::string& subject, const LocalMinute& minute,
                    EphemerisSource ephemeris = EphemerisSource::Program) {
  EvaluationInput input = InputAtMinute(AshaAtNewDelhi({subject}), minute);
  input.settings.ephemeris = ephemeris;
  return ExplainMoment(input, {}, SwissEphemeris());
}

// One minute before the Moon leaves its nakshatra on 4 March 2025 at New
// Delhi: the margin warning names both nakshatras.
Explanation BeforeANakshatraChange(Nakshatra& left, Nakshatra& entered) {
  const std::string subject = "Domestic Journey";
  const Explanation noon = Explain(subject, {2025, 3, 4, 12, 0});
  const LocalMinute change = *noon.elements.front().ends;
  const LocalMinute before = FromMinuteIndex(MinuteIndex(change) - 1);
  left = EvaluatedState(InputAtMinute(AshaAtNewDelhi({subject}), before), SwissEphemeris())
             .ElectionChart.nakshatra;
  entered = EvaluatedState(InputAtMinute(AshaAtNewDelhi({subject}), change), SwissEphemeris())
                .ElectionChart.nakshatra;
  return Explain(subject, before);
}

bool Contains(const std::vector<std::string>& texts, std::string_view part) {
  return std::any_of(texts.begin(), texts.end(), [part](const std::string& text) {
    return text.find(part) != std::string::npos;
  });
}

TEST(ExplanationLanguage, EnglishIsWhatTheExplanationWrote) {
  Nakshatra left, entered;
  const Explanation explanation = BeforeANakshatraChange(left, entered);
  ASSERT_FALSE(explanation.warnings.empty());
  EXPECT_EQ(WarningsIn(explanation, Language::English), explanation.warnings);
  EXPECT_EQ(TextsOf(explanation.warningsSaid), explanation.warnings);
  for (const FactorInWords& factor : explanation.factors)
    EXPECT_EQ(TextOf(factor.said), factor.line);
}

TEST(ExplanationLanguage, HindiSaysTheWarningsAndFactorsInHindi) {
  Nakshatra left, entered;
  const Explanation explanation = BeforeANakshatraChange(left, entered);
  const std::vector<std::string> hindi = WarningsIn(explanation, Language::Hindi);
  ASSERT_EQ(hindi.size(), explanation.warnings.size());
  const std::string margin = "चन्द्रमा";
  EXPECT_TRUE(Contains(hindi, margin + " ")) << hindi.front();
  EXPECT_TRUE(Contains(hindi, std::string(NameOf(left, Language::Hindi)) + " छोड़ता है"));
  EXPECT_TRUE(Contains(hindi, std::string(NameOf(entered, Language::Hindi)) + " पहले से"));
  EXPECT_TRUE(Contains(hindi, "इस क्षण के 1 मिनट बाद"));
  EXPECT_FALSE(Contains(hindi, "The Moon leaves"));
  for (const std::string& warning : hindi) {
    EXPECT_EQ(warning.find(NameOf(left)), std::string::npos) << warning;
    EXPECT_EQ(warning.find(NameOf(entered)), std::string::npos) << warning;
  }

  const TimingNotes notes = TimingNotesOf(explanation, {2025, 3, 4, 12, 0}, Language::Hindi);
  EXPECT_EQ(notes.warnings, hindi);
  ASSERT_FALSE(notes.factors.empty());
  for (const std::string& line : notes.factors) {
    EXPECT_EQ(line.find(", which this undertaking"), std::string::npos) << line;
    EXPECT_EQ(line.find("the Moon"), std::string::npos) << line;
  }
}

// In Kharmas the veto's warning gives its reason in the reader's language,
// and in English as the tradition has always worded it.
TEST(ExplanationLanguage, HindiSaysTheVetoReason) {
  const Explanation kharmas = Explain("Marriage", {2025, 12, 20, 9, 0});
  const std::vector<std::string> hindi = WarningsIn(kharmas, Language::Hindi);
  EXPECT_TRUE(Contains(kharmas.warnings,
                       ". The Sun is in Dhanu from its sankranti on 16 "
                       "December 2025 to Makara Sankranti on 14 January 2026."));
  EXPECT_TRUE(Contains(hindi,
                       "सूर्य धनु में है: 16 दिसंबर 2025 की संक्रान्ति से 14 जनवरी 2026 की "
                       "मकर संक्रान्ति तक।"))
      << hindi.front();
  EXPECT_TRUE(Contains(hindi, "जो 16 दिसंबर 2025 को "));  // the span's dates too
  EXPECT_FALSE(Contains(hindi, "The Sun is in"));
}

// The factor lines in Hindi carry no Latin word: the tara's name, the kind of
// tithi (Nanda..Poorna) and the ordinals are said in Hindi too. The moments
// step through the day so that every tara and tithi kind comes up.
TEST(ExplanationLanguage, HindiFactorLinesHoldNoEnglishWord) {
  for (const char* subject : {"Marriage", "Domestic Journey", "Start A New Business",
                              "Starting the Construction of a House"}) {
    const SearchRequest request = AshaAtNewDelhi({subject});
    for (int step = 0; step < 30; ++step) {
      const LocalMinute minute = FromMinuteIndex(MinuteIndex({2025, 1, 20, 6, 0}) + step * 1427);
      for (const FactorInWords& factor :
           FactorsInWords(EvaluatedState(InputAtMinute(request, minute), SwissEphemeris()))) {
        const std::string line = TextOf(factor.said, Language::Hindi);
        const bool latin = std::any_of(line.begin(), line.end(), [](char c) {
          return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
        EXPECT_FALSE(latin) << subject << ": " << line;
      }
    }
  }
}

// Every pattern the explanation says, over the rule sets, both ephemerides
// (the precise check) and moments spread over days and hours, has its Hindi.
TEST(ExplanationLanguage, HindiCatalogHoldsEveryPatternSaid) {
  std::set<std::string> hindi;
  for (const CatalogEntry& entry : CatalogOf(Language::Hindi)) hindi.insert(entry.english);
  std::set<std::string> patterns;
  auto collect = [&patterns](const Wording& wording) {
    for (const std::string& pattern : PatternsOf(wording)) patterns.insert(pattern);
  };
  for (const std::string& subject : AllSubjectTexts()) {
    const SearchRequest request = AshaAtNewDelhi({subject});
    for (int step = 0; step < 24; ++step) {
      const LocalMinute minute = FromMinuteIndex(MinuteIndex({2025, 1, 20, 0, 0}) + step * 997);
      for (const FactorInWords& factor :
           FactorsInWords(EvaluatedState(InputAtMinute(request, minute), SwissEphemeris())))
        collect(factor.said);
    }
  }
  for (const char* subject : {"Domestic Journey", "Marriage", "Buying Land"}) {
    for (EphemerisSource source : {EphemerisSource::Program, EphemerisSource::Swiss}) {
      for (const LocalMinute minute :
           {LocalMinute{2025, 3, 4, 12, 0}, LocalMinute{2025, 3, 4, 16, 40},
            LocalMinute{2025, 12, 20, 9, 0}}) {
        for (const Wording& warning : Explain(subject, minute, source).warningsSaid)
          collect(warning);
      }
    }
  }
  EXPECT_GT(patterns.size(), 40u);
  for (const std::string& pattern : patterns) EXPECT_EQ(hindi.count(pattern), 1u) << pattern;
}

}  // namespace
}  // namespace horavela

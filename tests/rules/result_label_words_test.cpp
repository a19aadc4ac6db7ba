#include <gtest/gtest.h>

#include <string>

#include "language/catalog.h"
#include "language/element_names.h"
#include "rules/evaluation.h"

// The result listing said in the reader's language: every fixed word of it
// goes through the sayer, the planets through the planet names, and with
// English or without a sayer it is the listing as the rule sets print it.
namespace horavela {
namespace {

Evaluation Listing(LabelStyle style) {
  Evaluation result;
  result.FactorVerdicts = {
      {Factor::Tara, Word::Unfavourable}, {Factor::Tithi, Word::Favourable}, {}};
  result.FactorPoints = {-1, 2, 0};
  result.TotalScore = 1;
  result.ResultWord = Verdict::Average;
  result.Label = style;
  result.YogaWarning = "Not Favourable for Marriage";
  result.PlanetsInTenth = {Planet::Jupiter};
  return result;
}

std::string Said(const Evaluation& result, Language language) {
  return ResultLabelOf(result, Words{language},
                       [language](Planet planet) { return NameOf(planet, language); });
}

TEST(ResultLabelWords, EnglishIsTheListingAsPrinted) {
  for (const LabelStyle style : {LabelStyle::Election, LabelStyle::Electional,
                                 LabelStyle::YogaWarning, LabelStyle::TradePlanets})
    EXPECT_EQ(Said(Listing(style), Language::English), ResultLabelOf(Listing(style)));
  EXPECT_EQ(ResultLabelOf(Listing(LabelStyle::TradePlanets)),
            "Tara Stength - Unfavourable - -1 Point\r\n\r\n"
            "Tithi - Favourable - 2 Point\r\n\r\n"
            "Total Score - 1 Points\r\n\r\n"
            "Election: Average\r\n\r\n"
            "Planet in the 10th House from the position of Asc \r\n"
            "Jupiter\r\n\r\n");
}

TEST(ResultLabelWords, EveryFixedWordIsSaidInTheLanguage) {
  struct Row {
    LabelStyle style;
    Language language;
    std::string want;
  };
  const Row rows[] = {
      {LabelStyle::YogaWarning, Language::Hindi,
       "तारा बल - प्रतिकूल - -1 अंक\r\n\r\n"
       "तिथि - अनुकूल - 2 अंक\r\n\r\n"
       "विवाह के लिए शुभ नहीं\r\n\r\n"
       "कुल अंक - 1 अंक\r\n\r\n"
       "मुहूर्त: मध्यम"},
      {LabelStyle::TradePlanets, Language::Tamil, ""},
  };
  for (const Row& row : rows) {
    const std::string said = Said(Listing(row.style), row.language);
    if (!row.want.empty()) {
      EXPECT_EQ(said, row.want);
    }
    // No English word of the listing is left over.
    for (const char* english : {"Point", "Total", "Election", "Tara", "Tithi", "Favourable",
                                "Planet", "Jupiter", "Average", "Not Favourable"})
      EXPECT_EQ(said.find(english), std::string::npos) << english << " in\n" << said;
  }
}

}  // namespace
}  // namespace horavela

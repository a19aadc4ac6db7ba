// A day's periods, named in English as the almanac reads them back, renamed
// in the reader's language: the tithi keeps its fortnight, the nakshatra its
// pada; a name the almanac does not know stays as it is.

#include "almanac/period_names.h"

#include <gtest/gtest.h>

namespace horavela {
namespace {

TEST(PeriodNamesTest, RenamesEachElementsPeriods) {
  struct Row {
    ChartElement element;
    const char* english;
    Language language;
    const char* renamed;
  };
  const Row rows[] = {
      {ChartElement::kTithi, "Dwithiai (Krishna)", Language::Hindi, "द्वितीया (कृष्ण पक्ष)"},
      {ChartElement::kTithi, "Poornami", Language::Hindi, "पूर्णिमा"},
      {ChartElement::kNakshatraPada, "Anuradha pada 2", Language::Tamil, "அனுஷம் பாதம் 2"},
      {ChartElement::kNakshatra, "Anuradha", Language::Tamil, "அனுஷம்"},
      {ChartElement::kLagna, "Vrischika", Language::Tamil, "விருச்சிகம்"},
      {ChartElement::kKarana, "Bava", Language::Hindi, "बव"},
      {ChartElement::kTithi, "Dwithiai (Krishna)", Language::English, "Dwithiai (Krishna)"},
      {ChartElement::kTithi, "Dwithiai (Someday)", Language::Hindi, "द्वितीया (Someday)"},
      {ChartElement::kYoga, "not a yoga", Language::Tamil, "not a yoga"},
  };
  for (const Row& row : rows)
    EXPECT_EQ(PeriodNameIn(row.element, row.english, row.language), row.renamed) << row.english;
}

}  // namespace
}  // namespace horavela

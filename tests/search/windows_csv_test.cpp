#include "search/windows_csv.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace horavela {
namespace {

TEST(WindowsCsv, QuotesFieldsWithCommasQuotesAndLineBreaks) {
  const struct {
    const char* text;
    const char* field;
  } rows[] = {
      {"plain", "plain"},
      {"", ""},
      {"Tithi, Nakshatra", "\"Tithi, Nakshatra\""},
      {"the \"best\" day", "\"the \"\"best\"\" day\""},
      {"two\nlines", "\"two\nlines\""},
      {"Ammavasai (Krishna) — नक्षत्र", "Ammavasai (Krishna) — नक्षत्र"},
  };
  for (const auto& row : rows) EXPECT_EQ(CsvField(row.text), row.field) << row.text;
}

TEST(WindowsCsv, OneLinePerWindowWithItsVerdicts) {
  Judgement judgement;
  judgement.evaluation.ResultWord = "Good";
  judgement.evaluation.TotalScore = -4;
  judgement.evaluation.FactorCount = 2;
  judgement.evaluation.FactorVerdicts = {"Tithi: good, \"Shukla\"", "Lagna: bad", ""};
  judgement.evaluation.FactorPoints = {3, -7, 0};
  const SearchWindow window{"Marriage",
                            {2025, 3, 4, 10, 12},
                            {2025, 3, 4, 11, 47},
                            96,
                            std::make_shared<const Judgement>(judgement)};
  EXPECT_EQ(WindowsCsv({window}),
            "subject,from,to,minutes,result_word,total_score,factor_count,factor_verdicts,"
            "factor_points\r\n"
            "Marriage,2025-03-04T10:12,2025-03-04T11:47,96,Good,-4,2,"
            "\"Tithi: good, \"\"Shukla\"\"; Lagna: bad\",3 -7\r\n");
  EXPECT_EQ(WindowsCsv({}), WindowsCsvHeader());
}

}  // namespace
}  // namespace horavela

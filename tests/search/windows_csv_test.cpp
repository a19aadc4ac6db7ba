#include "search/windows_csv.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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
  judgement.evaluation.ResultWord = Verdict::Good;
  judgement.evaluation.TotalScore = -4;
  judgement.evaluation.FactorCount = 2;
  judgement.evaluation.FactorVerdicts = {
      {Factor::Tithi, Word::Favourable}, {Factor::Lagna, Word::Unavourable}, {}};
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
            "Tithi - Favourable; Lagna - Unavourable,3 -7\r\n");
  EXPECT_EQ(WindowsCsv({}), WindowsCsvHeader());

  // For two, the partner's word and total close the header and each line.
  Judgement partners = judgement;
  partners.evaluation.ResultWord = Verdict::Average;
  partners.evaluation.TotalScore = 1;
  SearchWindow forTwo = window;
  forTwo.partnerJudgement = std::make_shared<const Judgement>(partners);
  EXPECT_EQ(WindowsCsv({forTwo}),
            "subject,from,to,minutes,result_word,total_score,factor_count,factor_verdicts,"
            "factor_points,partner_result_word,partner_total_score\r\n"
            "Marriage,2025-03-04T10:12,2025-03-04T11:47,96,Good,-4,2,"
            "Tithi - Favourable; Lagna - Unavourable,3 -7,Average,1\r\n");
}

// The records of an RFC 4180 text, as a spreadsheet reads them: fields
// between commas, quoted ones with their doubled quotes undone, records ended
// by CRLF outside quotes. Nothing at all for a text that breaks the rules.
std::vector<std::vector<std::string>> ReadRfc4180(const std::string& text) {
  std::vector<std::vector<std::string>> records(1);
  std::string field;
  bool quoted = false;
  bool wasQuoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      if (!field.empty() || wasQuoted) return {};
      quoted = wasQuoted = true;
    } else if (c == ',' || c == '\r') {
      if (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) return {};
      records.back().push_back(field);
      field.clear();
      wasQuoted = false;
      if (c == '\r') {
        ++i;
        records.emplace_back();
      }
    } else if (c == '\n' || wasQuoted) {
      return {};  // a bare line feed, or text after a closing quote
    } else {
      field += c;
    }
  }
  if (quoted || !field.empty() || !records.back().empty()) return {};
  records.pop_back();  // after the last CRLF
  return records;
}

// A subject and a person's text with commas, quotes and line
// breaks come back field for field.
TEST(WindowsCsv, ASpreadsheetReadsEveryFieldBack) {
  Judgement judgement;
  judgement.evaluation.ResultWord = Verdict::Good;
  judgement.evaluation.TotalScore = 2;
  judgement.evaluation.FactorCount = 2;
  judgement.evaluation.FactorVerdicts = {{Factor::LogicNakshatra, Word::Favourable},
                                         {Factor::GrammarNakshatraUnspaced, Word::Neutral},
                                         {}};
  judgement.evaluation.FactorPoints = {1, 1, 0};
  const auto shared = std::make_shared<const Judgement>(judgement);
  const std::vector<SearchWindow> windows = {
      {"Sale, purchase of \"land\"", {2025, 3, 4, 10, 12}, {2025, 3, 4, 11, 47}, 96, shared},
      {"Grahapravesam — गृहप्रवेश", {2025, 3, 5, 6, 0}, {2025, 3, 5, 6, 0}, 1, shared},
  };
  const std::vector<std::vector<std::string>> records = ReadRfc4180(WindowsCsv(windows));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], (std::vector<std::string>{"subject", "from", "to", "minutes", "result_word",
                                                  "total_score", "factor_count", "factor_verdicts",
                                                  "factor_points"}));
  const std::string verdicts =
      "Nakshatra of Logic And and Philosophy - Favourable; Nakshatra of Grammar- Neutral";
  EXPECT_EQ(records[1], (std::vector<std::string>{"Sale, purchase of \"land\"", "2025-03-04T10:12",
                                                  "2025-03-04T11:47", "96", "Good", "2", "2",
                                                  verdicts, "1 1"}));
  EXPECT_EQ(records[2][0], "Grahapravesam — गृहप्रवेश");  // UTF-8 as it came
}

}  // namespace
}  // namespace horavela

#include "search/windows_csv.h"

#include <array>
#include <cstdint>

namespace horavela {

namespace {

constexpr std::array<std::string_view, 9> kColumns{
    "subject",      "from",        "to",           "minutes",
    "result_word",  "total_score", "factor_count", "factor_verdicts",
    "factor_points"};
constexpr std::array<std::string_view, 2> kPartnerColumns{"partner_result_word",
                                                          "partner_total_score"};

// The verdicts a rule set wrote; its last slot stays empty.
std::string Verdicts(const Evaluation& evaluation) {
  std::string text;
  for (const FactorVerdict& verdict : evaluation.FactorVerdicts) {
    if (verdict.empty()) continue;
    if (!text.empty()) text += "; ";
    AppendTextOf(text, verdict);
  }
  return text;
}

std::string Points(const Evaluation& evaluation) {
  std::string text;
  const std::size_t count = evaluation.FactorVerdicts.size();
  for (std::size_t i = 0; i < evaluation.FactorPoints.size(); ++i) {
    if (i < count && evaluation.FactorVerdicts[i].empty()) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string(evaluation.FactorPoints[i]);
  }
  return text;
}

std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (!line.empty()) line += ',';
    line += CsvField(field);
  }
  return line + "\r\n";
}

}  // namespace

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string WindowsCsvHeader(bool partner) {
  std::vector<std::string> columns(kColumns.begin(), kColumns.end());
  if (partner) columns.insert(columns.end(), kPartnerColumns.begin(), kPartnerColumns.end());
  return Line(columns);
}

std::string WindowsCsvLine(const SearchWindow& window) {
  const Evaluation& evaluation = window.evaluation();
  std::vector<std::string> fields{window.subject,
                                  FormatLocalMinute(window.first),
                                  FormatLocalMinute(window.last),
                                  std::to_string(window.minutes),
                                  std::string(NameOf(evaluation.ResultWord)),
                                  std::to_string(evaluation.TotalScore),
                                  std::to_string(evaluation.FactorCount),
                                  Verdicts(evaluation),
                                  Points(evaluation)};
  if (const Evaluation* partner = window.partnerEvaluation()) {
    fields.emplace_back(NameOf(partner->ResultWord));
    fields.push_back(std::to_string(partner->TotalScore));
  }
  return Line(fields);
}

std::string WindowsCsv(const std::vector<SearchWindow>& windows) {
  std::string csv =
      WindowsCsvHeader(!windows.empty() && windows.front().partnerEvaluation() != nullptr);
  for (const SearchWindow& window : windows) csv += WindowsCsvLine(window);
  return csv;
}

}  // namespace horavela

#include "cli/search_response.h"

#include <ostream>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/response_writer.h"
#include "cli/settings_entry.h"
#include "cli/veto_json.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

ordered_json ShuddhiKeys(ShuddhiFailures failures) {
  ordered_json keys = ordered_json::array();
  for (int i = 0; i < kShuddhiLimbCount; ++i) {
    const auto limb = static_cast<ShuddhiLimb>(i);
    if (failures & LimbBit(limb)) keys.push_back(std::string(KeyOf(limb)));
  }
  return keys;
}

ordered_json WindowJson(const SearchWindow& window, bool showAlmanac) {
  ordered_json w;
  w["subject"] = window.subject;
  w["from"] = FormatLocalMinute(window.first);
  w["to"] = FormatLocalMinute(window.last);
  w["minutes"] = window.minutes;
  w["result_word"] = NameOf(window.evaluation().ResultWord);
  w["factor_count"] = window.evaluation().FactorCount;
  w["total_score"] = window.evaluation().TotalScore;
  w["factor_verdicts"] = VerdictTexts(window.evaluation().FactorVerdicts);
  w["factor_points"] = JsonArray(window.evaluation().FactorPoints);
  if (const Evaluation* partner = window.partnerEvaluation()) {
    w["partner"]["result_word"] = NameOf(partner->ResultWord);
    w["partner"]["total_score"] = partner->TotalScore;
  }
  if (showAlmanac) {
    w["almanac"]["vetoes"] = VetoKeysJson(window.marks);
    w["almanac"]["shuddhi"] = ShuddhiKeys(window.judgement->shuddhi);
  }
  return w;
}

// The members of `object` as they stand inside the answer, without its braces.
std::string Members(const ordered_json& object) {
  const std::string text = Serialize(object, true);
  return text.substr(2, text.size() - 4);  // "{\n" ... "\n}"
}

}  // namespace

void SearchResponseWriter::Window(const SearchWindow& window) {
  std::string text = written_++ == 0 ? "{\n  \"windows\": [\n    " : ",\n    ";
  // Two levels deeper than the object's own lines.
  for (const char c : Serialize(WindowJson(window, showAlmanac_), true)) {
    text += c;
    if (c == '\n') text += "    ";
  }
  out_ << text;
}

void SearchResponseWriter::EndWindows() {
  out_ << (written_ == 0 ? "{\n  \"windows\": []" : "\n  ]");
}

void SearchResponseWriter::Finish(const SearchResult& result) {
  ordered_json rest;
  rest["best"] = JsonArray(result.best);
  rest["minutes_scanned"] = result.minutesScanned;
  rest["evaluations"] = result.evaluations;
  rest["truncated"] = result.truncated;
  AddSettings(rest, settings_);
  if (!vetoes_.is_null()) rest["vetoes"] = vetoes_;
  AddWarnings(rest);
  EndWindows();
  out_ << ",\n" << Members(rest) << "\n}\n";
}

void SearchResponseWriter::Fail(const std::string& message) {
  ordered_json error = ErrorResponse(message);
  AddWarnings(error);
  if (written_ == 0) {
    out_ << Serialize(error, true) << '\n';
    return;
  }
  EndWindows();
  out_ << ",\n" << Members(error) << "\n}\n";
}

void SearchResponseWriter::AddWarnings(ordered_json& members) const {
  if (!warnings_.empty()) members["warnings"] = warnings_;
}

}  // namespace horavela::cli

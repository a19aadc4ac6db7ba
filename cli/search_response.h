#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/calculation_settings.h"
#include "search/muhurta_finder.h"

namespace horavela::cli {

// Writes the answer to a search while the finder lists its windows, so that
// a long range never sits in memory as JSON. The text is the one the whole
// answer serialised at once would give: {"windows", "best",
// "minutes_scanned", "evaluations", "truncated", and "warnings" when
// there are any}.
class SearchResponseWriter {
 public:
  explicit SearchResponseWriter(std::ostream& out) : out_(out) {}

  // Warnings about the request (unknown keys), written after the windows as
  // "warnings" when there are any.
  void Warn(std::vector<std::string> warnings) { warnings_ = std::move(warnings); }
  // With the almanac shown, each window also gets "almanac": the vetoes
  // whose minutes it touches and the limbs whose shuddhi it fails.
  void ShowAlmanac(bool show) { showAlmanac_ = show; }
  // The veto periods over the range, written after the windows as "vetoes".
  void Vetoes(nlohmann::ordered_json vetoes) { vetoes_ = std::move(vetoes); }
  // The calculation settings, said after the counts when not the defaults.
  void Settings(const CalculationSettings& settings) { settings_ = settings; }
  // The next window, in the order of SearchResult::windows.
  void Window(const SearchWindow& window);
  // The members after the windows.
  void Finish(const SearchResult& result);
  // {"error": message}; after windows were written, the windows end and
  // "error" follows them, so the answer stays one JSON object.
  void Fail(const std::string& message);

 private:
  void EndWindows();
  void AddWarnings(nlohmann::ordered_json& members) const;

  std::ostream& out_;
  std::size_t written_ = 0;
  std::vector<std::string> warnings_;
  bool showAlmanac_ = false;
  nlohmann::ordered_json vetoes_;  // null: none written
  CalculationSettings settings_;
};

}  // namespace horavela::cli

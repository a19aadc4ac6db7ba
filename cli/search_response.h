#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "search/muhurta_finder.h"

namespace horavela::cli {

// Writes the answer to a search while the finder lists its windows, so that
// a long range never sits in memory as JSON. The text is the one the whole
// answer serialised at once would give: {"windows", "best",
// "minutes_scanned", "evaluations", "truncated"}.
class SearchResponseWriter {
 public:
  explicit SearchResponseWriter(std::ostream& out) : out_(out) {}

  // The next window, in the order of SearchResult::windows.
  void Window(const SearchWindow& window);
  // The members after the windows.
  void Finish(const SearchResult& result);
  // {"error": message}; after windows were written, the windows end and
  // "error" follows them, so the answer stays one JSON object.
  void Fail(const std::string& message);

 private:
  void EndWindows();

  std::ostream& out_;
  std::size_t written_ = 0;
};

}  // namespace horavela::cli

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/muhurta_finder.h"

// The finder's windows as CSV (RFC 4180: comma-separated, CRLF line ends,
// fields with a comma, quote or line break quoted and their quotes doubled),
// UTF-8, for spreadsheets.
namespace horavela {

// One field as it stands in a CSV line.
std::string CsvField(std::string_view text);

// The header line: subject, from, to, minutes, result word, total score,
// factor count, factor verdicts (one field, "; " between them) and factor
// points (one field, spaces between them); for a search for two, the
// partner's result word and total score follow, in each line too.
std::string WindowsCsvHeader(bool partner = false);
std::string WindowsCsvLine(const SearchWindow& window);

// The header and one line per window, in the order given (the partner's
// columns when the first window has a partner's judgement).
std::string WindowsCsv(const std::vector<SearchWindow>& windows);

}  // namespace horavela

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
// points (one field, spaces between them).
std::string WindowsCsvHeader();
std::string WindowsCsvLine(const SearchWindow& window);

// The header and one line per window, in the order given.
std::string WindowsCsv(const std::vector<SearchWindow>& windows);

}  // namespace horavela

#pragma once

#include <string>
#include <vector>

#include "language/language.h"
#include "search/muhurta_finder.h"

namespace horavela::cli {

// `search --text`: how many windows were listed and the ten best of each
// subject, best first, with the request's warnings, for a person to read.
// `windows` are the listed windows, which `result.best` indexes; `vetoes`
// the lines of the veto periods over the range (VetoLines), when asked for;
// its labels and verdicts in `language`.
std::string SearchText(const SearchResult& result, const std::vector<SearchWindow>& windows,
                       const std::vector<std::string>& warnings,
                       const std::vector<std::string>& vetoes = {},
                       Language language = Language::English);

}  // namespace horavela::cli

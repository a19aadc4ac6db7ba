#pragma once

#include <string_view>

namespace horavela {

// "Tithi - Unfavourable" as "Tithi" and "Unfavourable", as the rule sets
// write a factor's verdict; a verdict without a dash (the short path's
// "Favourable") has an empty prefix.
struct VerdictParts {
  std::string_view prefix;
  std::string_view word;
};
VerdictParts SplitVerdict(std::string_view verdict);

}  // namespace horavela

#include "rules/verdict_parts.h"

namespace horavela {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

VerdictParts SplitVerdict(std::string_view verdict) {
  const std::size_t dash = verdict.rfind('-');
  if (dash == std::string_view::npos) return {{}, Trim(verdict)};
  return {Trim(verdict.substr(0, dash)), Trim(verdict.substr(dash + 1))};
}

}  // namespace horavela

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rules/inputs_read.h"
#include "rules/rule_sets.h"

namespace horavela {

// One row of the catalogue of undertakings: its text, its rule set (one per
// subject) and the inputs that rule set reads (ReadInput bits).
struct Subject {
  std::string_view text;  // exact display text, the dispatch key
  RuleSet ruleSet;
  unsigned reads = kReadsEveryone;
};

inline constexpr int kSubjectCount = 34;

// In dispatch order; the first exact, case-sensitive whole-text match wins.
extern const std::array<Subject, kSubjectCount> kSubjects;

// The rule set of `text`, or nullptr when no subject has that text.
RuleSet FindRuleSet(std::string_view text);

// The inputs `ruleSet` reads (ReadInput bits); what every rule set reads for
// one that is not in the catalogue.
unsigned InputsRead(RuleSet ruleSet);

// The texts of all 34 subjects in dispatch order (a search of every subject).
std::vector<std::string> AllSubjectTexts();

}  // namespace horavela

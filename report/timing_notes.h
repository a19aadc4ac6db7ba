#pragma once

#include <string>
#include <vector>

namespace horavela {

// How long the verdict holds and what to beware of, closing the report after
// everything the rule set composes: filled by the caller from its
// explanation of the moment, already in sentences.
struct TimingNotes {
  std::string window;  // "Good from 10:12 to 11:47"
  std::vector<std::string> warnings;
  std::vector<std::string> betterMoments;
  std::vector<std::string> factors;  // one plain line per factor
};

}  // namespace horavela

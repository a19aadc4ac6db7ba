#pragma once

#include <optional>
#include <string>
#include <vector>

#include "explain/explanation.h"
#include "language/language.h"

// The explanation in sentences, as the desktop's analysis panel and the
// report's timing notes show it.
namespace horavela {

// "Good from 10:12 to 11:47"; the clock of another date carries its date.
// Empty when there is no window (a minute the clocks skipped, a rule set that
// stopped before judging).
std::string WindowSentence(const ExplainedWindow& window, const LocalMinute& moment,
                           Language language = Language::English);

// A better moment and how it reads: "Earlier: Good from 08:02 to 09:15
// (total 3, 6 factors)". `minute` is where the election moves when the user takes it;
// nothing for the line that says none was found.
struct BetterLine {
  std::optional<LocalMinute> minute;
  std::string text;
};

// The nearest better moments, earlier first, or the day's best window; one
// line saying so when the search found nothing better; nothing when it did
// not look.
std::vector<BetterLine> BetterLines(const Explanation& explanation, const LocalMinute& moment,
                                    Language language = Language::English);

}  // namespace horavela

#include "explain/explanation_texts.h"

namespace horavela {

namespace {

// Ranked by total, then by factor count: both, so a better window with the
// same total shows why it is better.
std::string TotalText(const ExplainedWindow& window) {
  return " (total " + std::to_string(window.total) + ", " + std::to_string(window.factors) +
         (window.factors == 1 ? " factor)" : " factors)");
}

BetterLine Line(const char* lead, const BetterMoment& better, const LocalMinute& moment) {
  return {better.minute, lead + WindowSentence(better.window, moment) + TotalText(better.window)};
}

}  // namespace

std::string WindowSentence(const ExplainedWindow& window, const LocalMinute& moment) {
  if (window.verdict == Verdict::None) return {};
  const LocalMinute& from = window.from;
  const LocalMinute& to = window.to;
  const bool oneDate = from.year == to.year && from.month == to.month && from.day == to.day;
  if (!oneDate)
    return std::string(NameOf(window.verdict)) + " from " + ClockText(from, moment) + " to " +
           ClockText(to, moment);
  // A window within one other date names it once, at the end.
  const std::string end = ClockText(to, moment);
  const std::string start = ClockText(from, to);
  return std::string(NameOf(window.verdict)) + " from " + start + " to " + end;
}

std::vector<BetterLine> BetterLines(const Explanation& explanation, const LocalMinute& moment) {
  std::vector<BetterLine> lines;
  if (explanation.before) lines.push_back(Line("Earlier: ", *explanation.before, moment));
  if (explanation.after) lines.push_back(Line("Later: ", *explanation.after, moment));
  if (explanation.bestOfDay)
    lines.push_back(Line("Best of the day: ", *explanation.bestOfDay, moment));
  if (!explanation.noneBetter) return lines;
  // Nothing to move to: the line says where the search looked.
  const bool good = explanation.window.verdict == Verdict::Good;
  lines.push_back({std::nullopt, good ? "No window of this day reads better."
                                      : "Nothing reads better within 7 days either way."});
  return lines;
}

}  // namespace horavela

#include "explain/explanation_texts.h"

#include "language/catalog.h"

namespace horavela {

namespace {

// Ranked by total, then by factor count: both, so a better window with the
// same total shows why it is better.
std::string TotalText(const ExplainedWindow& window, Language language) {
  return Formatted(
      Translated(window.factors == 1 ? " (total %1, %2 factor)" : " (total %1, %2 factors)",
                 language),
      {std::to_string(window.total), std::to_string(window.factors)});
}

BetterLine Line(std::string_view lead, const BetterMoment& better, const LocalMinute& moment,
                Language language) {
  return {better.minute, std::string(Translated(lead, language)) +
                             WindowSentence(better.window, moment, language) +
                             TotalText(better.window, language)};
}

}  // namespace

std::string WindowSentence(const ExplainedWindow& window, const LocalMinute& moment,
                           Language language) {
  if (window.verdict == Verdict::None) return {};
  const LocalMinute& from = window.from;
  const LocalMinute& to = window.to;
  const bool oneDate = from.year == to.year && from.month == to.month && from.day == to.day;
  const std::string_view pattern = Translated("%1 from %2 to %3", language);
  const std::string_view verdict = Translated(NameOf(window.verdict), language);
  auto clock = [language](const LocalMinute& minute, const LocalMinute& reference) {
    return TextOf(ClockWording(minute, reference), language);
  };
  if (!oneDate) return Formatted(pattern, {verdict, clock(from, moment), clock(to, moment)});
  // A window within one other date names it once, at the end.
  return Formatted(pattern, {verdict, clock(from, to), clock(to, moment)});
}

std::vector<BetterLine> BetterLines(const Explanation& explanation, const LocalMinute& moment,
                                    Language language) {
  std::vector<BetterLine> lines;
  if (explanation.before) lines.push_back(Line("Earlier: ", *explanation.before, moment, language));
  if (explanation.after) lines.push_back(Line("Later: ", *explanation.after, moment, language));
  if (explanation.bestOfDay)
    lines.push_back(Line("Best of the day: ", *explanation.bestOfDay, moment, language));
  if (!explanation.noneBetter) return lines;
  // Nothing to move to: the line says where the search looked.
  const bool good = explanation.window.verdict == Verdict::Good;
  lines.push_back(
      {std::nullopt, std::string(Translated(good ? "No window of this day reads better."
                                                 : "Nothing reads better within 7 days either way.",
                                            language))});
  return lines;
}

}  // namespace horavela

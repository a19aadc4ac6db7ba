#include "cli/evaluate_text.h"

#include <iomanip>
#include <sstream>

#include "atlas/local_minute.h"
#include "language/catalog.h"

namespace horavela::cli {

namespace {

std::string PlaceName(const PlaceEntry& place) {
  std::string name = place.city;
  for (const std::string* part : {&place.state, &place.country}) {
    if (part->empty()) continue;
    name += (name.empty() ? "" : ", ") + *part;
  }
  return name;
}

std::string Heading(const EvaluationInput& input, const Words& say) {
  const MomentEntry& at = input.election;
  std::string text = Formatted(
      say("%1 for %2 at %3"), {say(input.subject), input.name,
                               FormatLocalMinute({at.year, at.month, at.day, at.hour, at.minute})});
  const std::string place = PlaceName(at.place);
  return place.empty() ? text : text + ", " + place;
}

std::string WindowLine(const ExplainedWindow& window, const Words& say) {
  return Formatted(say("%1 to %2 (%3 minutes with this verdict and total)"),
                   {FormatLocalMinute(window.from), FormatLocalMinute(window.to),
                    std::to_string(window.minutes)});
}

// "Good, total 12 from 9 factors"
std::string VerdictLine(const Evaluation& result, const Words& say) {
  return Formatted(say("%1, total %2 from %3 factors"),
                   {say(NameOf(result.ResultWord)), std::to_string(result.TotalScore),
                    std::to_string(result.FactorCount)});
}

void WriteBetter(std::string_view label, const std::optional<BetterMoment>& better,
                 const Words& say, std::ostream& out) {
  if (!better) return;
  out << say(label) << FormatLocalMinute(better->minute) << ", "
      << say(NameOf(better->window.verdict))
      << Formatted(say(" (total %1)"), {std::to_string(better->window.total)}) << "\n";
}

void WriteExplanation(const Explanation& explanation, const Words& say, std::ostream& out) {
  out << say("Window:  ") << WindowLine(explanation.window, say) << '\n';
  WriteBetter("Better before: ", explanation.before, say, out);
  WriteBetter("Better after:  ", explanation.after, say, out);
  WriteBetter("Best of the day: ", explanation.bestOfDay, say, out);
  if (!explanation.factors.empty()) out << say("Factors:") << "\n";
  for (const FactorInWords& factor : explanation.factors) {
    std::string points = factor.points > 0 ? "+" : "";
    points += std::to_string(factor.points);
    out << std::right << std::setw(4) << points << "  " << TextOf(factor.said, say.language)
        << '\n';
  }
}

}  // namespace

std::string EvaluateText(const CalculationState& state, const Explanation* explanation,
                         const std::vector<std::string>& warnings, const CalculationState* partner,
                         Language language) {
  const Words say{language};
  std::ostringstream out;
  out << Heading(state.Input, say) << '\n';
  out << say("Verdict: ") << VerdictLine(state.Result, say) << '\n';
  if (partner != nullptr)
    out << say("Partner: ") << partner->Input.name << ", " << VerdictLine(partner->Result, say)
        << '\n';
  if (explanation != nullptr) WriteExplanation(*explanation, say, out);
  std::vector<std::string> all = warnings;
  all.insert(all.end(), state.Warnings.begin(), state.Warnings.end());
  if (explanation != nullptr)
    for (std::string& warning : WarningsIn(*explanation, language))
      all.push_back(std::move(warning));
  if (!all.empty()) out << say("Warnings:") << "\n";
  for (const std::string& warning : all) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli

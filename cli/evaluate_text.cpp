#include "cli/evaluate_text.h"

#include <iomanip>
#include <sstream>

#include "atlas/local_minute.h"

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

std::string Heading(const EvaluationInput& input) {
  const MomentEntry& at = input.election;
  std::string text = input.subject + " for " + input.name + " at " +
                     FormatLocalMinute({at.year, at.month, at.day, at.hour, at.minute});
  const std::string place = PlaceName(at.place);
  return place.empty() ? text : text + ", " + place;
}

std::string WindowLine(const ExplainedWindow& window) {
  return FormatLocalMinute(window.from) + " to " + FormatLocalMinute(window.to) + " (" +
         std::to_string(window.minutes) + " minutes with this verdict and total)";
}

// "Good, total 12 from 9 factors"
std::string VerdictLine(const Evaluation& result) {
  return std::string(NameOf(result.ResultWord)) + ", total " + std::to_string(result.TotalScore) +
         " from " + std::to_string(result.FactorCount) + " factors";
}

void WriteBetter(const char* label, const std::optional<BetterMoment>& better, std::ostream& out) {
  if (!better) return;
  out << label << FormatLocalMinute(better->minute) << ", " << NameOf(better->window.verdict)
      << " (total " << better->window.total << ")\n";
}

void WriteExplanation(const Explanation& explanation, std::ostream& out) {
  out << "Window:  " << WindowLine(explanation.window) << '\n';
  WriteBetter("Better before: ", explanation.before, out);
  WriteBetter("Better after:  ", explanation.after, out);
  WriteBetter("Best of the day: ", explanation.bestOfDay, out);
  if (!explanation.factors.empty()) out << "Factors:\n";
  for (const FactorInWords& factor : explanation.factors) {
    std::string points = factor.points > 0 ? "+" : "";
    points += std::to_string(factor.points);
    out << std::right << std::setw(4) << points << "  " << factor.line << '\n';
  }
}

}  // namespace

std::string EvaluateText(const CalculationState& state, const Explanation* explanation,
                         const std::vector<std::string>& warnings,
                         const CalculationState* partner) {
  std::ostringstream out;
  out << Heading(state.Input) << '\n';
  out << "Verdict: " << VerdictLine(state.Result) << '\n';
  if (partner != nullptr)
    out << "Partner: " << partner->Input.name << ", " << VerdictLine(partner->Result) << '\n';
  if (explanation != nullptr) WriteExplanation(*explanation, out);
  std::vector<std::string> all = warnings;
  all.insert(all.end(), state.Warnings.begin(), state.Warnings.end());
  if (explanation != nullptr)
    all.insert(all.end(), explanation->warnings.begin(), explanation->warnings.end());
  if (!all.empty()) out << "Warnings:\n";
  for (const std::string& warning : all) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli

#include "explain/full_report.h"

#include "explain/explanation_texts.h"

namespace horavela {

TimingNotes TimingNotesOf(const Explanation& explanation, const LocalMinute& moment) {
  TimingNotes notes;
  notes.window = WindowSentence(explanation.window, moment);
  notes.warnings = explanation.warnings;
  for (const BetterLine& line : BetterLines(explanation, moment))
    notes.betterMoments.push_back(line.text);
  for (const FactorInWords& factor : explanation.factors) notes.factors.push_back(factor.line);
  return notes;
}

ReportOptions FullReportOptions(const std::optional<Explanation>& explanation,
                                const LocalMinute& moment) {
  ReportOptions options;
  options.particulars = true;
  options.truthfulSections = true;
  if (explanation) options.timingNotes = TimingNotesOf(*explanation, moment);
  return options;
}

}  // namespace horavela

#include "explain/full_report.h"

#include "explain/explanation_texts.h"

namespace horavela {

TimingNotes TimingNotesOf(const Explanation& explanation, const LocalMinute& moment,
                          Language language) {
  TimingNotes notes;
  notes.window = WindowSentence(explanation.window, moment, language);
  notes.warnings = WarningsIn(explanation, language);
  for (const BetterLine& line : BetterLines(explanation, moment, language))
    notes.betterMoments.push_back(line.text);
  for (const FactorInWords& factor : explanation.factors)
    notes.factors.push_back(TextOf(factor.said, language));
  return notes;
}

ReportOptions FullReportOptions(const std::optional<Explanation>& explanation,
                                const LocalMinute& moment, Language language) {
  ReportOptions options;
  options.language = language;
  options.particulars = true;
  options.truthfulSections = true;
  if (explanation) options.timingNotes = TimingNotesOf(*explanation, moment, language);
  return options;
}

}  // namespace horavela

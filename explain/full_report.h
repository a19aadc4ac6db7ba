#pragma once

#include <optional>

#include "explain/explanation.h"
#include "report/report_writer.h"
#include "report/timing_notes.h"

// The report a person hands over, the same from the desktop program and from
// horavela-cli evaluate --full-report: the rule set's sections, for whom,
// when and where it was prepared, only true sentences where a section would
// contradict its factor, and the timing notes of the explanation.
namespace horavela {

// The explanation in the report's closing section, as the analysis panel
// shows it, in `language`.
TimingNotes TimingNotesOf(const Explanation& explanation, const LocalMinute& moment,
                          Language language = Language::English);

// The options of that report; without an explanation (it failed) the timing
// notes are left out.
ReportOptions FullReportOptions(const std::optional<Explanation>& explanation,
                                const LocalMinute& moment, Language language = Language::English);

}  // namespace horavela

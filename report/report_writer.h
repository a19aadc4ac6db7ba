#pragma once

#include <optional>

#include "engine/calculation_state.h"
#include "language/digits.h"
#include "language/language.h"
#include "report/rich_text_sink.h"
#include "report/timing_notes.h"

namespace horavela {

// What a caller asks of the report beyond the rule set's findings.
struct ReportOptions {
  // For whom, when and where, under the subject line. The desktop program
  // shows them; horavela-cli leaves them out, so its output stays as it was.
  bool particulars = false;
  // A closing "Timing notes" section; the desktop program adds it.
  std::optional<TimingNotes> timingNotes;
  // A section whose paragraph would contradict its factor's verdict (a yoga
  // said to be formed when it is not) gets one true sentence instead, in
  // black. Without it every section is written as the rule set selects it.
  bool truthfulSections = false;
  // The language of the headings and the fixed texts; English is the report
  // as it always read. The particulars and the timing notes' own lines are
  // written as given.
  Language language = Language::English;
  // Native: every digit of the report in the language's script (never in
  // English, which has none of its own).
  Digits digits = Digits::Western;
};

// Composes the electional report of the evaluation in `state` into `sink`:
// clears it, then writes the emblem, the title block, the overall section and
// one section per report selector that is not 0; or, where the rule set
// stopped at its year precondition, that message alone. Takes no pauses.
void WriteReport(const CalculationState& state, RichTextSink& sink,
                 const ReportOptions& options = {});

}  // namespace horavela

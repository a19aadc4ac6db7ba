#include "report/report_writer.h"

#include <string>

#include "language/catalog.h"
#include "report/emblem.h"
#include "report/native_digit_sink.h"
#include "report/program_identity.h"
#include "report/report_particulars.h"
#include "report/report_plan.h"
#include "report/report_texts.h"

namespace horavela {
namespace {

// The report's line break: the sink starts a new paragraph at each one.
constexpr std::string_view kBreak = "\n";
// A block is a text followed by a blank line.
constexpr std::string_view kBlockEnd = "\n\n";
constexpr int kReportFontPoints = 12;

void InsertBlock(RichTextSink& sink, std::string_view text) {
  std::string block(text);
  block += kBlockEnd;
  sink.InsertText(block);
}

void InsertLine(RichTextSink& sink, std::string_view text) {
  std::string line(text);
  line += kBreak;
  sink.InsertText(line);
}

std::string GeneratedBy(Language language) {
  std::string text(Translated(kReportGeneratedBy, language));
  text += kProgramWebAddress;
  return text;
}

void WriteTitleBlock(const CalculationState& state, Language language, RichTextSink& sink) {
  sink.SetBold(true);
  sink.SetColor(PaletteColor::Blue);
  sink.SetFontSize(kReportFontPoints);
  std::string title(kBreak);
  title += Translated(kReportTitle, language);
  title += kBlockEnd;
  sink.InsertText(title);
  sink.SetBold(false);
  InsertBlock(sink, GeneratedBy(language));

  sink.SetBold(true);
  sink.SetColor(PaletteColor::DarkBlue);
  // The undertaking as the desktop's list names it in the reader's language.
  InsertBlock(sink, Translated(state.Input.subject, language));
  sink.SetBold(false);
}

// One plain black line each, closed by a blank line like every block.
void WriteParticulars(const EvaluationInput& input, Language language, RichTextSink& sink) {
  sink.SetColor(PaletteColor::Black);
  std::string block;
  for (const std::string& line : ReportParticulars(input, language)) {
    block += line;
    block += kBreak;
  }
  block += kBreak;
  sink.InsertText(block);
}

void WriteOverall(const ReportPlan& plan, Language language, RichTextSink& sink) {
  sink.SetBold(true);
  sink.SetColor(PaletteColor::DarkRed);
  InsertLine(sink, Translated(kChosenDateHeading, language));
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
  InsertBlock(sink, plan.dateLine);

  sink.SetBold(true);
  sink.SetColor(PaletteColor::Purple);
  InsertLine(sink, plan.overall.heading);
  sink.SetBold(false);

  sink.SetBold(true);
  sink.SetColor(PaletteColor::Purple);
  InsertLine(sink, plan.overall.verdict);
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Purple);
  InsertBlock(sink, plan.overall.paragraph);

  InsertBlock(sink, GeneratedBy(language));
}

void WriteFactor(const PlannedSection& section, bool truthful, bool lastOfTable, Language language,
                 RichTextSink& sink) {
  sink.SetBold(true);
  sink.SetColor(PaletteColor::DarkRed);
  InsertLine(sink, section.heading);
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);

  if (truthful && !section.truthfulLine.empty()) {
    // The green "Good" and its paragraph would tell the user of a yoga that
    // is not formed, or praise a factor its verdict calls neutral: one plain
    // sentence says what holds.
    InsertBlock(sink, section.truthfulLine);
  } else {
    // The verdict word is green whether it is "Good" or "Bad".
    sink.SetBold(true);
    sink.SetColor(PaletteColor::Green);
    InsertLine(sink, section.verdict);
    sink.SetBold(false);
    sink.SetColor(PaletteColor::Black);
    InsertBlock(sink, section.paragraph);
  }

  // The table's last section closes the report: no blank line after it.
  if (lastOfTable) {
    sink.InsertText(GeneratedBy(language));
  } else {
    InsertBlock(sink, GeneratedBy(language));
  }
}

// One heading and its lines, left out when there are none.
void WriteNotesGroup(std::string_view heading, const std::vector<std::string>& lines,
                     RichTextSink& sink) {
  if (lines.empty()) return;
  sink.SetBold(true);
  sink.SetColor(PaletteColor::Purple);
  InsertLine(sink, heading);
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
  std::string block;
  for (const std::string& line : lines) {
    block += line;
    block += kBreak;
  }
  InsertBlock(sink, block.substr(0, block.size() - kBreak.size()));
}

// After the rule set's sections; the last section of a table ends without a
// blank line (`bare`), so the notes then start with one.
void WriteTimingNotes(const TimingNotes& notes, bool bare, Language language, RichTextSink& sink) {
  if (bare) sink.InsertText(kBlockEnd);
  sink.SetBold(true);
  sink.SetColor(PaletteColor::DarkRed);
  InsertLine(sink, Translated(kTimingNotesHeading, language));
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
  if (!notes.window.empty()) InsertBlock(sink, notes.window);
  WriteNotesGroup(Translated(kTimingWarningsHeading, language), notes.warnings, sink);
  WriteNotesGroup(Translated(kTimingBetterHeading, language), notes.betterMoments, sink);
  WriteNotesGroup(Translated(kTimingFactorsHeading, language), notes.factors, sink);
}

// A rule set that stopped at its year precondition: its message, in bold, is
// the whole report.
void WritePreconditionMessage(std::string_view message, RichTextSink& sink) {
  sink.Clear();
  sink.SetBold(true);
  sink.InsertText(message);
  sink.SetBold(false);
}

}  // namespace

void WriteReport(const CalculationState& state, RichTextSink& target,
                 const ReportOptions& options) {
  if (!target.KeepsContent()) return;
  NativeDigitSink native(target, options.language);
  RichTextSink& sink = options.digits == Digits::Native ? native : target;
  if (!state.Result.PreconditionMessage.empty()) {
    WritePreconditionMessage(state.Result.PreconditionMessage, sink);
    return;
  }
  const Language language = options.language;
  const ReportPlan plan = PlanReport(state, language);

  sink.Clear();
  sink.SetAlignment(Alignment::Center);
  sink.InsertPicture(ReportEmblem());
  WriteTitleBlock(state, language, sink);
  if (options.particulars) WriteParticulars(state.Input, language, sink);
  if (plan.hasOverall) WriteOverall(plan, language, sink);
  for (std::size_t i = 0; i < plan.factors.size(); ++i) {
    const bool last = plan.endsWithLastTableSection && i + 1 == plan.factors.size();
    WriteFactor(plan.factors[i], options.truthfulSections, last, language, sink);
  }
  if (options.timingNotes) {
    const bool bare = plan.endsWithLastTableSection && !plan.factors.empty();
    WriteTimingNotes(*options.timingNotes, bare, language, sink);
  }
}

}  // namespace horavela

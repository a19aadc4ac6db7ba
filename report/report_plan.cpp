#include "report/report_plan.h"

#include <array>

#include "calendar/civil_calendar.h"
#include "language/catalog.h"
#include "language/element_names.h"
#include "report/report_sections.h"
#include "report/report_texts.h"
#include "report/section_truth.h"

namespace horavela {
namespace {

// "January 5, 2011"; the language orders the month, day and year its own way.
std::string DateLine(const MomentEntry& election, Language language) {
  return Formatted(Translated("%1 %2, %3", language),
                   {GregorianMonthName(election.month, language), std::to_string(election.day),
                    std::to_string(election.year)});
}

PlannedSection Overall(std::int16_t selector, Language language) {
  const OverallTexts& texts = OverallParagraphs();
  const auto section = [language](Verdict verdict, std::string_view paragraph) {
    return PlannedSection{std::string(Translated(kOverallHeading, language)),
                          Translated(NameOf(verdict), language),
                          Translated(paragraph, language),
                          {}};
  };
  switch (selector) {
    case 1:
      return section(Verdict::Bad, texts.bad);
    case 2:
      return section(Verdict::Good, texts.good);
    default:
      return section(Verdict::Average, texts.average);
  }
}

}  // namespace

ReportPlan PlanReport(const CalculationState& state, Language language) {
  const auto& flags = state.Result.ReportFlags;
  ReportPlan plan;
  plan.hasOverall = flags[ResultFlag] != 0;
  if (plan.hasOverall) {
    plan.dateLine = DateLine(state.Input.election, language);
    plan.overall = Overall(flags[ResultFlag], language);
  }
  const auto& sections = FactorSectionTexts();
  for (const FactorSectionText& section : sections) {
    const std::int16_t selector = flags[section.slot];
    if (selector == 0) continue;
    PlannedSection planned;
    planned.heading = Translated(section.heading, language);
    if (section.chartSlot != kNoChartSlot)
      planned.heading += ChartText(state.ElectionChart, section.chartSlot, language);
    const bool adverse = selector == 1;
    planned.verdict = Translated(NameOf(adverse ? Verdict::Bad : Verdict::Good), language);
    planned.paragraph = Translated(adverse ? section.adverse : section.favourable, language);
    planned.truthfulLine = TruthfulLine(state, section.slot, language);
    plan.factors.push_back(std::move(planned));
    plan.endsWithLastTableSection = &section == &sections.back();
  }
  return plan;
}

std::vector<ReportSectionSummary> ListReportSections(const CalculationState& state) {
  const ReportPlan plan = PlanReport(state);
  std::vector<ReportSectionSummary> list;
  if (plan.hasOverall) list.push_back({plan.overall.heading, std::string(plan.overall.verdict)});
  for (const PlannedSection& section : plan.factors) {
    list.push_back({section.heading, std::string(section.verdict)});
  }
  return list;
}

}  // namespace horavela

#include "report/report_plan.h"

#include <array>

#include "calendar/civil_calendar.h"
#include "report/report_sections.h"
#include "report/report_texts.h"
#include "report/section_truth.h"

namespace horavela {
namespace {

std::string DateLine(const MomentEntry& election) {
  std::string line;
  if (election.month >= 1 && election.month <= 12) line = kMonthNames[election.month - 1];
  line += ' ';
  line += std::to_string(election.day);
  line += ", ";
  line += std::to_string(election.year);
  return line;
}

PlannedSection Overall(std::int16_t selector) {
  const OverallTexts& texts = OverallParagraphs();
  switch (selector) {
    case 1:
      return {std::string(kOverallHeading), NameOf(Verdict::Bad), texts.bad, {}};
    case 2:
      return {std::string(kOverallHeading), NameOf(Verdict::Good), texts.good, {}};
    default:
      return {std::string(kOverallHeading), NameOf(Verdict::Average), texts.average, {}};
  }
}

}  // namespace

ReportPlan PlanReport(const CalculationState& state) {
  const auto& flags = state.Result.ReportFlags;
  ReportPlan plan;
  plan.hasOverall = flags[ResultFlag] != 0;
  if (plan.hasOverall) {
    plan.dateLine = DateLine(state.Input.election);
    plan.overall = Overall(flags[ResultFlag]);
  }
  const auto& sections = FactorSectionTexts();
  for (const FactorSectionText& section : sections) {
    const std::int16_t selector = flags[section.slot];
    if (selector == 0) continue;
    PlannedSection planned;
    planned.heading = section.heading;
    if (section.chartSlot != kNoChartSlot)
      planned.heading += ChartText(state.ElectionChart, section.chartSlot);
    const bool adverse = selector == 1;
    planned.verdict = NameOf(adverse ? Verdict::Bad : Verdict::Good);
    planned.paragraph = adverse ? section.adverse : section.favourable;
    planned.truthfulLine = TruthfulLine(state, section.slot);
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

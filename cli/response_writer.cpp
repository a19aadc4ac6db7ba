#include "cli/response_writer.h"

#include "rules/evaluation.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

// The values the three procedures left for one moment.
ordered_json Internals(const MomentSnapshot& moment) {
  const PanchangState& panchang = moment.Panchang;
  ordered_json internals;
  internals["julian_day"] = moment.Time.JulianDay;
  internals["universal_time"] = moment.Time.UniversalTime;
  internals["local_hours"] = moment.Time.LocalHours;
  internals["zone_hours"] = moment.Time.ZoneHours;
  internals["moon_longitude"] = moment.Moon.MoonLongitude;
  internals["ayanamsa_j2000"] = moment.Moon.Ayanamsa;
  internals["ascendant_longitude"] = moment.Ascendant.AscendantLongitude;
  internals["ayanamsa_1900"] = moment.Ascendant.Ayanamsa;
  internals["local_sidereal_angle"] = moment.Ascendant.LocalSiderealAngle;
  internals["panchang_julian_day"] = panchang.PanchangJulianDay;
  internals["panchang_moon_longitude"] = panchang.PanchangMoonLongitude;
  internals["panchang_sun_longitude"] = panchang.PanchangSunLongitude;
  internals["panchang_ayanamsa"] = panchang.AyanamsaCorrection;
  internals["tithi_index"] = panchang.TithiIndex;
  internals["tithi_number"] = panchang.TithiNumber;
  internals["paksha"] = NameOf(panchang.Fortnight);
  internals["tithi_rule_name"] = RuleNameOf(panchang.TithiName);
  internals["tithi_group"] = NameOf(panchang.Group);
  internals["yoga_index"] = panchang.YogaIndex;
  internals["karana_index"] = panchang.KaranaIndex;
  internals["yoga_name"] = NameOf(panchang.YogaName);
  internals["karana_name"] = NameOf(panchang.KaranaName);
  internals["tithi_name"] = NameOf(panchang.TithiName);
  return internals;
}

// The chart's printed rows, and a tenth column the response has always
// carried empty.
ordered_json ChartRow(const Chart& chart) {
  ordered_json row = ordered_json::array();
  for (int slot = 0; slot <= kChartSlotCount; ++slot) row.push_back(ChartText(chart, slot));
  return row;
}

ordered_json Moment(const Chart& chart, const MomentSnapshot& snapshot) {
  ordered_json moment;
  moment["chart"] = ChartRow(chart);
  moment["moment"] = Internals(snapshot);
  return moment;
}

ordered_json EvaluationObject(const CalculationState& state) {
  const Evaluation& result = state.Result;
  ordered_json evaluation;
  evaluation["factor_verdicts"] = VerdictTexts(result.FactorVerdicts);
  evaluation["factor_points"] = JsonArray(result.FactorPoints);
  evaluation["factor_count"] = result.FactorCount;
  evaluation["total_score"] = result.TotalScore;
  evaluation["result_word"] = NameOf(result.ResultWord);
  evaluation["report_flags"] = JsonArray(result.ReportFlags);
  evaluation["result_label"] = ResultLabelOf(state.Result);
  return evaluation;
}

ordered_json Report(const std::string& text, const std::vector<ReportSectionSummary>& sections) {
  ordered_json list = ordered_json::array();
  for (const ReportSectionSummary& section : sections)
    list.push_back({{"heading", section.heading}, {"verdict", section.verdict}});
  ordered_json report;
  report["text"] = text;
  report["sections"] = std::move(list);
  return report;
}

}  // namespace

ordered_json VerdictTexts(const std::vector<FactorVerdict>& verdicts) {
  ordered_json array = ordered_json::array();
  for (const FactorVerdict& verdict : verdicts) array.push_back(TextOf(verdict));
  return array;
}

ordered_json BuildResponse(const CalculationState& state, const std::string& reportText,
                           const std::vector<ReportSectionSummary>& sections,
                           const CalculationState* partner) {
  ordered_json response;
  response["birth"] = Moment(state.BirthChart, state.BirthMoment);
  response["election"] = Moment(state.ElectionChart, state.ElectionMoment);
  response["tara_bala"] = NameOf(state.TaraBalaVerdict);
  response["chandra_bala"] = NameOf(state.ChandraBalaVerdict);
  ordered_json planets = ordered_json::array();
  for (const PlanetPosition& position : state.Lagna.PlanetSigns)
    planets.push_back(TextOf(position));
  response["planet_signs"] = std::move(planets);
  response["evaluation"] = EvaluationObject(state);
  if (partner != nullptr) response["partner_evaluation"] = EvaluationObject(*partner);
  response["report"] = Report(reportText, sections);
  response["warnings"] = JsonArray(state.Warnings);
  return response;
}

ordered_json ErrorResponse(const std::string& message) {
  ordered_json response;
  response["error"] = message;
  return response;
}

std::string ErrorText(const ordered_json& errorResponse) {
  const auto error = errorResponse.find("error");
  if (error == errorResponse.end() || !error->is_string()) return "error\n";
  return "error: " + error->get<std::string>() + "\n";
}

}  // namespace horavela::cli

#include "cli/response_writer.h"

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
  internals["paksha"] = panchang.Paksha;
  internals["tithi_rule_name"] = panchang.TithiRuleName;
  internals["tithi_group"] = panchang.TithiGroup;
  internals["yoga_index"] = panchang.YogaIndex;
  internals["karana_index"] = panchang.KaranaIndex;
  internals["yoga_name"] = panchang.YogaName;
  internals["karana_name"] = panchang.KaranaName;
  internals["tithi_name"] = panchang.TithiName;
  return internals;
}

ordered_json Moment(const Chart& chart, const MomentSnapshot& snapshot) {
  ordered_json moment;
  moment["chart"] = JsonArray(chart);
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
  evaluation["result_label"] = state.ResultLabel;
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
                           const std::vector<ReportSectionSummary>& sections) {
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

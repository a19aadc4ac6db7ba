#include "cli/day_response.h"

#include <optional>
#include <string>
#include <vector>

#include "calendar/civil_calendar.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

ordered_json TimeJson(const std::optional<LocalTime>& time) {
  if (!time) return nullptr;
  return FormatLocalTime(*time);
}

ordered_json SpanJson(const Period& period) {
  ordered_json span;
  span["from"] = FormatLocalTime(period.from);
  span["to"] = FormatLocalTime(period.to);
  return span;
}

ordered_json PeriodsJson(const std::vector<Period>& periods) {
  ordered_json list = ordered_json::array();
  for (const Period& period : periods) {
    ordered_json item;
    item["name"] = period.name;
    item.update(SpanJson(period));
    list.push_back(std::move(item));
  }
  return list;
}

ordered_json ElementsJson(const DayElements& elements) {
  ordered_json json;
  json["tithi"] = PeriodsJson(elements.tithi);
  json["nakshatra"] = PeriodsJson(elements.nakshatra);
  json["yoga"] = PeriodsJson(elements.yoga);
  json["karana"] = PeriodsJson(elements.karana);
  json["moon_sign"] = PeriodsJson(elements.moonSign);
  json["lagna"] = PeriodsJson(elements.lagna);
  return json;
}

ordered_json ChartJson(const std::vector<ChartBody>& chart) {
  ordered_json list = ordered_json::array();
  for (const ChartBody& body : chart) {
    ordered_json item;
    item["body"] = body.body;
    item["longitude"] = body.longitude;
    item["sign"] = body.sign;
    item["degree_text"] = body.degreeText;
    item["nakshatra"] = body.nakshatra;
    item["pada"] = body.pada;
    item["retrograde"] = body.retrograde;
    list.push_back(std::move(item));
  }
  return list;
}

ordered_json VerdictsJson(const std::vector<SearchWindow>& windows) {
  ordered_json list = ordered_json::array();
  for (const SearchWindow& window : windows) {
    ordered_json item;
    item["subject"] = window.subject;
    item["from"] = FormatLocalMinute(window.first);
    item["to"] = FormatLocalMinute(window.last);
    item["result"] = window.evaluation().ResultWord;
    item["total"] = window.evaluation().TotalScore;
    list.push_back(std::move(item));
  }
  return list;
}

// The kalams, horas and choghadiyas; null and empty without a sunrise and a
// sunset to divide.
void WriteParts(const DayRequest& request, const std::optional<DayParts>& parts,
                ordered_json& json) {
  json["weekday"] =
      parts ? parts->weekday : std::string(WeekdayOfDate(request.year, request.month, request.day));
  json["rahu_kalam"] = parts ? SpanJson(parts->rahuKalam) : nullptr;
  json["yamaganda"] = parts ? SpanJson(parts->yamaganda) : nullptr;
  json["gulika_kalam"] = parts ? SpanJson(parts->gulikaKalam) : nullptr;
  json["abhijit"] = parts ? SpanJson(parts->abhijit) : nullptr;
  json["hora"] = parts ? PeriodsJson(parts->hora) : ordered_json::array();
  json["choghadiya"] = parts ? PeriodsJson(parts->choghadiya) : ordered_json::array();
}

ordered_json PolarJson(const RiseAndSet& sky) {
  if (sky.polarDay) return "day";
  if (sky.polarNight) return "night";
  return nullptr;
}

}  // namespace

ordered_json DayResponse(const DayRequest& request, const DayAtAGlance& day, bool asked) {
  ordered_json json;
  json["date"] = FormatLocalMinute({request.year, request.month, request.day, 0, 0}).substr(0, 10);
  json["sunrise"] = TimeJson(day.sky.sunrise);
  json["sunset"] = TimeJson(day.sky.sunset);
  json["next_sunrise"] = TimeJson(day.sky.nextSunrise);
  json["moonrise"] = TimeJson(day.sky.moonrise);
  json["moonset"] = TimeJson(day.sky.moonset);
  json["polar"] = PolarJson(day.sky);
  WriteParts(request, day.parts, json);
  json["elements"] = ElementsJson(day.elements);
  json["chart_moment"] = FormatLocalMinute(day.chartMoment);
  json["chart"] = ChartJson(day.chart);
  if (asked) json["verdicts"] = VerdictsJson(day.verdicts);
  return json;
}

}  // namespace horavela::cli

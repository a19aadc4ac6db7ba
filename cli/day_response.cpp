#include "cli/day_response.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calendar/civil_calendar.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

// How the sky's times and the day's parts are written: with the offset in
// force ("2011-12-31T07:01:18+14:00") on a day whose clock changes, so that
// a time in a repeated hour or beside a skipped one names its instant; as
// the plain clock otherwise.
struct TimeForm {
  bool withOffset = false;

  std::string Text(const LocalTime& time) const { return FormatDayTime(time, withOffset); }
  ordered_json Json(const std::optional<LocalTime>& time) const {
    if (!time) return nullptr;
    return Text(*time);
  }
};

ordered_json SpanJson(const Period& period, TimeForm form = {}) {
  ordered_json span;
  span["from"] = form.Text(period.from);
  span["to"] = form.Text(period.to);
  return span;
}

ordered_json PeriodsJson(const std::vector<Period>& periods, TimeForm form = {}) {
  ordered_json list = ordered_json::array();
  for (const Period& period : periods) {
    ordered_json item;
    item["name"] = period.name;
    item.update(SpanJson(period, form));
    list.push_back(std::move(item));
  }
  return list;
}

ordered_json AbhijitJson(const DayParts& parts, TimeForm form) {
  ordered_json json = SpanJson(parts.abhijit, form);
  json["observed"] = parts.abhijitObserved;
  return json;
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
    item["result"] = NameOf(window.evaluation().ResultWord);
    item["total"] = window.evaluation().TotalScore;
    list.push_back(std::move(item));
  }
  return list;
}

// Each stretch with what it is named for under `named` ("nakshatra",
// "sign"), its tara where it has one, and its verdict word.
ordered_json StrengthsJson(const std::vector<StrengthPeriod>& periods, const char* named) {
  ordered_json list = ordered_json::array();
  for (const StrengthPeriod& strength : periods) {
    ordered_json item;
    item[named] = strength.period.name;
    item.update(SpanJson(strength.period));
    if (!strength.tara.empty()) item["tara"] = strength.tara;
    item["verdict"] = NameOf(strength.verdict);
    list.push_back(std::move(item));
  }
  return list;
}

ordered_json PersonJson(const PersonDay& person) {
  ordered_json json;
  json["name"] = person.name;
  json["birth_star"] = person.birthStar;
  json["birth_moon_sign"] = person.birthMoonSign;
  json["tarabala"] = StrengthsJson(person.tarabala, "nakshatra");
  json["chandrabala"] = StrengthsJson(person.chandrabala, "sign");
  ordered_json spans = ordered_json::array();
  for (const Period& span : person.chandrashtama) spans.push_back(SpanJson(span));
  json["chandrashtama"] = spans;
  return json;
}

// The kalams, horas and choghadiyas; null and empty without a sunrise and a
// sunset to divide.
void WriteParts(const DayRequest& request, const std::optional<DayParts>& parts, TimeForm form,
                ordered_json& json) {
  json["weekday"] =
      parts ? parts->weekday : std::string(WeekdayOfDate(request.year, request.month, request.day));
  json["rahu_kalam"] = parts ? SpanJson(parts->rahuKalam, form) : nullptr;
  json["yamaganda"] = parts ? SpanJson(parts->yamaganda, form) : nullptr;
  json["gulika_kalam"] = parts ? SpanJson(parts->gulikaKalam, form) : nullptr;
  json["abhijit"] = parts ? AbhijitJson(*parts, form) : nullptr;
  json["hora"] = parts ? PeriodsJson(parts->hora, form) : ordered_json::array();
  json["choghadiya"] = parts ? PeriodsJson(parts->choghadiya, form) : ordered_json::array();
}

// The named muhurtas by the members that carry them.
constexpr std::pair<const char*, const char*> kNamedMembers[] = {
    {"Brahma muhurta", "brahma_muhurta"},   {"Pratah sandhya", "pratah_sandhya"},
    {"Vijaya muhurta", "vijaya_muhurta"},   {"Godhuli", "godhuli"},
    {"Sayahna sandhya", "sayahna_sandhya"}, {"Pradosh", "pradosh"},
    {"Nishita kaal", "nishita_kaal"},
};

// The durmuhurtas, the night's kalams, the named muhurtas, the Gowri
// panchangam, Varjyam and Amrit kalam (each named for its nakshatra); null
// and empty where the day or its night has none.
void WriteMuhurtas(const std::optional<DayMuhurtas>& muhurtas, TimeForm form, ordered_json& json) {
  json["durmuhurtam"] = muhurtas ? PeriodsJson(muhurtas->durmuhurtam, form) : ordered_json::array();
  ordered_json night = nullptr;
  if (muhurtas && muhurtas->nightKalams.size() == 3) {
    night = ordered_json::object();
    night["rahu_kalam"] = SpanJson(muhurtas->nightKalams[0], form);
    night["yamaganda"] = SpanJson(muhurtas->nightKalams[1], form);
    night["gulika_kalam"] = SpanJson(muhurtas->nightKalams[2], form);
  }
  json["night_kalams"] = night;
  for (const auto& [name, member] : kNamedMembers) {
    json[member] = nullptr;
    if (!muhurtas) continue;
    for (const Period& period : muhurtas->named) {
      if (period.name == name) json[member] = SpanJson(period, form);
    }
  }
  json["gowri"] = muhurtas ? PeriodsJson(muhurtas->gowri, form) : ordered_json::array();
  json["varjyam"] = muhurtas ? PeriodsJson(muhurtas->varjyam, form) : ordered_json::array();
  json["amrit_kalam"] = muhurtas ? PeriodsJson(muhurtas->amritKalam, form) : ordered_json::array();
}

ordered_json PolarJson(const RiseAndSet& sky) {
  const std::string_view kind = PolarKind(sky);
  if (kind.empty()) return nullptr;
  return std::string(kind);
}

}  // namespace

ordered_json DayResponse(const DayRequest& request, const DayAtAGlance& day, bool asked) {
  ordered_json json;
  json["date"] = FormatLocalMinute({request.year, request.month, request.day, 0, 0}).substr(0, 10);
  const TimeForm form{day.sky.clockChanges};
  json["sunrise"] = form.Json(day.sky.sunrise);
  json["sunset"] = form.Json(day.sky.sunset);
  json["next_sunrise"] = form.Json(day.sky.nextSunrise);
  json["moonrise"] = form.Json(day.sky.moonrise);
  json["moonset"] = form.Json(day.sky.moonset);
  json["polar"] = PolarJson(day.sky);
  WriteParts(request, day.parts, form, json);
  WriteMuhurtas(day.muhurtas, form, json);
  json["elements"] = ElementsJson(day.elements);
  json["chart_moment"] = FormatLocalMinute(day.chartMoment);
  json["chart"] = ChartJson(day.chart);
  if (asked) json["verdicts"] = VerdictsJson(day.verdicts);
  if (day.person) json["person"] = PersonJson(*day.person);
  return json;
}

}  // namespace horavela::cli

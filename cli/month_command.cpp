// `horavela-cli month`: a month on one page at a city of the atlas, one entry
// per civil day.
#include <cstdint>
#include <iomanip>
#include <new>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "calendar/civil_calendar.h"
#include "cli/atlas_place.h"
#include "cli/commands.h"
#include "cli/option_command.h"
#include "cli/response_writer.h"
#include "cli/settings_entry.h"
#include "cli/veto_json.h"
#include "engine/input_check.h"
#include "json/json_reader.h"
#include "tradition/month_at_a_glance.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

void CheckMonth(const MonthOptions& options) {
  if (Result<void> checked = CheckDateTime(options.year, options.month, 1, 0, 0, ""); !checked) {
    Problem problem = checked.error();
    problem.path = "--" + problem.path;  // "--year", "--month"
    throw RequestError(std::move(problem));
  }
}

std::string DateOf(const MonthAtAGlance& month, int day) {
  return FormatLocalMinute({month.year, month.month, day, 0, 0}).substr(0, 10);
}

std::string TimeText(const std::optional<LocalTime>& time, bool clockChanges) {
  return time ? FormatDayTime(*time, clockChanges) : std::string();
}

ordered_json PeriodJson(const std::optional<Period>& period, bool clockChanges, bool named) {
  if (!period) return nullptr;
  ordered_json json;
  if (named) json["name"] = period->name;
  json["from"] = FormatDayTime(period->from, clockChanges);
  json["to"] = FormatDayTime(period->to, clockChanges);
  return json;
}

ordered_json DayJson(const MonthAtAGlance& month, const MonthDay& cell) {
  ordered_json json;
  json["date"] = DateOf(month, cell.day);
  json["weekday"] = cell.weekday;
  json["sunrise"] =
      cell.sunrise ? ordered_json(TimeText(cell.sunrise, cell.clockChanges)) : nullptr;
  json["sunset"] = cell.sunset ? ordered_json(TimeText(cell.sunset, cell.clockChanges)) : nullptr;
  json["tithi"] = PeriodJson(cell.tithi, cell.clockChanges, true);
  json["nakshatra"] = PeriodJson(cell.nakshatra, cell.clockChanges, true);
  json["rahu_kalam"] = PeriodJson(cell.rahuKalam, cell.clockChanges, false);
  ordered_json vetoes = ordered_json::array();
  for (const VetoPeriod& period : cell.vetoes) vetoes.push_back(std::string(KeyOf(period.veto)));
  json["vetoes"] = vetoes;
  return json;
}

// Each veto period once, in the order the days meet them.
std::vector<VetoPeriod> PeriodsOfMonth(const MonthAtAGlance& month) {
  std::vector<VetoPeriod> periods;
  for (const MonthDay& cell : month.days) {
    for (const VetoPeriod& period : cell.vetoes) {
      if (std::find(periods.begin(), periods.end(), period) == periods.end())
        periods.push_back(period);
    }
  }
  return periods;
}

std::string ClockOf(const LocalTime& time, const MonthAtAGlance& month, int day) {
  return ClockOnDay(time, month.year, month.month, day);
}

std::string PeriodText(const std::optional<Period>& period, const MonthAtAGlance& month, int day) {
  if (!period) return "-";
  return period->name + " to " + ClockOf(period->to, month, day);
}

std::string CellLine(const MonthAtAGlance& month, const MonthDay& cell) {
  std::ostringstream out;
  out << std::setw(2) << std::right << cell.day << ' ' << std::left << std::setw(3)
      << cell.weekday.substr(0, 3) << "  "
      << (cell.sunrise ? ClockOf(*cell.sunrise, month, cell.day) : "--:--") << ' '
      << (cell.sunset ? ClockOf(*cell.sunset, month, cell.day) : "--:--") << "  ";
  out << std::setw(34) << PeriodText(cell.tithi, month, cell.day) << std::setw(28)
      << PeriodText(cell.nakshatra, month, cell.day);
  out << (cell.rahuKalam ? ClockOf(cell.rahuKalam->from, month, cell.day) + "-" +
                               ClockOf(cell.rahuKalam->to, month, cell.day)
                         : std::string("-"));
  for (std::size_t i = 0; i < cell.vetoes.size(); ++i)
    out << (i == 0 ? "  " : ", ") << NameOf(cell.vetoes[i].veto);
  std::string line = out.str();
  line.erase(line.find_last_not_of(' ') + 1);
  return line + '\n';
}

std::string Text(const Place& place, const MonthAtAGlance& month, const PlaceClock& clock) {
  std::ostringstream out;
  out << "Month " << DateOf(month, 1).substr(0, 7) << " at " << PlaceLabel(place) << " ("
      << place.timeZone << ")\n"
      << "Day      Rise  Set    Tithi at sunrise, ends              Nakshatra, ends"
      << "             Rahu kalam   Vetoes\n";
  for (const MonthDay& cell : month.days) out << CellLine(month, cell);
  const std::vector<std::string> lines = VetoLines(PeriodsOfMonth(month), clock);
  out << (lines.empty() ? "No veto of the tradition is in force that month.\n"
                        : "Vetoes the tradition observes that month:\n");
  for (const std::string& line : lines) out << "  " << line << '\n';
  return out.str();
}

void Answer(const MonthOptions& options, std::ostream& out) {
  CheckMonth(options);
  const Place place = PlaceOption(options.place);
  MonthRequest request;
  request.where() = ZonedPlaceOf(place, "--place");
  request.year = options.year;
  request.month = options.month;
  request.vetoes.regional = options.regional;
  request.settings = SettingsOfOptions(options.settings);
  const MonthAtAGlance month = ComputeMonth(request, SwissEphemeris());
  const PlaceClock clock(request.where());
  if (options.text) {
    out << Text(place, month, clock);
    return;
  }
  ordered_json json;
  json["place"] = PlaceJson(place);
  json["year"] = month.year;
  json["month"] = month.month;
  AddSettings(json, request.settings);
  ordered_json days = ordered_json::array();
  for (const MonthDay& cell : month.days) days.push_back(DayJson(month, cell));
  json["days"] = days;
  json["vetoes"] = VetoPeriodsJson(PeriodsOfMonth(month), clock);
  out << Serialize(json, true) << '\n';
}

}  // namespace

int RunMonth(const MonthOptions& options, std::ostream& out) {
  return AnswerOptionCommand([&] { Answer(options, out); }, "month", options.text, out);
}

}  // namespace horavela::cli

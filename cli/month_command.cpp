// `horavela-cli month`: a month on one page at a city of the atlas, one entry
// per civil day.
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <new>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "calendar/civil_calendar.h"
#include "cli/atlas_place.h"
#include "cli/book_command.h"
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

// The book's person the options name, with their subject where given,
// checked as a search of the month is.
SearchRequest PersonRequest(const MonthOptions& options, int year, int month,
                            std::ostream& notices) {
  const book::Person person = PersonOfBook(options.person, options.bookPath, notices);
  SearchRequest search;
  search.name = person.name;
  search.sex = person.sex;
  search.birth = person.birth;
  if (!options.subject.empty()) {
    search.subjects.push_back(options.subject);
    search.from = {year, month, 1, 0, 0};
    search.to = {year, month, DaysInMonth(year, month), 23, 59};
    if (const Result<void> checked = CheckSearchRequest(search); !checked) {
      Problem problem = checked.error();
      problem.path = "--" + problem.path;  // "--subject"
      throw RequestError(std::move(problem));
    }
  }
  return search;
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

// The day's best window for the person's subject; null on a day without.
ordered_json BestJson(const std::optional<SearchWindow>& best) {
  if (!best) return nullptr;
  ordered_json json;
  json["from"] = FormatLocalMinute(best->first);
  json["to"] = FormatLocalMinute(best->last);
  json["result"] = NameOf(best->evaluation().ResultWord);
  json["total"] = best->evaluation().TotalScore;
  return json;
}

// With a person: their chandrashtama that day, whole, and with a subject
// the best window.
void WritePerson(const MonthRequest& request, const MonthDay& cell, ordered_json& json) {
  if (!request.person) return;
  ordered_json spans = ordered_json::array();
  for (const Period& span : cell.chandrashtama)
    spans.push_back({{"from", FormatLocalTime(span.from)}, {"to", FormatLocalTime(span.to)}});
  json["chandrashtama"] = spans;
  if (!request.person->subjects.empty()) json["best"] = BestJson(cell.best);
}

ordered_json DayJson(const MonthRequest& request, const MonthAtAGlance& month,
                     const MonthDay& cell) {
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
  WritePerson(request, cell, json);
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

std::string ClockOf(const LocalMinute& minute, const MonthAtAGlance& month, int day) {
  return ClockOf(LocalTime(minute.year, minute.month, minute.day, minute.hour, minute.minute),
                 month, day);
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
  out << std::setw(34) << PeriodText(cell.tithi, month, cell.day) << std::setw(29)
      << PeriodText(cell.nakshatra, month, cell.day);  // "Poorva Bhadrapada to 02:34+1" and a space
  out << (cell.rahuKalam ? ClockOf(cell.rahuKalam->from, month, cell.day) + "-" +
                               ClockOf(cell.rahuKalam->to, month, cell.day)
                         : std::string("-"));
  for (std::size_t i = 0; i < cell.vetoes.size(); ++i)
    out << (i == 0 ? "  " : ", ") << NameOf(cell.vetoes[i].veto);
  std::string line = out.str();
  line.erase(line.find_last_not_of(' ') + 1);
  line += '\n';
  // The person's marks under the day's line.
  if (const std::string mark = ChandrashtamaMark(cell, month.year, month.month); !mark.empty())
    line += "        " + mark + '\n';
  if (cell.best)
    line += "        Best " + ClockOf(cell.best->first, month, cell.day) + " to " +
            ClockOf(cell.best->last, month, cell.day) + " " +
            std::string(NameOf(cell.best->evaluation().ResultWord)) + '\n';
  return line;
}

std::string Text(const Place& place, const MonthAtAGlance& month, const PlaceClock& clock) {
  std::ostringstream out;
  out << "Month " << DateOf(month, 1).substr(0, 7) << " at " << PlaceLabel(place) << " ("
      << place.timeZone << ")\n"
      << "Day      Rise  Set    Tithi at sunrise, ends              Nakshatra, ends"
      << "              Rahu kalam   Vetoes\n";
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
  if (!options.person.empty())
    request.person = PersonRequest(options, request.year, request.month, std::cerr);
  else if (!options.subject.empty())
    throw RequestError("--subject: a subject's best windows are for a person: give --person too");
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
  if (request.person) json["person"] = request.person->name;
  for (const MonthDay& cell : month.days) days.push_back(DayJson(request, month, cell));
  json["days"] = days;
  json["vetoes"] = VetoPeriodsJson(PeriodsOfMonth(month), clock);
  out << Serialize(json, true) << '\n';
}

}  // namespace

int RunMonth(const MonthOptions& options, std::ostream& out) {
  return AnswerOptionCommand([&] { Answer(options, out); }, "month", options.text, out);
}

}  // namespace horavela::cli

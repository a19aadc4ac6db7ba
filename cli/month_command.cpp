// `horavela-cli month`: a month on one page at a city of the atlas, one entry
// per civil day.
#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <new>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "almanac/day_at_a_glance.h"
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
#include "language/catalog.h"
#include "language/element_names.h"
#include "report/utf8.h"
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

// The table's columns: the day, its weekday, rise and set, the tithi and the
// nakshatra at sunrise with their ends, Rahu kalam, the vetoes.
constexpr int kTithiWidth = 34;      // "Chathurthi (Shukla) to 09:15" and room
constexpr int kNakshatraWidth = 29;  // "Poorva Bhadrapada to 02:34+1" and a space

// English abbreviates the weekday to three letters; another language writes
// it whole, in a column as wide as its longest name.
int WeekdayWidth(Language language) {
  if (language == Language::English) return 3;
  int width = 0;
  for (int i = 0; i < 7; ++i)
    width = std::max(width, DisplayWidth(NameOf(FromIndex<Weekday>(i), language)));
  return width;
}

std::string WeekdayText(const MonthDay& cell, Language language) {
  if (language == Language::English) return cell.weekday.substr(0, 3);
  return std::string(NameOf(cell.weekdayValue, language));
}

std::string PeriodText(const std::optional<Period>& period, const MonthAtAGlance& month, int day,
                       const Words& say) {
  if (!period) return "-";
  return Formatted(TranslatedMeaning("%1, running until %2", "%1 to %2", say.language),
                   {NameOf(*period, say.language), ClockOf(period->to, month, day)});
}

std::string CellLine(const MonthAtAGlance& month, const MonthDay& cell, const Words& say) {
  std::ostringstream out;
  out << std::setw(2) << std::right << cell.day << ' '
      << PaddedTo(WeekdayText(cell, say.language), WeekdayWidth(say.language)) << "  "
      << (cell.sunrise ? ClockOf(*cell.sunrise, month, cell.day) : "--:--") << ' '
      << (cell.sunset ? ClockOf(*cell.sunset, month, cell.day) : "--:--") << "  ";
  out << PaddedTo(PeriodText(cell.tithi, month, cell.day, say), kTithiWidth)
      << PaddedTo(PeriodText(cell.nakshatra, month, cell.day, say), kNakshatraWidth);
  out << (cell.rahuKalam ? ClockOf(cell.rahuKalam->from, month, cell.day) + "-" +
                               ClockOf(cell.rahuKalam->to, month, cell.day)
                         : std::string("-"));
  for (std::size_t i = 0; i < cell.vetoes.size(); ++i)
    out << (i == 0 ? "  " : ", ") << NameOf(cell.vetoes[i].veto, say.language);
  std::string line = out.str();
  line.erase(line.find_last_not_of(' ') + 1);
  line += '\n';
  // The person's marks under the day's line.
  if (const std::string mark = ChandrashtamaMark(cell, month.year, month.month, say.language);
      !mark.empty())
    line += "        " + mark + '\n';
  if (cell.best)
    line += "        " +
            Formatted(say("Best %1 to %2 %3"), {ClockOf(cell.best->first, month, cell.day),
                                                ClockOf(cell.best->last, month, cell.day),
                                                say(NameOf(cell.best->evaluation().ResultWord))}) +
            '\n';
  return line;
}

// The columns' headings over the cells' widths.
std::string HeaderLine(const Words& say) {
  std::string line = PaddedTo(say("Day"), 6 + WeekdayWidth(say.language));
  line += PaddedTo(say("Rise"), 6);
  line += PaddedTo(say("Set"), 7);
  line += PaddedTo(say("Tithi at sunrise, ends"), kTithiWidth + 2);
  line += PaddedTo(say("Nakshatra, ends"), kNakshatraWidth);
  line += PaddedTo(say("Rahu kalam"), 13);
  line += say("Vetoes");
  return line;
}

std::string Text(const Place& place, const MonthAtAGlance& month, const PlaceClock& clock,
                 const Words& say) {
  std::ostringstream out;
  out << Formatted(say("Month %1 at %2"), {DateOf(month, 1).substr(0, 7), PlaceLabel(place)})
      << " (" << place.timeZone << ")\n"
      << HeaderLine(say) << '\n';
  for (const MonthDay& cell : month.days) out << CellLine(month, cell, say);
  const std::vector<std::string> lines = VetoLines(PeriodsOfMonth(month), clock, say.language);
  out << say(lines.empty() ? "No veto of the tradition is in force that month."
                           : "Vetoes the tradition observes that month:")
      << '\n';
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
    out << InDigits(Text(place, month, clock, Words{options.language}), options.language,
                    options.digits);
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

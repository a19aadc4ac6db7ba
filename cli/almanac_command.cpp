// `horavela-cli almanac`: the tradition's veto periods over a range of days at
// a city of the atlas.
#include <algorithm>
#include <array>
#include <cstdint>
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
#include "language/catalog.h"
#include "tradition/observance_table.h"
#include "tradition/veto.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

// The longest range answered, in years: a decade of almanacs.
constexpr int kMaxRangeYears = 10;

struct Range {
  CivilDate from;
  CivilDate to;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "2026-01-31", a date of the years the program reckons.
CivilDate ParseDate(const std::string& text, const std::string& option) {
  const bool shaped =
      text.size() == 10 && text[4] == '-' && text[7] == '-' &&
      std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '-'; });
  if (!shaped)
    throw RequestError(
        Problem{option, "must be a date YYYY-MM-DD, not " + messages::Echo(text), Rule::WrongType});
  const CivilDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                       std::stoi(text.substr(8, 2))};
  if (Result<void> checked = CheckDateTime(date.year, date.month, date.day, 0, 0, option);
      !checked) {
    Problem problem = checked.error();
    std::replace(problem.path.begin(), problem.path.end(), '.', ' ');  // "--from year"
    throw RequestError(std::move(problem));
  }
  return date;
}

std::int64_t DaysOf(const CivilDate& date) {
  return DaysFromCivil(date.year, date.month, date.day);
}

std::string DateText(const CivilDate& date) {
  return FormatLocalMinute({date.year, date.month, date.day, 0, 0}).substr(0, 10);
}

Range ParseRange(const AlmanacOptions& options) {
  const Range range{ParseDate(options.from, "--from"), ParseDate(options.to, "--to")};
  if (DaysOf(range.to) < DaysOf(range.from))
    throw RequestError(
        Problem{"--to", "is before --from (" + DateText(range.from) + ")", Rule::Inconsistent});
  const std::array<int, 3> last{range.to.year, range.to.month, range.to.day};
  if (last > std::array{range.from.year + kMaxRangeYears, range.from.month, range.from.day})
    throw RequestError(
        Problem{"--to", "must be at most 10 years after --from", Rule::RangeTooLong});
  return range;
}

VetoOptions VetoChoices(const AlmanacOptions& options) {
  VetoOptions choices;
  choices.regional = options.regional;
  choices.months =
      options.months == "purnimanta" ? MonthConvention::Purnimanta : MonthConvention::Amanta;
  choices.settings = SettingsOfOptions(options.settings);
  return choices;
}

// The periods overlapping the range's days at the place; the regional ones
// only when asked for.
std::vector<VetoPeriod> PeriodsOver(const PlaceClock& clock, const Range& range,
                                    const VetoOptions& choices) {
  const std::int64_t first = clock.UniversalOf(
      {range.from.year, range.from.month, range.from.day, 0, 0}, PlaceClock::Run::First);
  const std::int64_t last = clock.UniversalOf({range.to.year, range.to.month, range.to.day, 23, 59},
                                              PlaceClock::Run::Last);
  std::vector<VetoPeriod> periods = VetoPeriodsOver(clock, first, last, SwissEphemeris(), choices);
  if (!choices.regional)
    std::erase_if(periods, [](const VetoPeriod& period) {
      return (observance::kRegional & VetoBit(period.veto)) != 0;
    });
  return periods;
}

std::string Text(const Place& place, const Range& range, const std::vector<std::string>& lines,
                 const Words& say) {
  std::ostringstream out;
  out << Formatted(
             say(lines.empty() ? "No vetoes at %1 (%2), %3 to %4" : "Vetoes at %1 (%2), %3 to %4:"),
             {PlaceLabel(place), place.timeZone, DateText(range.from), DateText(range.to)})
      << '\n';
  for (const std::string& line : lines) out << "  " << line << '\n';
  return out.str();
}

void Answer(const AlmanacOptions& options, std::ostream& out) {
  const Range range = ParseRange(options);
  const Place place = PlaceOption(options.place);
  const PlaceClock clock(ZonedPlaceOf(place, "--place"));
  const VetoOptions choices = VetoChoices(options);
  const std::vector<VetoPeriod> periods = PeriodsOver(clock, range, choices);
  if (options.text) {
    out << InDigits(
        Text(place, range, VetoLines(periods, clock, options.language), Words{options.language}),
        options.language, options.digits);
    return;
  }
  ordered_json json;
  json["place"] = PlaceJson(place);
  json["from"] = DateText(range.from);
  json["to"] = DateText(range.to);
  AddSettings(json, choices.settings);
  json["vetoes"] = VetoPeriodsJson(periods, clock);
  out << Serialize(json, true) << '\n';
}

}  // namespace

int RunAlmanac(const AlmanacOptions& options, std::ostream& out) {
  return AnswerOptionCommand([&] { Answer(options, out); }, "almanac", options.text, out);
}

}  // namespace horavela::cli

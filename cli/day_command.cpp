#include <cstdint>
#include <exception>
#include <iostream>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/zone_following.h"
#include "calendar/civil_calendar.h"
#include "cli/commands.h"
#include "cli/day_response.h"
#include "cli/day_text.h"
#include "cli/known_keys.h"
#include "cli/request_parser.h"
#include "cli/response_writer.h"
#include "cli/settings_entry.h"
#include "cli/veto_json.h"
#include "engine/input_check.h"
#include "json/json_reader.h"
#include "json/time_zone_entry.h"
#include "rules/subjects.h"
#include "tradition/day_vetoes.h"

namespace horavela::cli {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

void Check(const Result<void>& checked) {
  if (!checked) throw RequestError(checked.error());
}

void ParseDate(const json& request, DayRequest& day) {
  const json& date = ObjectField(request, "", "date");
  day.year = Int16Field(date, "date", "year");
  day.month = Int16Field(date, "date", "month");
  day.day = Int16Field(date, "date", "day");
  Check(CheckDateTime(day.year, day.month, day.day, 0, 0, "date"));
}

// The chart's clock time on the day; noon when not given.
void ParseChartTime(const json& request, DayRequest& day) {
  if (FindMember(request, "time") == nullptr) return;
  const json& time = ObjectField(request, "", "time");
  const int hour = Int16Field(time, "time", "hour");
  const int minute = Int16Field(time, "time", "minute");
  Check(CheckDateTime(day.year, day.month, day.day, hour, minute, "time"));
  day.chartMoment = LocalMinute{day.year, day.month, day.day, hour, minute};
}

// A chart time the clocks skip or run through twice is refused, as a moment
// with "tz" is in `evaluate`. Without a time the chart's noon is checked: on a
// date the clocks skipped whole (Apia's 30 December 2011) there is no day.
void CheckChartTimeOnClock(const TimeZoneRules& rules, const DayRequest& day) {
  const LocalMinute chart =
      day.chartMoment.value_or(LocalMinute{day.year, day.month, day.day, 12, 0});
  MomentEntry moment = MomentOf(chart, day.place);
  ApplyTimeZone(rules, moment, day.chartMoment ? "time" : "date");
}

// The person of a birth and, with a subject, the verdict band's subject,
// checked as a search of the day is; a birth alone is the person's day
// without the band.
std::optional<MomentRequest> ParseVerdicts(const json& request, DayRequest& day) {
  const bool subject = FindMember(request, "subject") != nullptr;
  if (!subject && FindMember(request, "birth") == nullptr) return std::nullopt;
  SearchRequest search;
  MomentRequest birth = subject ? ParseSearchPerson(request, search) : ParsePerson(request, search);
  search.place = day.place;
  search.from = {day.year, day.month, day.day, 0, 0};
  search.to = {day.year, day.month, day.day, 23, 59};
  search.minResult = "Bad";
  Check(subject ? CheckSearchRequest(search) : CheckPerson(search));
  day.verdicts = std::move(search);
  return birth;
}

DayRequest ParseDay(const json& request) {
  RequireObject(request);
  DayRequest day;
  ParseDate(request, day);
  PlaceRequest place = ParsePlace(ObjectField(request, "", "place"), "place");
  day.place = std::move(place.place);
  Check(CheckPlace(day.place, "place"));
  ParseChartTime(request, day);
  day.settings = ParseSettingsField(request);
  const std::optional<MomentRequest> birth = ParseVerdicts(request, day);

  if (birth && !birth->timeZone.empty())
    ApplyTimeZone(LoadTimeZone(birth->timeZone, "birth.tz"), day.verdicts->birth, "birth");
  if (!place.timeZone.empty()) {
    const TimeZoneRules rules = LoadTimeZone(place.timeZone, "place.tz");
    // The elements run on into the next day, to its sunrise.
    const CivilDate next = CivilFromDays(DaysFromCivil(day.year, day.month, day.day) + 1);
    Check(CheckZoneOverRange(rules, day.place, {day.year, day.month, day.day, 0, 0},
                             {next.year, next.month, next.day, 23, 59}, "place"));
    day.zone = Follow(rules);
    CheckChartTimeOnClock(rules, day);
  }
  CheckZoneSigns(day.place, "place");
  if (day.verdicts) {
    CheckZoneSigns(day.verdicts->birth.place, "birth");
    day.verdicts->zone = day.zone;
    Check(CheckRangeAfterBirth(*day.verdicts));
  }
  return day;
}

// The JSON answer, or with --text the summary; either with the tradition's
// vetoes in force at some minute of the day, all of them (the day names no
// undertaking to choose among them).
void Answer(const DayRequest& request, const DayAtAGlance& day,
            const std::vector<std::string>& warnings, const AnswerOptions& options,
            std::ostream& out) {
  const PlaceClock clock(request.where());
  const std::vector<VetoPeriod> vetoes =
      VetoPeriodsOnDay(clock, request.year, request.month, request.day, SwissEphemeris(),
                       WithSettings({}, request.settings));
  if (options.text) {
    out << InDigits(DayText(request, day, warnings, VetoLines(vetoes, clock, options.textLanguage),
                            options.textLanguage),
                    options.textLanguage, options.textDigits);
    return;
  }
  const bool asked = request.verdicts && !request.verdicts->subjects.empty();
  ordered_json response = DayResponse(request, day, asked);
  response["vetoes"] = VetoPeriodsJson(vetoes, clock);
  AddSettings(response, request.settings);
  if (!warnings.empty()) response["warnings"] = warnings;
  out << Serialize(response, true) << '\n';
}

void Refuse(const std::string& message, const AnswerOptions& options, std::ostream& out) {
  const ordered_json response = ErrorResponse(message);
  out << (options.text ? ErrorText(response) : Serialize(response, true) + '\n');
}

int ReadAndAnswer(const std::string& inputFile, const AnswerOptions& options, std::istream& in,
                  std::ostream& out) {
  std::string text;
  std::string error;
  if (const int status = ReadRequestText(inputFile, in, text, error); status != kExitOk) {
    Refuse(error, options, out);
    return status;
  }
  try {
    const json requestJson = ParseJsonText(text);
    RequireObject(requestJson);
    const std::vector<std::string> warnings =
        CheckKeys(requestJson, RequestKind::kDay, options.strict, std::cerr);
    const DayRequest request = ParseDay(requestJson);
    const DayAtAGlance day = ComputeDay(request, SwissEphemeris());
    Answer(request, day, warnings, options, out);
    return kExitOk;
  } catch (const RequestError& e) {
    Refuse(e.what(), options, out);
    return kExitBadRequest;
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    Refuse(std::string("the day failed: ") + e.what(), options, out);
    return kExitFailure;
  }
}

}  // namespace

int RunDay(const std::string& inputFile, std::istream& in, std::ostream& out,
           const AnswerOptions& options) {
  try {
    const int status = ReadAndAnswer(inputFile, options, in, out);
    out.flush();
    return out ? status : kExitFailure;
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli

#include <cstddef>
#include <cstdint>
#include <exception>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "almanac/avoided_kalams.h"
#include "cli/commands.h"
#include "cli/json_reader.h"
#include "cli/request_parser.h"
#include "cli/response_writer.h"
#include "cli/search_response.h"
#include "cli/time_zone_entry.h"
#include "ics/calendar_file.h"
#include "report/atomic_file.h"
#include "rules/subjects.h"
#include "search/muhurta_finder.h"
#include "search/windows_csv.h"
#include "search/zone_following.h"

namespace horavela::cli {

namespace {

using nlohmann::json;

LocalMinute ParseLocalMinute(const json& request, const char* key) {
  const json& object = ObjectField(request, "", key);
  LocalMinute minute;
  minute.year = Int16Field(object, key, "year");
  minute.month = Int16Field(object, key, "month");
  minute.day = Int16Field(object, key, "day");
  minute.hour = Int16Field(object, key, "hour");
  minute.minute = Int16Field(object, key, "minute");
  return minute;
}

// A whole number of at least 1; JSON reads one without a sign as unsigned.
std::size_t MaxWindows(const json& value) {
  if (!value.is_number_unsigned() || value.get<std::uint64_t>() == 0)
    throw RequestError(Problem{"max_windows", messages::NotAWholeCount(), Rule::OutOfRange});
  return static_cast<std::size_t>(value.get<std::uint64_t>());
}

// The kalams to leave out: names, each at most once in effect.
std::set<Kalam> Avoid(const json& value) {
  if (!value.is_array())
    throw RequestError(Problem{"avoid",
                               messages::WrongType("an array of kalam names", DescribeValue(value)),
                               Rule::WrongType});
  std::set<Kalam> kalams;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string path = "avoid[" + std::to_string(i) + "]";
    const std::string name = StringValue(value[i], path);
    const std::optional<Kalam> kalam = KalamNamed(name);
    if (!kalam)
      throw RequestError(Problem{
          path,
          "must be \"rahu_kalam\", \"yamaganda\" or \"gulika_kalam\", not " + messages::Echo(name),
          Rule::UnknownText});
    kalams.insert(*kalam);
  }
  return kalams;
}

// `zone`, when given, receives the tz-database zone the place follows.
SearchRequest ParseSearch(const json& request, std::set<Kalam>& avoid,
                          std::optional<TimeZoneRules>* zone = nullptr) {
  RequireObject(request);
  SearchRequest search;
  const MomentRequest birth = ParseSearchPerson(request, search);
  PlaceRequest place = ParsePlace(ObjectField(request, "", "place"), "place");
  search.place = std::move(place.place);
  search.from = ParseLocalMinute(request, "from");
  search.to = ParseLocalMinute(request, "to");
  if (FindMember(request, "min_result") != nullptr)
    search.minResult = StringField(request, "", "min_result");
  if (const json* max = FindMember(request, "max_windows")) search.maxWindows = MaxWindows(*max);
  if (const json* total = FindMember(request, "min_total"))
    search.minTotal = Int16Value(*total, "min_total");
  if (const json* kalams = FindMember(request, "avoid")) avoid = Avoid(*kalams);

  if (std::optional<Problem> problem = CheckSearchRequest(search)) throw RequestError(*problem);
  if (!birth.timeZone.empty())
    ApplyTimeZone(LoadTimeZone(birth.timeZone, "birth.tz"), search.birth, "birth");
  if (!place.timeZone.empty()) {
    const TimeZoneRules rules = LoadTimeZone(place.timeZone, "place.tz");
    if (std::optional<Problem> problem =
            CheckZoneOverRange(rules, search.place, search.from, search.to, "place"))
      throw RequestError(*problem);
    search.zoneAt = ZoneMinuteByMinute(rules);
    if (zone != nullptr) *zone = rules;
  }
  CheckZoneSigns(search.birth.place, "birth");
  CheckZoneSigns(search.place, "place");
  if (std::optional<Problem> problem = CheckRangeAfterBirth(search)) throw RequestError(*problem);
  return search;
}

// The CSV of the listed windows, kept while they stream out as JSON.
struct CsvCollector {
  bool wanted = false;
  std::string text;
};

// The listed windows for the calendar file, which is built once they are all in.
struct CalendarCollector {
  bool wanted = false;
  std::vector<SearchWindow> windows;
};

// The files asked for, whole, or none of them: an empty string, or why not.
std::string WriteFiles(const std::vector<std::pair<std::string, std::string>>& files) {
  AtomicWriteSet set;
  for (const auto& [path, contents] : files) {
    if (path.empty()) continue;
    if (std::string error = set.Prepare(path, contents); !error.empty()) return error;
  }
  return set.Commit();
}

int ReadAndSearch(const std::string& inputFile, const SearchFiles& files, std::istream& in,
                  std::ostream& out) {
  std::string text;
  std::string error;
  if (const int status = ReadRequestText(inputFile, in, text, error); status != kExitOk) {
    out << Serialize(ErrorResponse(error), true) << '\n';
    out.flush();
    return status;
  }
  // The windows go out as the finder lists them.
  SearchResponseWriter writer(out);
  SearchControl control;
  CsvCollector csv{!files.csv.empty(), files.csv.empty() ? "" : WindowsCsvHeader()};
  CalendarCollector calendar{!files.ics.empty(), {}};
  control.windows = [&writer, &csv, &calendar](const SearchWindow& window) {
    writer.Window(window);
    if (csv.wanted) csv.text += WindowsCsvLine(window);
    if (calendar.wanted) calendar.windows.push_back(window);
  };
  int status = kExitOk;
  try {
    std::set<Kalam> avoid;
    CalendarPlace place;
    SearchRequest request = ParseSearch(ParseJsonText(text), avoid, &place.zone);
    place.place = request.place;
    request.excluded = KalamMinutes(request, avoid);
    const SearchResult result = FindMuhurtaWindows(request, SwissEphemeris(), control);
    if (csv.wanted || calendar.wanted) {
      const std::string ics =
          calendar.wanted ? WindowsCalendar(calendar.windows, place, NowUtcSeconds()) : "";
      if (const std::string error = WriteFiles({{files.csv, csv.text}, {files.ics, ics}});
          !error.empty()) {
        writer.Fail(error);
        out.flush();
        return kExitFailure;
      }
    }
    writer.Finish(result);
  } catch (const RequestError& e) {
    writer.Fail(e.what());
    status = kExitBadRequest;
  } catch (const std::bad_alloc&) {
    writer.Fail(kOutOfMemory);
    status = kExitFailure;
  } catch (const std::exception& e) {
    writer.Fail(std::string("the search failed: ") + e.what());
    status = kExitFailure;
  }
  out.flush();
  return out ? status : kExitFailure;
}

}  // namespace

ParsedSearch ParseSearchRequest(std::string_view text) {
  ParsedSearch parsed;
  try {
    std::set<Kalam> avoid;
    parsed.request = ParseSearch(ParseJsonText(text), avoid);
  } catch (const RequestError& e) {
    parsed = ParsedSearch();
    parsed.error = e.what();
  }
  return parsed;
}

int RunSearch(const std::string& inputFile, std::istream& in, std::ostream& out,
              const SearchFiles& files) {
  try {
    return ReadAndSearch(inputFile, files, in, out);
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <iostream>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "almanac/avoided_kalams.h"
#include "atlas/zone_following.h"
#include "cli/commands.h"
#include "cli/known_keys.h"
#include "cli/request_parser.h"
#include "cli/response_writer.h"
#include "cli/search_response.h"
#include "cli/search_text.h"
#include "cli/settings_entry.h"
#include "cli/veto_json.h"
#include "ics/calendar_file.h"
#include "json/json_reader.h"
#include "json/time_zone_entry.h"
#include "report/atomic_file.h"
#include "rules/subjects.h"
#include "search/muhurta_finder.h"
#include "search/windows_csv.h"
#include "usecases/search.h"

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

// A string member that must be one of `choices`, each with its value.
template <typename Value>
Value OneOfField(const json& request, const char* key,
                 std::initializer_list<std::pair<const char*, Value>> choices) {
  const std::string text = StringField(request, "", key);
  std::string listed;
  for (const auto& [name, value] : choices) {
    if (text == name) return value;
    listed += (listed.empty() ? "\"" : ", \"") + std::string(name) + "\"";
  }
  throw RequestError(Problem{key, "must be one of " + listed + ", not " + messages::Echo(text),
                             Rule::UnknownText});
}

// How the search treats the tradition's vetoes and panchanga shuddhi.
AlmanacChoice ParseAlmanac(const json& request) {
  AlmanacChoice almanac;
  if (FindMember(request, "almanac") != nullptr)
    almanac.mode = OneOfField<AlmanacMode>(request, "almanac",
                                           {{"ignore", AlmanacMode::Ignore},
                                            {"show", AlmanacMode::Show},
                                            {"observe", AlmanacMode::Observe}});
  if (FindMember(request, "regional_vetoes") != nullptr)
    almanac.options.regional = BoolField(request, "", "regional_vetoes");
  if (FindMember(request, "month_convention") != nullptr)
    almanac.options.months = OneOfField<MonthConvention>(
        request, "month_convention",
        {{"amanta", MonthConvention::Amanta}, {"purnimanta", MonthConvention::Purnimanta}});
  return almanac;
}

// The zones a request names, resolved once its own checks have passed: the
// captions of each birth for its moment, and the zone the place follows.
struct NamedZones {
  std::string birth;
  std::string partnerBirth;
  std::string place;
};

std::function<Result<void>(SearchRequest&)> ZoneResolver(NamedZones zones) {
  return [zones = std::move(zones)](SearchRequest& search) -> Result<void> {
    try {
      if (!zones.birth.empty())
        ApplyTimeZone(LoadTimeZone(zones.birth, "birth.tz"), search.birth, "birth");
      if (!zones.partnerBirth.empty() && search.partner)
        ApplyTimeZone(LoadTimeZone(zones.partnerBirth, "partner.birth.tz"), search.partner->birth,
                      "partner.birth");
      if (!zones.place.empty()) search.zone = Follow(LoadTimeZone(zones.place, "place.tz"));
      return {};
    } catch (const RequestError& e) {
      return Unexpected(e.problem());
    }
  };
}

PreparedSearch ParseSearch(const json& request) {
  RequireObject(request);
  SearchEntries entries;
  SearchRequest& search = entries.request;
  const MomentRequest birth = ParseSearchPerson(request, search);
  std::string partnerZone;
  search.partner = ParsePartner(request, partnerZone);
  PlaceRequest place = ParsePlace(ObjectField(request, "", "place"), "place");
  search.place = std::move(place.place);
  search.from = ParseLocalMinute(request, "from");
  search.to = ParseLocalMinute(request, "to");
  if (FindMember(request, "min_result") != nullptr)
    search.minResult = StringField(request, "", "min_result");
  if (const json* max = FindMember(request, "max_windows")) search.maxWindows = MaxWindows(*max);
  if (const json* total = FindMember(request, "min_total"))
    search.minTotal = Int16Value(*total, "min_total");
  if (const json* kalams = FindMember(request, "avoid")) entries.avoid = Avoid(*kalams);
  entries.almanac = ParseAlmanac(request);
  search.settings = ParseSettingsField(request);
  entries.resolveZone = ZoneResolver({birth.timeZone, std::move(partnerZone), place.timeZone});
  entries.zoneSignsChecked = true;
  Result<PreparedSearch> prepared = PrepareSearch(std::move(entries));
  if (!prepared) throw RequestError(prepared.error());
  return std::move(*prepared);
}

// The CSV of the listed windows, kept while they stream out as JSON.
struct CsvCollector {
  bool wanted = false;
  std::string text;
};

// The listed windows, for what is built once they are all in.
struct ListedWindows {
  bool wanted = false;
  std::vector<SearchWindow> windows;
};

// The files asked for, whole, or none of them.
Result<void> WriteFiles(const std::vector<std::pair<std::string, std::string>>& files) {
  AtomicWriteSet set;
  for (const auto& [path, contents] : files) {
    if (path.empty()) continue;
    if (Result<void> prepared = set.Prepare(path, contents); !prepared) return prepared;
  }
  return set.Commit();
}

// The answer as JSON, streamed while the finder lists the windows, or with
// --text a summary written once they are all in.
class SearchAnswer {
 public:
  SearchAnswer(std::ostream& out, bool text, Language language, Digits digits)
      : out_(out), writer_(out), text_(text), language_(language), digits_(digits) {}

  void Warn(const std::vector<std::string>& warnings) {
    warnings_ = warnings;
    writer_.Warn(warnings);
  }
  void Window(const SearchWindow& window) {
    if (!text_) writer_.Window(window);
  }
  void ShowAlmanac(bool show) { writer_.ShowAlmanac(show); }
  void Settings(const CalculationSettings& settings) { writer_.Settings(settings); }
  void Vetoes(const std::vector<VetoPeriod>& vetoes, const PlaceClock& clock) {
    vetoes_ = VetoLines(vetoes, clock, language_);
    writer_.Vetoes(VetoPeriodsJson(vetoes, clock));
  }
  void Finish(const SearchResult& result, const std::vector<SearchWindow>& windows) {
    if (text_) {
      out_ << InDigits(SearchText(result, windows, warnings_, vetoes_, language_), language_,
                       digits_);
    } else {
      writer_.Finish(result);
    }
  }
  void Fail(const std::string& message) {
    if (text_) {
      out_ << ErrorText(ErrorResponse(message));
    } else {
      writer_.Fail(message);
    }
  }

 private:
  std::ostream& out_;
  SearchResponseWriter writer_;
  bool text_;
  Language language_;  // of the summary; the JSON stays English
  Digits digits_;      // of the summary
  std::vector<std::string> warnings_;
  std::vector<std::string> vetoes_;
};

int ReadAndSearch(const std::string& inputFile, const SearchFiles& files,
                  const AnswerOptions& options, std::istream& in, std::ostream& out) {
  SearchAnswer answer(out, options.text, options.textLanguage, options.textDigits);
  std::string text;
  std::string error;
  if (const int status = ReadRequestText(inputFile, in, text, error); status != kExitOk) {
    answer.Fail(error);
    out.flush();
    return status;
  }
  // The windows go out as the finder lists them.
  SearchControl control;
  CsvCollector csv{!files.csv.empty(), ""};
  // The calendar file and the summary need every listed window.
  ListedWindows listed{!files.ics.empty() || options.text, {}};
  control.windows = [&answer, &csv, &listed](const SearchWindow& window) {
    answer.Window(window);
    if (csv.wanted) csv.text += WindowsCsvLine(window);
    if (listed.wanted) listed.windows.push_back(window);
  };
  int status = kExitOk;
  try {
    const json requestJson = ParseJsonText(text);
    RequireObject(requestJson);
    answer.Warn(CheckKeys(requestJson, RequestKind::kSearch, options.strict, std::cerr));
    PreparedSearch prepared = ParseSearch(requestJson);
    if (csv.wanted) csv.text = WindowsCsvHeader(prepared.request.partner.has_value());
    const ZonedPlace place = prepared.request.where();
    const AlmanacMode almanac = prepared.almanac.mode;
    answer.ShowAlmanac(almanac == AlmanacMode::Show);
    answer.Settings(prepared.request.settings);
    const FoundTimes found = horavela::RunSearch(std::move(prepared), SwissEphemeris(), control);
    const SearchResult& result = found.result;
    if (csv.wanted || !files.ics.empty()) {
      const std::string ics =
          files.ics.empty() ? "" : WindowsCalendar(listed.windows, place, NowUtcSeconds());
      if (const Result<void> written = WriteFiles({{files.csv, csv.text}, {files.ics, ics}});
          !written) {
        answer.Fail(written.error().message);
        out.flush();
        return kExitFailure;
      }
    }
    if (almanac != AlmanacMode::Ignore) answer.Vetoes(found.vetoes, PlaceClock(place));
    answer.Finish(result, listed.windows);
  } catch (const RequestError& e) {
    answer.Fail(e.what());
    status = kExitBadRequest;
  } catch (const std::bad_alloc&) {
    answer.Fail(kOutOfMemory);
    status = kExitFailure;
  } catch (const std::exception& e) {
    answer.Fail(std::string("the search failed: ") + e.what());
    status = kExitFailure;
  }
  out.flush();
  return out ? status : kExitFailure;
}

}  // namespace

ParsedSearch ParseSearchRequest(std::string_view text) {
  ParsedSearch parsed;
  try {
    parsed.request = ParseSearch(ParseJsonText(text)).request;
  } catch (const RequestError& e) {
    parsed = ParsedSearch();
    parsed.error = e.what();
  }
  return parsed;
}

int RunSearch(const std::string& inputFile, std::istream& in, std::ostream& out,
              const SearchFiles& files, const AnswerOptions& options) {
  try {
    return ReadAndSearch(inputFile, files, options, in, out);
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli

#include <exception>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "cli/commands.h"
#include "cli/json_reader.h"
#include "cli/request_parser.h"
#include "cli/response_writer.h"
#include "cli/time_zone_entry.h"
#include "rules/subjects.h"
#include "search/muhurta_finder.h"

namespace horavela::cli {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

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

SearchRequest ParseSearch(const json& request) {
  RequireObject(request);
  SearchRequest search;
  const std::string subject = StringField(request, "", "subject");
  if (subject == "*") {
    search.subjects = AllSubjectTexts();
  } else {
    search.subjects.push_back(subject);
  }
  search.name = StringField(request, "", "name");
  search.sex = StringField(request, "", "sex");
  MomentRequest birth = ParseMoment(ObjectField(request, "", "birth"), "birth");
  search.birth = std::move(birth.moment);
  PlaceRequest place = ParsePlace(ObjectField(request, "", "place"), "place");
  search.place = std::move(place.place);
  search.from = ParseLocalMinute(request, "from");
  search.to = ParseLocalMinute(request, "to");
  if (FindMember(request, "min_result") != nullptr)
    search.minResult = StringField(request, "", "min_result");

  if (std::optional<Problem> problem = CheckSearchRequest(search)) throw RequestError(*problem);
  if (!birth.timeZone.empty())
    ApplyTimeZone(LoadTimeZone(birth.timeZone, "birth.tz"), search.birth, "birth");
  if (!place.timeZone.empty())
    search.zoneAt = ZoneMinuteByMinute(LoadTimeZone(place.timeZone, "place.tz"));
  CheckZoneSigns(search.birth.place, "birth");
  CheckZoneSigns(search.place, "place");
  return search;
}

template <typename Container>
ordered_json Array(const Container& values) {
  ordered_json array = ordered_json::array();
  for (const auto& value : values) array.push_back(value);
  return array;
}

ordered_json SearchResponse(const SearchResult& result) {
  ordered_json windows = ordered_json::array();
  for (const SearchWindow& window : result.windows) {
    ordered_json w;
    w["subject"] = window.subject;
    w["from"] = FormatLocalMinute(window.first);
    w["to"] = FormatLocalMinute(window.last);
    w["minutes"] = window.minutes;
    w["result_word"] = window.evaluation().ResultWord;
    w["factor_count"] = window.evaluation().FactorCount;
    w["total_score"] = window.evaluation().TotalScore;
    w["factor_verdicts"] = Array(window.evaluation().FactorVerdicts);
    w["factor_points"] = Array(window.evaluation().FactorPoints);
    windows.push_back(std::move(w));
  }
  ordered_json response;
  response["windows"] = std::move(windows);
  response["best"] = Array(result.best);
  response["minutes_scanned"] = result.minutesScanned;
  response["evaluations"] = result.evaluations;
  return response;
}

}  // namespace

ParsedSearch ParseSearchRequest(std::string_view text) {
  ParsedSearch parsed;
  try {
    parsed.request = ParseSearch(ParseJsonText(text));
  } catch (const RequestError& e) {
    parsed = ParsedSearch();
    parsed.error = e.what();
  }
  return parsed;
}

int RunSearch(const std::string& inputFile, std::istream& in, std::ostream& out) {
  std::string text;
  if (std::string error; !ReadRequestText(inputFile, in, text, error)) {
    out << Serialize(ErrorResponse(error), true) << '\n';
    return kExitFailure;
  }
  ordered_json response;
  int status = kExitOk;
  try {
    const SearchRequest request = ParseSearch(ParseJsonText(text));
    response = SearchResponse(FindMuhurtaWindows(request, SwissEphemeris()));
  } catch (const RequestError& e) {
    response = ErrorResponse(e.what());
    status = kExitBadRequest;
  } catch (const std::exception& e) {
    response = ErrorResponse(std::string("the search failed: ") + e.what());
    status = kExitFailure;
  }
  out << Serialize(response, true) << '\n';
  out.flush();
  return out ? status : kExitFailure;
}

}  // namespace horavela::cli

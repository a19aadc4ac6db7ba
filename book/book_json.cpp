#include "book/book_json.h"

#include <exception>
#include <map>
#include <new>
#include <utility>

#include <nlohmann/json.hpp>

#include "book/book_problem_text.h"
#include "engine/input_check.h"
#include "engine/text_limits.h"
#include "json/json_reader.h"
#include "json/json_text.h"
#include "json/time_zone_entry.h"

namespace horavela::book {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// ---- Writing ----

ordered_json Coordinate(int degrees, int minutes, const char* side, bool onThatSide) {
  return ordered_json{{"degrees", degrees}, {"minutes", minutes}, {side, onThatSide}};
}

// The place's members in the order a request writes them; "tz" instead of
// "zone" and "dst" when the entry follows a zone of the tz database.
void WritePlace(ordered_json& out, const PlaceEntry& place, bool withZone, const std::string& tz) {
  out["latitude"] = Coordinate(place.latitudeDegrees, place.latitudeMinutes, "north", place.north);
  out["longitude"] = Coordinate(place.longitudeDegrees, place.longitudeMinutes, "east", place.east);
  if (withZone) {
    out["zone"] = ordered_json{{"hours", place.zoneHours}, {"minutes", place.zoneMinutes}};
    out["dst"] = place.dst;
  } else {
    out["tz"] = tz;
  }
  out["city"] = place.city;
  out["state"] = place.state;
  out["country"] = place.country;
}

// The zones of the people's "tz", each read once per export.
class ZoneCache {
 public:
  // Whether the zone gives the very captions the birth holds; a birth in an
  // hour the clocks ran through twice, or one whose captions were typed
  // over, keeps its captions instead, so the export reads back exactly.
  bool GivesCaptions(const std::string& name, const MomentEntry& birth) {
    auto found = zones_.find(name);
    if (found == zones_.end()) {
      Result<TimeZoneRules> rules = TimeZoneRules::Load(name);
      std::optional<TimeZoneRules> known;
      if (rules) known = std::move(*rules);
      found = zones_.emplace(name, std::move(known)).first;
    }
    if (!found->second) return false;
    MomentEntry resolved = birth;
    try {
      ApplyTimeZone(*found->second, resolved, "birth");
    } catch (const RequestError&) {
      return false;
    }
    const PlaceEntry& a = resolved.place;
    const PlaceEntry& b = birth.place;
    return a.zoneHours == b.zoneHours && a.zoneMinutes == b.zoneMinutes && a.dst == b.dst;
  }

 private:
  std::map<std::string, std::optional<TimeZoneRules>> zones_;
};

ordered_json PersonJson(const book::Person& person, ZoneCache& zones) {
  const MomentEntry& birth = person.birth;
  ordered_json moment = {{"year", birth.year}, {"month", birth.month},   {"day", birth.day},
                         {"hour", birth.hour}, {"minute", birth.minute}, {"second", birth.second}};
  const bool withZone = person.tz.empty() || !zones.GivesCaptions(person.tz, birth);
  WritePlace(moment, birth.place, withZone, person.tz);
  return ordered_json{
      {"name", person.name}, {"sex", person.sex}, {"birth", moment}, {"note", person.note}};
}

ordered_json PlaceJson(const book::Place& place) {
  ordered_json out = ordered_json::object();
  WritePlace(out, place.place, place.tz.empty(), place.tz);
  return out;
}

// ---- Reading ----

void Check(const Result<void>& checked, const std::string& path) {
  if (checked) return;
  Problem problem = checked.error();
  if (!path.empty()) problem.path = problem.path.empty() ? path : path + "." + problem.path;
  throw RequestError(problem);
}

void RequireObjectAt(const json& value, const std::string& path) {
  if (!value.is_object()) {
    throw RequestError(
        Problem{path, messages::WrongType("an object", DescribeValue(value)), Rule::WrongType});
  }
}

std::string ItemPath(const char* list, std::size_t index) {
  return std::string(list) + "[" + std::to_string(index) + "]";
}

book::Person ReadPerson(const json& object, const std::string& path) {
  if (path.empty()) {
    RequireObject(object);
  } else {
    RequireObjectAt(object, path);
  }
  book::Person person;
  person.name = StringField(object, path, "name");
  if (person.name.find_first_not_of(" \t\r\n") == std::string::npos)
    throw RequestError(Problem{Join(path, "name"), "is empty", Rule::Missing});
  person.sex = StringField(object, path, "sex");
  Check(CheckSex(person.sex), path);
  const std::string birthPath = Join(path, "birth");
  MomentRequest birth = ParseMoment(ObjectField(object, path, "birth"), birthPath);
  person.birth = std::move(birth.moment);
  Check(CheckMoment(person.birth, birthPath), "");
  if (!birth.timeZone.empty())
    ApplyTimeZone(LoadTimeZone(birth.timeZone, birthPath + ".tz"), person.birth, birthPath);
  CheckZoneSigns(person.birth.place, birthPath);
  person.tz = std::move(birth.timeZone);
  person.note = OptionalString(object, path, "note");
  Check(CheckTextLength(person.name, text_limits::kName, "name"), path);
  Check(CheckTextLength(person.note, text_limits::kNote, "note"), path);
  return person;
}

// A place with "tz" keeps its zone's name only: which captions apply depends
// on the date it is used for.
book::Place ReadPlace(const json& object, const std::string& path) {
  RequireObjectAt(object, path);
  PlaceRequest request = ParsePlace(object, path);
  Check(CheckPlace(request.place, path), "");
  if (!request.timeZone.empty()) LoadTimeZone(request.timeZone, path + ".tz");
  CheckZoneSigns(request.place, path);
  book::Place place;
  place.place = std::move(request.place);
  place.tz = std::move(request.timeZone);
  return place;
}

// The array under `key`, or nothing when the book leaves it out.
const json* OptionalArray(const json& object, const char* key) {
  const json* value = FindMember(object, key);
  if (value == nullptr) return nullptr;
  if (!value->is_array()) {
    throw RequestError(
        Problem{key, messages::WrongType("an array", DescribeValue(*value)), Rule::WrongType});
  }
  return value;
}

BookEntries ReadBook(const json& document) {
  RequireObject(document);
  // An object of another kind would import as an empty book, "added": 0.
  if (FindMember(document, "people") == nullptr && FindMember(document, "places") == nullptr)
    throw RequestError(Problem{
        "request", "has neither \"people\" nor \"places\", so it is not a book", Rule::Missing});
  BookEntries book;
  if (const json* people = OptionalArray(document, "people")) {
    for (std::size_t i = 0; i < people->size(); ++i)
      book.people.push_back(ReadPerson((*people)[i], ItemPath("people", i)));
  }
  if (const json* places = OptionalArray(document, "places")) {
    for (std::size_t i = 0; i < places->size(); ++i)
      book.places.push_back(ReadPlace((*places)[i], ItemPath("places", i)));
  }
  return book;
}

}  // namespace

std::string BookJson(const std::vector<book::Person>& people,
                     const std::vector<book::Place>& places) {
  ZoneCache zones;
  ordered_json book = {{"people", ordered_json::array()}, {"places", ordered_json::array()}};
  for (const book::Person& person : people) book["people"].push_back(PersonJson(person, zones));
  for (const book::Place& place : places) book["places"].push_back(PlaceJson(place));
  return Serialize(book, true);
}

// The readers below refuse with a RequestError from however deep they are;
// it ends here, at the edge of the JSON form.
Result<BookEntries> ParseBookJson(std::string_view text) {
  try {
    return ReadBook(ParseJsonText(text));
  } catch (const RequestError& e) {
    return Unexpected(e.problem());
  }
}

std::string BookProblemSentence(const Problem& problem, std::string_view text) {
  try {
    const json document = ParseJsonText(text);
    return BookProblemSentence(problem, &document);
  } catch (const RequestError&) {
    return BookProblemSentence(problem, nullptr);
  }
}

Result<Person> ParsePersonJson(std::string_view text) {
  try {
    return ReadPerson(ParseJsonText(text), "");
  } catch (const RequestError& e) {
    return Unexpected(e.problem());
  }
}

}  // namespace horavela::book

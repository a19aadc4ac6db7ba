#include "cli/known_keys.h"

#include <ostream>
#include <string_view>

#include "engine/problem.h"
#include "json/json_reader.h"

namespace horavela::cli {

namespace {

using nlohmann::json;

// The shapes of the objects a request is made of.
enum class Shape {
  kNone,
  kEvaluate,
  kSearch,
  kDay,
  kMatch,
  kPartner,
  kMatchPerson,
  kMoment,
  kPlace,
  kLatitude,
  kLongitude,
  kZone,
  kMinute,
  kDate,
  kTime
};

// A key an object may hold, and the shape of its value when that is an object.
struct Key {
  std::string_view name;
  Shape shape = Shape::kNone;
};

struct ShapeKeys {
  Shape shape;
  std::vector<Key> keys;
};

// A place as ParsePlace reads it.
std::vector<Key> PlaceKeys() {
  return {{"latitude", Shape::kLatitude},
          {"longitude", Shape::kLongitude},
          {"zone", Shape::kZone},
          {"dst"},
          {"tz"},
          {"city"},
          {"state"},
          {"country"}};
}

// A moment is a date and a clock time at a place: the place's keys and its own.
std::vector<Key> MomentKeys() {
  std::vector<Key> keys = {{"year"},   {"month"},  {"day"},    {"hour"},
                           {"minute"}, {"second"}, {"weekday"}};
  const std::vector<Key> place = PlaceKeys();
  keys.insert(keys.end(), place.begin(), place.end());
  return keys;
}

// What each reader reads. The members of "settings" are the settings
// reader's own: one it does not know is refused there, not ignored.
// "weekday" stays on the birth, where the birth page's
// box is read by nothing, because callers send it.
const std::vector<ShapeKeys>& Shapes() {
  static const std::vector<ShapeKeys> shapes = {
      {Shape::kEvaluate,
       {{"subject"},
        {"name"},
        {"sex"},
        {"election", Shape::kMoment},
        {"birth", Shape::kMoment},
        {"partner", Shape::kPartner},
        {"settings"}}},
      {Shape::kSearch,
       {{"subject"},
        {"name"},
        {"sex"},
        {"birth", Shape::kMoment},
        {"place", Shape::kPlace},
        {"from", Shape::kMinute},
        {"to", Shape::kMinute},
        {"min_result"},
        {"max_windows"},
        {"min_total"},
        {"avoid"},
        {"almanac"},
        {"regional_vetoes"},
        {"month_convention"},
        {"partner", Shape::kPartner},
        {"settings"}}},
      {Shape::kDay,
       {{"date", Shape::kDate},
        {"place", Shape::kPlace},
        {"time", Shape::kTime},
        {"subject"},
        {"name"},
        {"sex"},
        {"birth", Shape::kMoment},
        {"settings"}}},
      {Shape::kMatch,
       {{"groom", Shape::kMatchPerson}, {"bride", Shape::kMatchPerson}, {"settings"}}},
      {Shape::kPartner, {{"name"}, {"sex"}, {"birth", Shape::kMoment}}},
      {Shape::kMatchPerson, {{"name"}, {"birth", Shape::kMoment}}},
      {Shape::kMoment, MomentKeys()},
      {Shape::kPlace, PlaceKeys()},
      {Shape::kLatitude, {{"degrees"}, {"minutes"}, {"north"}}},
      {Shape::kLongitude, {{"degrees"}, {"minutes"}, {"east"}}},
      {Shape::kZone, {{"hours"}, {"minutes"}}},
      {Shape::kMinute, {{"year"}, {"month"}, {"day"}, {"hour"}, {"minute"}}},
      {Shape::kDate, {{"year"}, {"month"}, {"day"}}},
      {Shape::kTime, {{"hour"}, {"minute"}}},
  };
  return shapes;
}

const std::vector<Key>& KeysOf(Shape shape) {
  for (const ShapeKeys& entry : Shapes()) {
    if (entry.shape == shape) return entry.keys;
  }
  static const std::vector<Key> none;
  return none;
}

// A key of letters, digits and underscores joins its path with a dot; any
// other is quoted, as the error messages quote what a user typed.
std::string KeyPath(const std::string& path, const std::string& key) {
  const bool plain = !key.empty() && key.size() <= messages::kEchoLimit &&
                     key.find_first_not_of(
                         "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                         "0123456789_") == std::string::npos;
  if (plain) return Join(path, key.c_str());
  return (path.empty() ? std::string("request") : path) + "[" + messages::Echo(key) + "]";
}

void Collect(const json& object, Shape shape, const std::string& path,
             std::vector<std::string>& unknown) {
  if (!object.is_object()) return;
  const std::vector<Key>& keys = KeysOf(shape);
  for (const auto& [name, value] : object.items()) {
    const std::string memberPath = KeyPath(path, name);
    const Key* known = nullptr;
    for (const Key& key : keys) {
      if (key.name == name) known = &key;
    }
    if (known == nullptr) {
      unknown.push_back(memberPath);
    } else if (known->shape != Shape::kNone) {
      Collect(value, known->shape, memberPath, unknown);
    }
  }
}

Shape ShapeOf(RequestKind kind) {
  switch (kind) {
    case RequestKind::kEvaluate:
      return Shape::kEvaluate;
    case RequestKind::kSearch:
      return Shape::kSearch;
    case RequestKind::kDay:
      return Shape::kDay;
    case RequestKind::kMatch:
      return Shape::kMatch;
  }
  return Shape::kNone;
}

}  // namespace

std::vector<std::string> UnknownKeys(const json& request, RequestKind kind) {
  std::vector<std::string> unknown;
  Collect(request, ShapeOf(kind), "", unknown);
  return unknown;
}

std::string UnknownKeyWarning(const std::string& path) {
  return path + ": unknown key, ignored";
}

std::vector<std::string> CheckKeys(const json& request, RequestKind kind, bool strict,
                                   std::ostream& err) {
  std::vector<std::string> warnings;
  for (const std::string& path : UnknownKeys(request, kind)) {
    if (strict)
      throw RequestError(Problem{path, "unknown key, refused with --strict", Rule::UnknownText});
    warnings.push_back(UnknownKeyWarning(path));
    err << "horavela-cli: " << warnings.back() << '\n';
  }
  return warnings;
}

}  // namespace horavela::cli

#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "atlas/place_clock.h"
#include "calendar/civil_calendar.h"
#include "engine/evaluation_input.h"

// Places, moments and evaluation inputs for tests, written the way an atlas
// and a diary write them: `On(1995, 8, 14).At(5, 40).In(Madurai())`.
namespace horavela::testing {

// A place by its coordinates in degrees and arcminutes and its zone captions
// (signed, west of Greenwich positive, as the input boxes hold them).
class PlaceBuilder {
 public:
  explicit PlaceBuilder(PlaceEntry from = {}) : place_(std::move(from)) {}
  PlaceBuilder& North(int degrees, int minutes) { return Latitude(degrees, minutes, true); }
  PlaceBuilder& South(int degrees, int minutes) { return Latitude(degrees, minutes, false); }
  PlaceBuilder& East(int degrees, int minutes) { return Longitude(degrees, minutes, true); }
  PlaceBuilder& West(int degrees, int minutes) { return Longitude(degrees, minutes, false); }
  PlaceBuilder& Zone(int hours, int minutes) {
    place_.zoneHours = static_cast<std::int16_t>(hours);
    place_.zoneMinutes = static_cast<std::int16_t>(minutes);
    return *this;
  }
  PlaceBuilder& Dst(bool dst = true) {
    place_.dst = dst;
    return *this;
  }
  PlaceBuilder& Named(std::string city, std::string state, std::string country) {
    place_.city = std::move(city);
    place_.state = std::move(state);
    place_.country = std::move(country);
    return *this;
  }
  operator PlaceEntry() const { return place_; }  // NOLINT: a builder reads as its value

 private:
  PlaceBuilder& Latitude(int degrees, int minutes, bool north) {
    place_.latitudeDegrees = static_cast<std::int16_t>(degrees);
    place_.latitudeMinutes = static_cast<std::int16_t>(minutes);
    place_.north = north;
    return *this;
  }
  PlaceBuilder& Longitude(int degrees, int minutes, bool east) {
    place_.longitudeDegrees = static_cast<std::int16_t>(degrees);
    place_.longitudeMinutes = static_cast<std::int16_t>(minutes);
    place_.east = east;
    return *this;
  }
  PlaceEntry place_;
};

// A place from scratch, or one of those below with more said about it.
inline PlaceBuilder Place(PlaceEntry from = {}) {
  return PlaceBuilder(std::move(from));
}

// The places the tests meet most, on their standard time (no names: the
// names are shown, never calculated with). The tz-database zone each follows
// is beside it.
inline PlaceEntry NewDelhi() {
  return Place().North(28, 37).East(77, 13).Zone(-5, -30);
}
inline PlaceEntry Madurai() {
  return Place().North(9, 55).East(78, 7).Zone(-5, -30);
}
inline PlaceEntry Chennai() {
  return Place().North(13, 5).East(80, 17).Zone(-5, -30);
}
inline PlaceEntry London() {
  return Place().North(51, 30).West(0, 7).Zone(0, 0);
}
inline PlaceEntry NewYork() {
  return Place().North(40, 43).West(74, 0).Zone(5, 0);
}
inline PlaceEntry Sydney() {
  return Place().South(33, 52).East(151, 12).Zone(-10, 0);
}
inline constexpr char kIndiaZone[] = "Asia/Kolkata";
inline constexpr char kLondonZone[] = "Europe/London";
inline constexpr char kNewYorkZone[] = "America/New_York";
inline constexpr char kSydneyZone[] = "Australia/Sydney";

// The tz-database zone of that name, which the machine's database must hold.
inline FollowedZone ZoneNamed(const std::string& name) {
  const Result<TimeZoneRules> rules = TimeZoneRules::Load(name);
  if (!rules) throw std::runtime_error(rules.error().message);
  return Follow(*rules);
}

// A clock minute on a civil date at a place.
class MomentBuilder {
 public:
  MomentBuilder(int year, int month, int day) {
    moment_.year = static_cast<std::int16_t>(year);
    moment_.month = static_cast<std::int16_t>(month);
    moment_.day = static_cast<std::int16_t>(day);
  }
  MomentBuilder& At(int hour, int minute) {
    moment_.hour = static_cast<std::int16_t>(hour);
    moment_.minute = static_cast<std::int16_t>(minute);
    return *this;
  }
  MomentBuilder& In(PlaceEntry place) {
    moment_.place = std::move(place);
    return *this;
  }
  operator MomentEntry() const { return moment_; }  // NOLINT: a builder reads as its value

 private:
  MomentEntry moment_;
};

inline MomentBuilder On(int year, int month, int day) {
  return {year, month, day};
}

// What the driver is given: a subject for a person born at one moment,
// elected at another, on the election date's own weekday unless one is picked.
class InputBuilder {
 public:
  explicit InputBuilder(std::string subject) { input_.subject = std::move(subject); }
  InputBuilder& For(std::string name, std::string sex) {
    input_.name = std::move(name);
    input_.sex = std::move(sex);
    return *this;
  }
  InputBuilder& BornAt(MomentEntry birth) {
    input_.birth = std::move(birth);
    return *this;
  }
  InputBuilder& ElectedAt(MomentEntry election) {
    input_.electionWeekday = WeekdayOfCivilDate(election.year, election.month, election.day);
    input_.election = std::move(election);
    return *this;
  }
  // A weekday picked by hand (some count the day from sunrise).
  InputBuilder& OnWeekday(std::string_view weekday) {
    input_.electionWeekday = WeekdayNamed(weekday).value_or(Weekday::None);
    return *this;
  }
  operator EvaluationInput() const { return input_; }  // NOLINT: a builder reads as its value

 private:
  EvaluationInput input_;
};

inline InputBuilder Evaluating(std::string subject) {
  return InputBuilder(std::move(subject));
}

// Asha, born at Madurai on 14 August 1995 at 05:40 Indian time.
inline InputBuilder Asha(std::string subject) {
  return Evaluating(std::move(subject))
      .For("Asha", "Female")
      .BornAt(On(1995, 8, 14).At(5, 40).In(Madurai()));
}

}  // namespace horavela::testing

#include "ics/zone_component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ics/ical_handles.h"

namespace horavela {
namespace {

TimeZoneRules Zone(const char* name) {
  Result<TimeZoneRules> rules = TimeZoneRules::Load(name);
  if (!rules) ADD_FAILURE() << rules.error().message;
  return rules ? *rules : *TimeZoneRules::Load("UTC");
}

TEST(ZoneChanges, FindsEachChangeToTheSecond) {
  const struct {
    const char* zone;
    std::int64_t from, to;
    std::vector<std::int64_t> changes;
  } rows[] = {
      {"America/New_York",
       CivilToSeconds(2024, 1, 1, 0, 0),
       CivilToSeconds(2025, 1, 1, 0, 0),
       {CivilToSeconds(2024, 3, 10, 7, 0), CivilToSeconds(2024, 11, 3, 6, 0)}},
      {"Australia/Lord_Howe",
       CivilToSeconds(2024, 1, 1, 0, 0),
       CivilToSeconds(2024, 12, 31, 0, 0),
       {CivilToSeconds(2024, 4, 6, 15, 0), CivilToSeconds(2024, 10, 5, 15, 30)}},
      {"Asia/Kolkata", CivilToSeconds(2000, 1, 1, 0, 0), CivilToSeconds(2030, 1, 1, 0, 0), {}},
      // A change at the very end of the span counts; one after it does not.
      {"America/New_York",
       CivilToSeconds(2024, 3, 1, 0, 0),
       CivilToSeconds(2024, 3, 10, 7, 0),
       {CivilToSeconds(2024, 3, 10, 7, 0)}},
      {"America/New_York",
       CivilToSeconds(2024, 3, 1, 0, 0),
       CivilToSeconds(2024, 3, 10, 6, 59),
       {}},
  };
  for (const auto& row : rows) {
    std::vector<std::int64_t> found;
    for (const ZoneChange& change : ZoneChanges(Zone(row.zone), row.from, row.to))
      found.push_back(change.utcSeconds);
    EXPECT_EQ(found, row.changes) << row.zone;
  }
}

struct Observance {
  bool daylight;
  std::string start;  // DTSTART as written
  int from, to;
  std::string name;
  bool operator==(const Observance&) const = default;
};

std::vector<Observance> Observances(icalcomponent* zone) {
  std::vector<Observance> found;
  for (icalcomponent* c = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); c != nullptr;
       c = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
    const icaltimetype start =
        icalproperty_get_dtstart(icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY));
    icalproperty* name = icalcomponent_get_first_property(c, ICAL_TZNAME_PROPERTY);
    found.push_back(
        {icalcomponent_isa(c) == ICAL_XDAYLIGHT_COMPONENT, icaltime_as_ical_string(start),
         icalproperty_get_tzoffsetfrom(
             icalcomponent_get_first_property(c, ICAL_TZOFFSETFROM_PROPERTY)),
         icalproperty_get_tzoffsetto(icalcomponent_get_first_property(c, ICAL_TZOFFSETTO_PROPERTY)),
         name == nullptr ? "" : icalproperty_get_tzname(name)});
  }
  return found;
}

TEST(ZoneComponent, AnObservanceForTheOffsetInForceAndOneForEachChange) {
  const IcalComponentPtr zone =
      ZoneComponent(Zone("America/New_York"), CivilToSeconds(2024, 1, 5, 12, 0),
                    CivilToSeconds(2024, 12, 1, 0, 0));
  EXPECT_STREQ(
      icalproperty_get_tzid(icalcomponent_get_first_property(zone.get(), ICAL_TZID_PROPERTY)),
      "America/New_York");
  const std::vector<Observance> expected = {
      {false, "20231105T020000", -4 * 3600, -5 * 3600, "EST"},  // the onset of January's offset
      {true, "20240310T020000", -5 * 3600, -4 * 3600, "EDT"},
      {false, "20241103T020000", -4 * 3600, -5 * 3600, "EST"},
  };
  EXPECT_EQ(Observances(zone.get()), expected);
}

TEST(ZoneComponent, AZoneWithoutRecentChangesHasOneObservance) {
  const IcalComponentPtr zone = ZoneComponent(
      Zone("Asia/Kolkata"), CivilToSeconds(2024, 1, 5, 12, 0), CivilToSeconds(2024, 2, 1, 0, 0));
  const std::vector<Observance> expected = {
      {false, "20240105T173000", 19800, 19800, "IST"},
  };
  EXPECT_EQ(Observances(zone.get()), expected);
}

}  // namespace
}  // namespace horavela

#pragma once

// Reads a written calendar back with libical's own parser, and resolves its
// events' times through the file's own VTIMEZONE, never through the text.
#include <libical/ical.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace horavela::testing {

struct ReadEvent {
  std::string summary;
  std::string description;
  std::string location;
  std::string uid;
  std::optional<icalgeotype> geo;
  std::int64_t startUtc = 0;
  std::int64_t endUtc = 0;
  std::string startTzid;  // empty: written in UTC
  std::string endTzid;
  std::int64_t stampUtc = 0;
};

struct ReadCalendar {
  bool parsed = false;
  std::vector<ReadEvent> events;
  std::vector<std::string> zoneIds;  // the VTIMEZONEs' TZIDs
};

namespace detail {

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct ZoneFree {
  void operator()(icaltimezone* z) const { icaltimezone_free(z, 1); }
};
using Zone = std::unique_ptr<icaltimezone, ZoneFree>;

inline std::string Text(const char* text) {
  return text == nullptr ? "" : text;
}

inline std::string Tzid(icalproperty* property) {
  icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
  return tzid == nullptr ? "" : Text(icalparameter_get_tzid(tzid));
}

// The instant a DTSTART or DTEND names: on the zone of its TZID (converted
// to UTC by libical), or UTC itself.
inline std::int64_t Instant(icalproperty* property, const std::vector<Zone>& zones) {
  icaltimetype time = icalproperty_get_dtstart(property);
  if (icalproperty_isa(property) == ICAL_DTEND_PROPERTY) time = icalproperty_get_dtend(property);
  const std::string tzid = Tzid(property);
  if (!tzid.empty()) {
    icaltimezone* found = nullptr;
    for (const Zone& zone : zones)
      if (Text(icaltimezone_get_tzid(zone.get())) == tzid) found = zone.get();
    if (found == nullptr) return INT64_MIN;
    time = icaltime_set_timezone(&time, found);
  } else if (!icaltime_is_utc(time)) {
    return INT64_MIN;  // a floating time names no instant
  }
  const icaltimetype utc = icaltime_convert_to_zone(time, icaltimezone_get_utc_timezone());
  return icaltime_as_timet(utc);
}

}  // namespace detail

inline ReadCalendar ReadBack(const std::string& text) {
  ReadCalendar result;
  std::unique_ptr<icalcomponent, detail::ComponentFree> root(icalparser_parse_string(text.c_str()));
  if (!root || icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) return result;
  result.parsed = true;
  std::vector<detail::Zone> zones;
  for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VTIMEZONE_COMPONENT);
       c != nullptr; c = icalcomponent_get_next_component(root.get(), ICAL_VTIMEZONE_COMPONENT)) {
    detail::Zone zone(icaltimezone_new());
    icaltimezone_set_component(zone.get(), icalcomponent_new_clone(c));
    result.zoneIds.push_back(detail::Text(icaltimezone_get_tzid(zone.get())));
    zones.push_back(std::move(zone));
  }
  for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT);
       c != nullptr; c = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
    ReadEvent event;
    event.summary = detail::Text(icalcomponent_get_summary(c));
    event.description = detail::Text(icalcomponent_get_description(c));
    event.location = detail::Text(icalcomponent_get_location(c));
    event.uid = detail::Text(icalcomponent_get_uid(c));
    if (icalproperty* geo = icalcomponent_get_first_property(c, ICAL_GEO_PROPERTY))
      event.geo = icalproperty_get_geo(geo);
    if (icalproperty* start = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY)) {
      event.startUtc = detail::Instant(start, zones);
      event.startTzid = detail::Tzid(start);
    }
    if (icalproperty* end = icalcomponent_get_first_property(c, ICAL_DTEND_PROPERTY)) {
      event.endUtc = detail::Instant(end, zones);
      event.endTzid = detail::Tzid(end);
    }
    if (icalproperty* stamp = icalcomponent_get_first_property(c, ICAL_DTSTAMP_PROPERTY))
      event.stampUtc = icaltime_as_timet(icalproperty_get_dtstamp(stamp));
    result.events.push_back(std::move(event));
  }
  return result;
}

}  // namespace horavela::testing

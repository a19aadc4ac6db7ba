#include "ics/calendar_file.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>

#include "ics/event_clock.h"
#include "ics/ical_handles.h"
#include "ics/zone_component.h"

namespace horavela {

namespace {

constexpr char kProductId[] = "-//Horavela//Horavela muhurtha//EN";

// What one event says, its ends as instants.
struct EventFacts {
  const std::string* subject;
  const Evaluation* evaluation;
  std::int64_t startUtc;
  std::int64_t endUtc;
  std::string summary;
  std::string description;
};

std::string SignedPoints(int points) {
  std::string text(points > 0 ? "+" : "");
  text += std::to_string(points);
  return text;
}

// Stable for the same event at the same place, so that importing a file again
// updates its events instead of doubling them.
std::string EventUid(const EventFacts& event, const ZonedPlace& place) {
  std::uint64_t hash = 14695981039346656037ULL;
  const auto mix = [&hash](const std::string& text) {
    for (const unsigned char c : text + '\x1f') {
      hash ^= c;
      hash *= 1099511628211ULL;
    }
  };
  mix(*event.subject);
  mix(std::to_string(event.startUtc));
  mix(std::to_string(event.endUtc));
  mix(LocationText(place.place));
  mix(std::to_string(LatitudeDegrees(place.place)) + ";" +
      std::to_string(LongitudeDegrees(place.place)));
  char uid[64];
  std::snprintf(uid, sizeof uid, "%016" PRIx64 "@horavela", hash);
  return uid;
}

IcalComponentPtr Event(const EventFacts& event, const EventClock& clock, const ZonedPlace& place,
                       std::int64_t stampUtcSeconds) {
  IcalComponentPtr component(icalcomponent_new_vevent());
  icalcomponent* e = component.get();
  icalcomponent_add_property(e, icalproperty_new_uid(EventUid(event, place).c_str()));
  icalcomponent_add_property(e, icalproperty_new_dtstamp(UtcTime(stampUtcSeconds)));
  icalcomponent_add_property(e, clock.TimeProperty(ICAL_DTSTART_PROPERTY, event.startUtc));
  icalcomponent_add_property(e, clock.TimeProperty(ICAL_DTEND_PROPERTY, event.endUtc));
  icalcomponent_add_property(e, icalproperty_new_summary(event.summary.c_str()));
  const std::string location = LocationText(place.place);
  if (!location.empty()) icalcomponent_add_property(e, icalproperty_new_location(location.c_str()));
  icalgeotype geo{};
  geo.lat = LatitudeDegrees(place.place);
  geo.lon = LongitudeDegrees(place.place);
  icalcomponent_add_property(e, icalproperty_new_geo(geo));
  if (!event.description.empty())
    icalcomponent_add_property(e, icalproperty_new_description(event.description.c_str()));
  return component;
}

std::string Calendar(const std::vector<EventFacts>& events, const ZonedPlace& place,
                     std::int64_t stampUtcSeconds) {
  IcalComponentPtr calendar(icalcomponent_new_vcalendar());
  icalcomponent* c = calendar.get();
  icalcomponent_add_property(c, icalproperty_new_prodid(kProductId));
  icalcomponent_add_property(c, icalproperty_new_version("2.0"));
  icalcomponent_add_property(c, icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(c, icalproperty_new_method(ICAL_METHOD_PUBLISH));
  if (place.zone && !events.empty()) {
    std::int64_t start = events.front().startUtc;
    std::int64_t end = events.front().endUtc;
    for (const EventFacts& event : events) {
      start = std::min(start, event.startUtc);
      end = std::max(end, event.endUtc);
    }
    icalcomponent_add_component(c, ZoneComponent(*place.zone, start, end).release());
  }
  const EventClock clock(place);
  for (const EventFacts& event : events)
    icalcomponent_add_component(c, Event(event, clock, place, stampUtcSeconds).release());
  return IcalText(c);
}

}  // namespace

std::string EventSummary(const std::string& subject, const Evaluation& evaluation) {
  return subject + ": " + std::string(NameOf(evaluation.ResultWord)) + " (total " +
         std::to_string(evaluation.TotalScore) + ")";
}

std::string EventDescription(const Evaluation& evaluation) {
  if (!evaluation.PreconditionMessage.empty()) return std::string(evaluation.PreconditionMessage);
  std::string text;
  for (std::size_t i = 0; i < evaluation.FactorVerdicts.size(); ++i) {
    const FactorVerdict& verdict = evaluation.FactorVerdicts[i];
    if (verdict.empty()) continue;
    const int points = i < evaluation.FactorPoints.size() ? evaluation.FactorPoints[i] : 0;
    if (!text.empty()) text += '\n';
    AppendTextOf(text, verdict);
    text += ": " + SignedPoints(points);
  }
  return text;
}

std::string WindowLine(const CalendarSpan& window) {
  const LocalMinute& from = window.first;
  const LocalMinute& to = window.last;
  const bool oneDate = from.year == to.year && from.month == to.month && from.day == to.day;
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", from.hour % 100, from.minute % 100);
  const std::string start = oneDate ? std::string(clock) : ClockMomentText(from);
  return "The window of this reading runs from " + start + " to " + ClockMomentText(to) + ".";
}

std::string MomentCalendar(const JudgedMoment& moment, std::int64_t stampUtcSeconds) {
  const EventClock clock(moment.place);
  // The event is the chosen minute to the end of its window: a calendar
  // shows when to begin, and the description how long the reading holds.
  const std::int64_t start = clock.UtcSeconds(moment.moment);
  std::int64_t end = start + kMomentEventMinutes * 60;
  std::string description = EventDescription(moment.evaluation);
  if (moment.window) {
    const std::int64_t windowEnd = clock.UtcSeconds(moment.window->last) + 60;
    if (windowEnd > start) end = windowEnd;
    description = WindowLine(*moment.window) + (description.empty() ? "" : "\n\n") + description;
  }
  std::string summary =
      moment.person.empty() ? moment.subject : moment.subject + " - " + moment.person;
  return Calendar({{&moment.subject, &moment.evaluation, start, end,
                    EventSummary(summary, moment.evaluation), std::move(description)}},
                  moment.place, stampUtcSeconds);
}

std::string WindowsCalendar(const std::vector<SearchWindow>& windows, const ZonedPlace& place,
                            std::int64_t stampUtcSeconds) {
  const EventClock clock(place);
  std::vector<EventFacts> events;
  events.reserve(windows.size());
  for (const SearchWindow& window : windows) {
    events.push_back({&window.subject, &window.evaluation(), clock.UtcSeconds(window.first),
                      clock.UtcSeconds(window.last) + 60,
                      EventSummary(window.subject, window.evaluation()),
                      EventDescription(window.evaluation())});
  }
  return Calendar(events, place, stampUtcSeconds);
}

std::int64_t NowUtcSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace horavela

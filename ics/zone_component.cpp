#include "ics/zone_component.h"

#include <algorithm>
#include <utility>

#include "ics/event_clock.h"

namespace horavela {

namespace {

constexpr std::int64_t kSampleSeconds = 6 * 3600;
// How far before the first event the onset of its offset is looked for.
constexpr std::int64_t kOnsetReachSeconds = 400LL * 86400;

bool SameOffset(const ZoneOffset& a, const ZoneOffset& b) {
  return a.utcOffsetSeconds == b.utcOffsetSeconds && a.dst == b.dst &&
         a.abbreviation == b.abbreviation;
}

// The first second after `known` (which has `before`) up to `changed` whose
// offset differs from `before`.
std::int64_t FirstSecondOfChange(const TimeZoneRules& rules, std::int64_t known,
                                 std::int64_t changed, const ZoneOffset& before) {
  while (changed - known > 1) {
    const std::int64_t middle = known + (changed - known) / 2;
    if (SameOffset(rules.AtUtc(middle), before)) {
      known = middle;
    } else {
      changed = middle;
    }
  }
  return changed;
}

// An observance: the offsets on each side of its onset, the onset written
// on the clock that ran before it.
IcalComponentPtr Observance(std::int64_t onsetUtc, const ZoneOffset& from, const ZoneOffset& to) {
  IcalComponentPtr observance(to.dst ? icalcomponent_new_xdaylight()
                                     : icalcomponent_new_xstandard());
  icalcomponent_add_property(
      observance.get(), icalproperty_new_dtstart(FloatingTime(onsetUtc + from.utcOffsetSeconds)));
  icalcomponent_add_property(observance.get(),
                             icalproperty_new_tzoffsetfrom(from.utcOffsetSeconds));
  icalcomponent_add_property(observance.get(), icalproperty_new_tzoffsetto(to.utcOffsetSeconds));
  if (!to.abbreviation.empty())
    icalcomponent_add_property(observance.get(), icalproperty_new_tzname(to.abbreviation.c_str()));
  return observance;
}

}  // namespace

std::vector<ZoneChange> ZoneChanges(const TimeZoneRules& rules, std::int64_t fromUtc,
                                    std::int64_t toUtc) {
  std::vector<ZoneChange> changes;
  ZoneOffset current = rules.AtUtc(fromUtc);
  for (std::int64_t known = fromUtc; known < toUtc;) {
    const std::int64_t next = std::min(known + kSampleSeconds, toUtc);
    ZoneOffset sampled = rules.AtUtc(next);
    if (SameOffset(sampled, current)) {
      known = next;
      continue;
    }
    const std::int64_t onset = FirstSecondOfChange(rules, known, next, current);
    ZoneOffset after = rules.AtUtc(onset);
    changes.push_back({onset, current, after});
    current = std::move(after);
    known = onset;
  }
  return changes;
}

IcalComponentPtr ZoneComponent(const TimeZoneRules& rules, std::int64_t fromUtc,
                               std::int64_t toUtc) {
  IcalComponentPtr zone(icalcomponent_new_vtimezone());
  icalcomponent_add_property(zone.get(), icalproperty_new_tzid(rules.name().c_str()));
  const std::vector<ZoneChange> earlier = ZoneChanges(rules, fromUtc - kOnsetReachSeconds, fromUtc);
  if (earlier.empty()) {
    const ZoneOffset offset = rules.AtUtc(fromUtc);
    icalcomponent_add_component(zone.get(), Observance(fromUtc, offset, offset).release());
  } else {
    const ZoneChange& onset = earlier.back();
    icalcomponent_add_component(zone.get(),
                                Observance(onset.utcSeconds, onset.before, onset.after).release());
  }
  for (const ZoneChange& change : ZoneChanges(rules, fromUtc, toUtc))
    icalcomponent_add_component(
        zone.get(), Observance(change.utcSeconds, change.before, change.after).release());
  return zone;
}

}  // namespace horavela

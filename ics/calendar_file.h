#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "atlas/local_minute.h"
#include "engine/calculation_state.h"
#include "ics/calendar_place.h"
#include "search/muhurta_finder.h"

// Judged moments as iCalendar files (RFC 5545) that any calendar program
// imports: one VEVENT per moment, built and written by libical. A place that
// follows a tz-database zone gets its own VTIMEZONE and local times; a place
// with fixed zone captions gets universal times.
namespace horavela {

// A run of minutes on the place's clock; `last` is its last minute.
struct CalendarSpan {
  LocalMinute first;
  LocalMinute last;
};

// How long the event of a moment without its window lasts.
inline constexpr int kMomentEventMinutes = 30;

struct JudgedMoment {
  std::string subject;
  LocalMinute moment;
  Evaluation evaluation;
  // The run of minutes around the moment with the same evaluation, when known.
  std::optional<CalendarSpan> window;
  ZonedPlace place;
  // For whom, named in the event's title beside the subject; may be empty.
  std::string person = {};
};

// The calendar of one judged moment: from the moment to the end of its
// window (the whole window in the description), or kMomentEventMinutes from
// the moment. `stampUtcSeconds` is the DTSTAMP, the time the file is made.
std::string MomentCalendar(const JudgedMoment& moment, std::int64_t stampUtcSeconds);

// One calendar with an event for each window, in the order given.
std::string WindowsCalendar(const std::vector<SearchWindow>& windows, const ZonedPlace& place,
                            std::int64_t stampUtcSeconds);

// "Marriage: Good (total 4)"; the moment's event names the person too:
// "Marriage - Asha Verma: Good (total 4)".
std::string EventSummary(const std::string& subject, const Evaluation& evaluation);

// One line per factor the rule set wrote, with its points ("Tithi -
// Favourable: +1"); the precondition message alone when the rule set stopped
// there.
std::string EventDescription(const Evaluation& evaluation);

// "The window of this reading runs from 06:27 to 12:08 on 14 November 2024."
std::string WindowLine(const CalendarSpan& window);

// Now, for DTSTAMP.
std::int64_t NowUtcSeconds();

}  // namespace horavela

#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <map>
#include <vector>

#include "atlas/place_clock.h"
#include "tradition/day_vetoes.h"
#include "tradition/veto.h"

// What the finder's summary line, its month calendar and the Day tab say of
// the tradition's veto periods, on the place's clock.
namespace horavela::app {

// The veto periods touching one civil date, and whether together they cover
// every minute of it (the tradition then rules the whole day out).
struct VetoedDay {
  CivilDayMinutes minutes;
  std::vector<VetoPeriod> periods;
  bool whole = false;
};

// Each date from `from` to `to` that any of `periods` touches.
std::map<QDate, VetoedDay> VetoedDays(const PlaceClock& clock, const QDate& from, const QDate& to,
                                      const std::vector<VetoPeriod>& periods);

// One period as it touches a day, with its times where it begins or ends that
// day and "(regional)" for those only some regions keep:
// "Kharmas until 15:06: The Sun in Dhanu, ...", "Chaturmas, all day: ...".
QString VetoOnDayText(const VetoPeriod& period, const PlaceClock& clock,
                      const CivilDayMinutes& day);
// Every period of a day, one a line.
QString VetoesOnDayText(const VetoedDay& day, const PlaceClock& clock);

// The line above the finder's list: "The tradition rules out 112 of 365 days:
// Kharmas until 14 January; Chaturmas 25 July – 20 November; ... and 2 more."
// A period begun before `from` is named with its end, one begun inside the
// range with its span; at most kSummaryPeriods are named. Empty when no day
// is ruled out and no period is named.
inline constexpr int kSummaryPeriods = 4;
QString TraditionSummary(const std::vector<VetoPeriod>& periods, int daysRuledOut, int days,
                         const PlaceClock& clock, const QDate& from);

}  // namespace horavela::app

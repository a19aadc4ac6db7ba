#pragma once

#include <string_view>

#include "engine/vocabulary.h"

namespace horavela {

// What one moment's chart holds: the Moon's sign and nakshatra, the rising
// sign and the panchang's elements, each None where it could not be computed
// (a longitude that was not finite) or was never computed.
struct Chart {
  Rashi moonSign = Rashi::None;
  Nakshatra nakshatra = Nakshatra::None;
  Rashi lagna = Rashi::None;
  Tithi tithi = Tithi::None;
  Yoga yoga = Yoga::None;
  Karana karana = Karana::None;
  Weekday weekday = Weekday::None;  // of the civil date

  friend bool operator==(const Chart&, const Chart&) = default;
};

// The rows a chart is printed in, in their printed order; the lords are
// those of the sign and of the nakshatra before them.
enum ChartSlot : int {
  kMoonSignSlot = 0,
  kMoonSignLordSlot = 1,
  kNakshatraSlot = 2,
  kNakshatraLordSlot = 3,
  kLagnaSlot = 4,
  kTithiSlot = 5,
  kYogaSlot = 6,
  kKaranaSlot = 7,
  kWeekdaySlot = 8,
  kChartSlotCount = 9,
};

// Hands `read` the value in one row of the chart, typed (Rashi, Planet,
// Nakshatra, Tithi, Yoga, Karana, Weekday); a slot outside the rows reads as
// an unknown sign.
template <typename Read>
auto ReadChartSlot(const Chart& chart, int slot, Read read) {
  switch (slot) {
    case kMoonSignSlot:
      return read(chart.moonSign);
    case kMoonSignLordSlot:
      return read(LordOf(chart.moonSign));
    case kNakshatraSlot:
      return read(chart.nakshatra);
    case kNakshatraLordSlot:
      return read(LordOf(chart.nakshatra));
    case kLagnaSlot:
      return read(chart.lagna);
    case kTithiSlot:
      return read(chart.tithi);
    case kYogaSlot:
      return read(chart.yoga);
    case kKaranaSlot:
      return read(chart.karana);
    case kWeekdaySlot:
      return read(chart.weekday);
    default:
      return read(Rashi::None);
  }
}

// The printed name in one row ("Vrishcika", "Ketu", "Dwithiai"); empty for a
// None and for a slot outside the rows.
std::string_view ChartText(const Chart& chart, int slot);

// The value in one row as its place in its table, 1-based, 0 for a None and
// for a slot outside the rows: what a search for the row's changes compares.
int ChartKey(const Chart& chart, int slot);

}  // namespace horavela

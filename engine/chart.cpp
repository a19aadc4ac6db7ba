#include "engine/chart.h"

namespace horavela {

namespace {

// Hands `read` the value in one row of the chart, typed; a slot outside the
// rows reads as an unknown sign.
template <typename Read>
auto ReadSlot(const Chart& chart, int slot, Read read) {
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

}  // namespace

std::string_view ChartText(const Chart& chart, int slot) {
  // The rising sign keeps the ascendant's own spellings ("Vrischika").
  if (slot == kLagnaSlot) return LagnaNameOf(chart.lagna);
  return ReadSlot(chart, slot, [](auto value) { return NameOf(value); });
}

int ChartKey(const Chart& chart, int slot) {
  return ReadSlot(chart, slot, [](auto value) { return PositionOf(value); });
}

}  // namespace horavela

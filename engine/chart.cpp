#include "engine/chart.h"

namespace horavela {

std::string_view ChartText(const Chart& chart, int slot) {
  switch (slot) {
    case kMoonSignSlot:
      return NameOf(chart.moonSign);
    case kMoonSignLordSlot:
      return NameOf(LordOf(chart.moonSign));
    case kNakshatraSlot:
      return NameOf(chart.nakshatra);
    case kNakshatraLordSlot:
      return NameOf(LordOf(chart.nakshatra));
    case kLagnaSlot:
      return LagnaNameOf(chart.lagna);
    case kTithiSlot:
      return NameOf(chart.tithi);
    case kYogaSlot:
      return NameOf(chart.yoga);
    case kKaranaSlot:
      return NameOf(chart.karana);
    case kWeekdaySlot:
      return NameOf(chart.weekday);
    default:
      return {};
  }
}

}  // namespace horavela

#include "engine/chart.h"

namespace horavela {

std::string_view ChartText(const Chart& chart, int slot) {
  // The rising sign keeps the ascendant's own spellings ("Vrischika").
  if (slot == kLagnaSlot) return LagnaNameOf(chart.lagna);
  return ReadChartSlot(chart, slot, [](auto value) { return NameOf(value); });
}

int ChartKey(const Chart& chart, int slot) {
  return ReadChartSlot(chart, slot, [](auto value) { return PositionOf(value); });
}

}  // namespace horavela

#include "cli/veto_json.h"

#include "language/catalog.h"

#include <string>

namespace horavela::cli {

using nlohmann::ordered_json;

ordered_json VetoPeriodJson(const VetoPeriod& period, const PlaceClock& clock) {
  ordered_json json;
  json["veto"] = std::string(KeyOf(period.veto));
  json["name"] = std::string(NameOf(period.veto));
  json["from"] = FormatLocalMinute(clock.At(period.first).local);
  json["to"] = FormatLocalMinute(clock.At(period.last).local);
  json["reason"] = period.reason;
  return json;
}

ordered_json VetoPeriodsJson(const std::vector<VetoPeriod>& periods, const PlaceClock& clock) {
  ordered_json list = ordered_json::array();
  for (const VetoPeriod& period : periods) list.push_back(VetoPeriodJson(period, clock));
  return list;
}

ordered_json VetoKeysJson(VetoSet vetoes) {
  ordered_json keys = ordered_json::array();
  for (int i = 0; i < kVetoCount; ++i) {
    const Veto veto = static_cast<Veto>(i);
    if (vetoes & VetoBit(veto)) keys.push_back(std::string(KeyOf(veto)));
  }
  return keys;
}

std::vector<std::string> VetoLines(const std::vector<VetoPeriod>& vetoes, const PlaceClock& clock,
                                   Language language) {
  std::vector<std::string> lines;
  for (const VetoPeriod& period : vetoes) {
    lines.push_back(
        Formatted(Translated("%1 %2 to %3: %4", language),
                  {NameOf(period.veto, language), FormatLocalMinute(clock.At(period.first).local),
                   FormatLocalMinute(clock.At(period.last).local), TextOf(period.why, language)}));
  }
  return lines;
}

}  // namespace horavela::cli

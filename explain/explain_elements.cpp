#include <algorithm>
#include <map>

#include "explain/explain_internal.h"
#include "rules/charts.h"
#include "search/local_minute.h"

namespace horavela::explain_detail {

namespace {

constexpr std::int64_t kHour = 60;

// Each element, the judged element whose changes hold its changes (the
// nakshatra changes at some of its padas' changes) and how far either side a
// change is looked for: a little over its longest span.
struct ElementRow {
  const char* element;
  JudgedElement judged;
  int slot;
  std::int64_t reach;
};
const ElementRow kElementRows[] = {
    {"Nakshatra", JudgedElement::kNakshatraPada, kNakshatraSlot, 28 * kHour},
    {"Moon sign", JudgedElement::kMoonSign, kMoonSignSlot, 64 * kHour},
    {"Lagna", JudgedElement::kLagna, kLagnaSlot, 32 * kHour},
    {"Tithi", JudgedElement::kTithi, kTithiSlot, 28 * kHour},
    {"Yoga", JudgedElement::kYoga, kYogaSlot, 27 * kHour},
    {"Karana", JudgedElement::kKarana, kKaranaSlot, 15 * kHour},
};

// The election chart at a minute, each computed once.
class ChartNames {
 public:
  explicit ChartNames(MinuteJudge& judge) : judge_(judge) {}

  const std::string& At(std::int64_t minute, int slot) {
    auto found = states_.find(minute);
    if (found == states_.end()) {
      found = states_.try_emplace(minute).first;
      found->second.Input.election = judge_.EntryAt(minute);
      ComputeElectionChart(found->second);
    }
    return found->second.ElectionChart[static_cast<std::size_t>(slot)];
  }

 private:
  MinuteJudge& judge_;
  std::map<std::int64_t, CalculationState> states_;
};

// A change of the judged element may leave the name as it was (a pada within
// one nakshatra): the element's own changes are those where the name moves.
ElementAround Around(MinuteJudge& judge, ChartNames& names, const ElementRow& row,
                     std::int64_t moment) {
  ElementAround around{row.element, names.At(moment, row.slot), {}, {}, {}, {}};
  const std::vector<std::int64_t> changes =
      judge.ElementChanges(moment - row.reach, moment + row.reach, row.judged);
  const auto firstAfter = std::upper_bound(changes.begin(), changes.end(), moment);
  for (auto change = firstAfter; change != changes.end(); ++change) {
    const std::string& name = names.At(*change, row.slot);
    if (name == around.name) continue;
    around.ends = *change;
    around.next = name;
    break;
  }
  for (auto change = firstAfter; change != changes.begin();) {
    --change;
    const std::string& before = names.At(*change - 1, row.slot);
    if (before == around.name) continue;
    around.began = *change;
    around.previous = before;
    break;
  }
  return around;
}

ElementAround CivilDate(std::int64_t moment) {
  const std::int64_t day = moment - (moment % 1440 + 1440) % 1440;
  const LocalMinute date = FromMinuteIndex(day);
  return {"Civil date", FormatLocalMinute(date).substr(0, 10), day, day + 1440, {}, {}};
}

}  // namespace

std::vector<ElementAround> ElementsAround(MinuteJudge& judge, std::int64_t moment) {
  ChartNames names(judge);
  std::vector<ElementAround> elements;
  for (const ElementRow& row : kElementRows) elements.push_back(Around(judge, names, row, moment));
  elements.push_back(CivilDate(moment));
  return elements;
}

}  // namespace horavela::explain_detail

#include "usecases/birth_order.h"

#include "atlas/local_minute.h"
#include "engine/universal_time.h"

namespace horavela {

namespace {

std::string MomentText(const MomentEntry& moment) {
  return ClockMomentText({moment.year, moment.month, moment.day, moment.hour, moment.minute});
}

}  // namespace

Result<void> CheckBornBeforeElection(const MomentEntry& birth, const MomentEntry& election) {
  if (UniversalSeconds(birth) <= UniversalSeconds(election)) return {};
  return Unexpected(Problem{"birth",
                            messages::BirthAfterElection(MomentText(birth), MomentText(election)),
                            Rule::Inconsistent});
}

}  // namespace horavela

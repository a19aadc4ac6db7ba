#include <ostream>

#include "cli/commands.h"
#include "engine/time_zones.h"
#include "rules/subjects.h"

namespace horavela::cli {

int ListSubjects(std::ostream& out) {
  for (const Subject& subject : kSubjects) out << subject.text << '\n';
  out.flush();
  return out ? kExitOk : kExitFailure;
}

int ListZones(std::ostream& out) {
  for (const TimeZoneRow& row : kTimeZones)
    out << row.text << '\t' << row.hours << '\t' << row.minutes << '\n';
  out.flush();
  return out ? kExitOk : kExitFailure;
}

}  // namespace horavela::cli

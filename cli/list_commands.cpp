#include <ostream>

#include "cli/commands.h"
#include "cli/example_requests.h"
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

int PrintExample(const std::string& command, std::ostream& out) {
  const std::string_view example = ExampleRequest(command);
  if (example.empty()) {
    out << "horavela-cli: no example for \"" << command << "\" (evaluate, search or day)\n";
    return kExitBadRequest;
  }
  out << example;
  out.flush();
  return out ? kExitOk : kExitFailure;
}

}  // namespace horavela::cli

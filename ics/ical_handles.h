#pragma once

#include <libical/ical.h>

#include <memory>
#include <string>

// Ownership of what libical hands out, so that no path through the builders
// leaks a component or a buffer.
namespace horavela {

struct IcalComponentFree {
  void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using IcalComponentPtr = std::unique_ptr<icalcomponent, IcalComponentFree>;

// The component as iCalendar text (CRLF lines, folded at 75 octets), through
// libical's own writer.
std::string IcalText(icalcomponent* component);

}  // namespace horavela

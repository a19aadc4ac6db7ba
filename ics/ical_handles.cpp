#include "ics/ical_handles.h"

namespace horavela {

std::string IcalText(icalcomponent* component) {
  char* text = icalcomponent_as_ical_string_r(component);
  if (text == nullptr) return {};
  std::string copy(text);
  icalmemory_free_buffer(text);
  return copy;
}

}  // namespace horavela

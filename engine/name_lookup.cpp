#include "engine/name_lookup.h"

namespace horavela {

void AssignName(std::string& out, std::span<const std::string_view> table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) {
    out.clear();
  } else {
    out.assign(table[static_cast<std::size_t>(index)]);
  }
}

}  // namespace horavela

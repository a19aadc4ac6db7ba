#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace horavela {

// Writes entry `index` of a name table into `out`, reusing its storage; an
// index outside the table (a longitude that was not finite) leaves it empty.
void AssignName(std::string& out, std::span<const std::string_view> table, int index);

}  // namespace horavela

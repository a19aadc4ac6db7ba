#pragma once

#include <string_view>

#include "report/program_version.h"

namespace horavela {

// Who made this program and where to find it: the report footers, the about box
// and the Help menu all name the same place.
inline constexpr std::string_view kProgramName = "Horavela";
inline constexpr std::string_view kProgramVersion = HORAVELA_VERSION;
inline constexpr std::string_view kProgramWebAddress = "https://horavela.org";

}  // namespace horavela

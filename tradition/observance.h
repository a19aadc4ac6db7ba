#pragma once

#include <string_view>

#include "tradition/veto.h"

namespace horavela {

// The vetoes an undertaking (a subject's exact text) observes: the regional
// ones (Holashtak, Pitru Paksha) only when options.regional is set. An
// undertaking the table does not name observes none.
VetoSet VetoesObservedBy(std::string_view subject, const VetoOptions& options = {});

}  // namespace horavela

#include "tradition/observance.h"

#include "tradition/observance_table.h"

namespace horavela {

VetoSet VetoesObservedBy(std::string_view subject, const VetoOptions& options) {
  for (const observance::ObservanceRow& row : observance::kObservanceRows) {
    if (row.subject != subject) continue;
    return options.regional ? row.vetoes : row.vetoes & ~observance::kRegional;
  }
  return 0;
}

}  // namespace horavela

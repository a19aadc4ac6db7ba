#include "language/term_names.h"

// clang-format off
// Telugu: no list is spelled yet, so every term stands in English until a
// Telugu almanac's or matching table's spellings are at hand.
namespace horavela::term_names {

const Names kNone{};
const Table kTelugu = {kNone, kNone, kNone, kNone, kNone, kNone, kNone,
                   kNone, kNone, kNone, kNone, kNone, kNone};

}  // namespace horavela::term_names

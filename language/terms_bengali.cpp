#include "language/term_names.h"

// clang-format off
// Bengali: no list is spelled yet, so every term stands in English until a
// Bengali almanac's or matching table's spellings are at hand.
namespace horavela::term_names {

const Names kNone{};
const Table kBengali = {kNone, kNone, kNone, kNone, kNone, kNone, kNone,
                   kNone, kNone, kNone, kNone, kNone, kNone};

}  // namespace horavela::term_names

#include "language/term_names.h"

// clang-format off
// Kannada: no list is spelled yet, so every term stands in English until a
// Kannada almanac's or matching table's spellings are at hand.
namespace horavela::term_names {

const Names kNone{};
const Table kKannada = {kNone, kNone, kNone, kNone, kNone, kNone, kNone,
                   kNone, kNone, kNone, kNone, kNone, kNone};

}  // namespace horavela::term_names

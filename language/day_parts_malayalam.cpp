#include "language/day_part_names.h"

// clang-format off
// Malayalam. No published Malayalam list of choghadiyas or Gowri parts
// was found in the references searched: their Sanskrit names with the
// Malayalam ending (ഉദ്വേഗം, ചരം, ...; ഉദ്യോഗം, അമൃതം, ...), the almanac
// form. Signs in the Malayalam month-sign names of the names table,
// shortened to two syllables where longer (മിഥു, കർക്ക, വൃശ്ചി).
namespace horavela::day_part_names {

const Table kMalayalam = {
    {{"ഉദ്വേഗം", "ചരം", "ലാഭം", "അമൃതം", "കാലം", "ശുഭം", "രോഗം"}},
    {{"ഉദ്യോഗം", "അമൃതം", "രോഗം", "ലാഭം", "ധനം", "സുഖം", "ചോരം", "വിഷം"}},
    {{"മേടം", "ഇടവം", "മിഥു", "കർക്ക", "ചിങ്ങം", "കന്നി", "തുലാം", "വൃശ്ചി", "ധനു", "മകരം", "കുംഭം", "മീനം"}},
};

}  // namespace horavela::day_part_names
// clang-format on

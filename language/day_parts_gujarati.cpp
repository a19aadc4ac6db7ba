#include "language/day_part_names.h"

// clang-format off
// Gujarati. Choghadiyas as jainstavan.in's Gujarati choghadiya page and
// vedicastrology-gujarati.blogspot.com (2012/09, ચોઘડિયાં અને હોરા) write
// them: ઉદ્વેગ, ચલ (also ચર), લાભ, અમૃત, કાળ, શુભ, રોગ. Gowri parts in their
// Sanskrit names (no Gujarati list found). Signs shortened to their first
// two syllables.
namespace horavela::day_part_names {

const Table kGujarati = {
    {{"ઉદ્વેગ", "ચલ", "લાભ", "અમૃત", "કાળ", "શુભ", "રોગ"}},
    {{"ઉદ્યોગ", "અમૃત", "રોગ", "લાભ", "ધન", "સુખ", "ચોર", "વિષ"}},
    {{"મેષ", "વૃષ", "મિથુ", "કર્ક", "સિંહ", "કન્યા", "તુલા", "વૃશ્ચિ", "ધન", "મકર", "કુંભ", "મીન"}},
};

}  // namespace horavela::day_part_names
// clang-format on

#include "language/day_part_names.h"

// clang-format off
// Marathi. No Marathi choghadiya list was found in the references searched:
// the choghadiyas as Marathi almanacs print them (चल for Char, काळ for
// Kaal), the rest as in Hindi. Gowri parts in their Sanskrit names as for
// Hindi (sanjayprabhakaran.blogspot.com 2014/12). Signs shortened to their
// first two syllables (तूळ as the names table writes Tula).
namespace horavela::day_part_names {

const Table kMarathi = {
    {{"उद्वेग", "चल", "लाभ", "अमृत", "काळ", "शुभ", "रोग"}},
    {{"उद्योग", "अमृत", "रोग", "लाभ", "धन", "सुख", "चोर", "विष"}},
    {{"मेष", "वृष", "मिथु", "कर्क", "सिंह", "कन्या", "तूळ", "वृश्चि", "धनु", "मकर", "कुंभ", "मीन"}},
};

}  // namespace horavela::day_part_names
// clang-format on

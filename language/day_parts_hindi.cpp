#include "language/day_part_names.h"

// clang-format off
// Hindi. Choghadiyas (Udveg..Rog) as indiaancientastrology.blogspot.com's
// चौघड़िया page and aajkalkikhabar.com's दिन का चोगड़िया list them (उद्वेग,
// चर, लाभ, अमृत, काल, शुभ, रोग). Gowri parts as sanjayprabhakaran.blogspot.com
// (2014/12, on the Gowri table) gives their Sanskrit names (अमृत, रोग, लाभ,
// धन, सुख, चोर), Uthi as उद्योग (the Telugu almanacs' Udyogam) and Visham
// विष. Signs shortened to their first two syllables, as a chart's houses
// write them where the whole name does not fit (no published list was found).
namespace horavela::day_part_names {

const Table kHindi = {
    {{"उद्वेग", "चर", "लाभ", "अमृत", "काल", "शुभ", "रोग"}},
    {{"उद्योग", "अमृत", "रोग", "लाभ", "धन", "सुख", "चोर", "विष"}},
    {{"मेष", "वृष", "मिथु", "कर्क", "सिंह", "कन्या", "तुला", "वृश्चि", "धनु", "मकर", "कुम्भ", "मीन"}},
};

}  // namespace horavela::day_part_names
// clang-format on

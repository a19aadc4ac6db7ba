#include "language/day_part_names.h"

// clang-format off
// Tamil. Gowri parts (Nalla Neram) as astroved.com's கௌரி பஞ்சாங்கம் page
// names them (உத்தி, ரோகம், லாபம், தனம், சுகம், விஷம், சோரம்), the Moon's
// part அமிர்தம் as sanjayprabhakaran.blogspot.com (2014/12) writes it where
// astroved.com has அமுதம். Choghadiyas: no Tamil list was
// found; the Sanskrit names as Tamil almanacs write such words (உத்வேகம்,
// சரம், ..., ரோகம்). Signs shortened to their first syllables (மேஷ,
// ரிஷ, ...), distinct where two begin alike (கட, கன்னி).
namespace horavela::day_part_names {

const Table kTamil = {
    {{"உத்வேகம்", "சரம்", "லாபம்", "அமிர்தம்", "காலம்", "சுபம்", "ரோகம்"}},
    {{"உத்தி", "அமிர்தம்", "ரோகம்", "லாபம்", "தனம்", "சுகம்", "சோரம்", "விஷம்"}},
    {{"மேஷ", "ரிஷ", "மிது", "கட", "சிம்ம", "கன்னி", "துலா", "விருச்", "தனு", "மக", "கும்ப", "மீன"}},
};

}  // namespace horavela::day_part_names
// clang-format on

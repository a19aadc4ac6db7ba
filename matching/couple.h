#pragma once

#include <string>

#include "engine/vocabulary.h"

namespace horavela::matching {

// One person's Moon at birth: what the kootas and poruthams read.
struct BirthMoon {
  Nakshatra star = Nakshatra::None;
  int pada = 0;  // 1..4, the quarter of the star
  Rashi sign = Rashi::None;
  double degreesInSign = 0;  // 0..30, where Dhanus and Makara change vashya at 15
};

// The two as every asymmetric koota reads them: from the groom to the bride
// (varna, vashya and gana by the groom's row and the bride's column; tara
// both ways; the poruthams count the groom's star from the bride's).
struct Couple {
  BirthMoon groom;
  BirthMoon bride;
};

// What the Manglik check reads besides the Moon: the rising sign and the signs
// of Mars, Venus and Jupiter (None where the ephemeris gave none).
struct BirthSigns {
  BirthMoon moon;
  Rashi lagna = Rashi::None;
  Rashi mars = Rashi::None;
  Rashi venus = Rashi::None;
  Rashi jupiter = Rashi::None;
};

// Half points as the tables print them: "0", "0.5", "1.5", "36".
std::string PointsText(int halves);
// "1st", "2nd", "13th".
std::string OrdinalText(int n);

}  // namespace horavela::matching

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculation_settings.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "matching/ashtakoota.h"
#include "matching/doshas.h"
#include "matching/kuja_dosha.h"
#include "matching/poruthams.h"

namespace horavela::matching {

// What a total of the 36 points reads as.
enum class Band : std::int8_t { NotRecommended, Average, Good, Excellent };
struct BandRow {
  int minimumHalves;  // the least total, in half points, of the band
  Band band;
  std::string_view caption;
};
// Below 18 not recommended, 18 to 24 average, 25 to 32 good, above 32 excellent.
inline constexpr std::array<BandRow, 4> kBands = {{
    {0, Band::NotRecommended, "not recommended"},
    {36, Band::Average, "average"},
    {50, Band::Good, "good"},
    {65, Band::Excellent, "excellent"},
}};
Band BandOf(int totalHalves);
std::string_view NameOf(Band band);

// The whole match of two birth charts.
struct Match {
  BirthSigns groom;
  BirthSigns bride;
  Ashtakoota kootas;
  std::array<DoshaCheck, 2> doshas;
  Poruthams poruthams;
  KujaMatch kuja;
  Band band = Band::NotRecommended;
};
Match MatchCouple(const BirthSigns& groom, const BirthSigns& bride);

// One person of a match, as a request or the book gives them.
struct Person {
  std::string name;
  MomentEntry birth;
};
struct MatchRequest {
  Person groom;
  Person bride;
  CalculationSettings settings;
};

// The signs of a birth as an evaluation computes them: the lagna and the Moon
// from the engine, Mars, Venus and Jupiter from `ephemeris` on the Moon's
// sidereal zodiac; planets stay None when the ephemeris gives none.
BirthSigns BirthSignsOf(const MomentEntry& birth, const CalculationSettings& settings,
                        PlanetEphemeris& ephemeris);
Match MatchOf(const MatchRequest& request, PlanetEphemeris& ephemeris);

}  // namespace horavela::matching

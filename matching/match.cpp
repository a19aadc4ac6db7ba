#include "matching/match.h"

#include <cmath>

#include "engine/ascendant.h"
#include "engine/moon.h"
#include "rules/charts.h"

namespace horavela::matching {

namespace {

BirthMoon MoonOf(const MoonState& moon) {
  BirthMoon result;
  result.star = moon.MoonNakshatra;
  result.sign = moon.MoonRashi;
  if (!std::isfinite(moon.MoonLongitude) || result.sign == Rashi::None) return result;
  const double arcMinutes = moon.MoonLongitude * 60.0;
  result.pada = static_cast<int>(std::fmod(arcMinutes, 800.0) / 200.0) + 1;
  result.degreesInSign = moon.MoonLongitude - 30.0 * IndexOf(result.sign);
  return result;
}

Rashi SignOf(const PlanetLongitudes& longitudes, Planet planet) {
  return PlanetPositionAt(longitudes[static_cast<std::size_t>(IndexOf(planet))]).sign;
}

}  // namespace

Band BandOf(int totalHalves) {
  Band band = kBands.front().band;
  for (const BandRow& row : kBands)
    if (totalHalves >= row.minimumHalves) band = row.band;
  return band;
}

std::string_view NameOf(Band band) {
  for (const BandRow& row : kBands)
    if (row.band == band) return row.caption;
  return {};
}

Match MatchCouple(const BirthSigns& groom, const BirthSigns& bride) {
  Match match;
  match.groom = groom;
  match.bride = bride;
  const Couple couple{groom.moon, bride.moon};
  match.kootas = ScoreAshtakoota(couple);
  match.doshas = CheckDoshas(couple);
  match.poruthams = CheckPoruthams(couple);
  match.kuja = MatchKuja(groom, bride);
  match.band = BandOf(match.kootas.totalHalves);
  return match;
}

BirthSigns BirthSignsOf(const MomentEntry& birth, const CalculationSettings& settings,
                        PlanetEphemeris& ephemeris) {
  CalculationState state;
  state.Input.settings = settings;
  state.Input.birth = birth;
  state.Moment = MomentInputFrom(birth);
  ComputeAscendant(state);
  ComputeMoon(state);  // leaves the time base the planets are read at
  BirthSigns signs;
  signs.moon = MoonOf(state.Moon);
  signs.lagna = state.Ascendant.Lagna;
  const PlanetSet wanted = PlanetBit(IndexOf(Planet::Mars)) | PlanetBit(IndexOf(Planet::Venus)) |
                           PlanetBit(IndexOf(Planet::Jupiter));
  if (const auto longitudes =
          SiderealPlanetLongitudes(state.Time, ephemeris, wanted, settings.ayanamsa)) {
    signs.mars = SignOf(*longitudes, Planet::Mars);
    signs.venus = SignOf(*longitudes, Planet::Venus);
    signs.jupiter = SignOf(*longitudes, Planet::Jupiter);
  }
  return signs;
}

Match MatchOf(const MatchRequest& request, PlanetEphemeris& ephemeris) {
  return MatchCouple(BirthSignsOf(request.groom.birth, request.settings, ephemeris),
                     BirthSignsOf(request.bride.birth, request.settings, ephemeris));
}

}  // namespace horavela::matching

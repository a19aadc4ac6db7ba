#include "panchang/panchang.h"

#include <cmath>
#include <cstdint>

#include "engine/angle_fold.h"
#include "engine/planet_ephemeris.h"
#include "engine/swiss_positions.h"
#include "engine/time_base.h"
#include "panchang/panchang_moon.h"
#include "panchang/panchang_time.h"

namespace horavela {

namespace {

// Karana of the half-tithi 0..60 of the lunar month: the fixed Kimstughna
// first, the seven movable ones eight times, then Sakuna, Chatuspada, Naga.
int KaranaTableIndex(int karanaIndex) {
  if (karanaIndex < 0) return -1;
  if (karanaIndex == 0) return 10;
  if (karanaIndex <= 56) return (karanaIndex - 1) % 7;
  return karanaIndex - 50;  // 57..59; 60 (elongation of exactly 360) gives Kimstughna
}

// The yoga counts the series' unfolded longitudes against two constants whose
// sum is whole turns less this much: the ayanamsa of the panchang's yoga is
// AyanamsaCorrection and half of it on each luminary.
constexpr double kYogaConstantsShortfall = 0.010604469;

// The ayanamsa the settings choose, as AyanamsaCorrection holds it.
double ChosenPanchangAyanamsa(const PanchangState& p, double julianDayUt, AyanamsaSystem system) {
  if (system == AyanamsaSystem::Program) return PanchangAyanamsa(p.PanchangJulianDay);
  return SwissAyanamsa(system, julianDayUt) - kYogaConstantsShortfall / 2;
}

// The Sun and Moon of Swiss Ephemeris, kept as the series keep theirs: the
// unfolded longitudes whole turns (here none) from the folded ones, so that
// every reader of the panchang counts them alike.
void ReadSwissLuminaries(PanchangState& p, double julianDayUt) {
  const double moon = SwissMoonLongitude(julianDayUt).value_or(NAN);
  const double sun = SwissSunLongitude(julianDayUt).value_or(NAN);
  p.PanchangMoonLongitude = p.PanchangMoonUnfolded = moon;
  p.PanchangSunLongitude = p.PanchangSunUnfolded = sun;
}

}  // namespace

double PanchangInstant(const MomentInput& moment, const TimeBase& time) {
  const double midnight = JulianDayNumber(moment.month, moment.day, moment.year) - 0.5;
  const double universalTime = time.LocalHours + time.ZoneHours;  // not folded into 0..24
  const double jdUt = midnight + universalTime / 24;
  return jdUt + DeltaT(jdUt) / 24;
}

PanchangQuantities PanchangQuantitiesOf(const PanchangState& p) {
  // Elongation of the Moon from the Sun; the ayanamsa would cancel in it.
  double moon = p.PanchangMoonLongitude;
  if (moon < p.PanchangSunLongitude) moon += 360;
  const double elongation = moon - p.PanchangSunLongitude;

  // Sidereal Sun plus sidereal Moon. The two constants are whole turns
  // (1467 x 360) less 0.010604469 degrees.
  const double a = (p.AyanamsaCorrection + p.PanchangMoonUnfolded) - 491143.076989739;
  const double b = (p.AyanamsaCorrection + p.PanchangSunUnfolded) - 36976.912405792;
  return {elongation, (a + b) * 6 / 80};
}

void NameTithi(PanchangState& p, int tithiIndex) {
  p.TithiIndex = tithiIndex;
  p.TithiNumber = static_cast<std::int16_t>(tithiIndex + 1);
  if (tithiIndex < 0) {
    p.Fortnight = Paksha::None;
  } else {
    p.Fortnight = tithiIndex <= 14 ? Paksha::Shukla : Paksha::Krishna;
  }
  // Fifteen tithis a fortnight, the dark one closing with the new Moon.
  if (tithiIndex < 0 || tithiIndex >= 30) {
    p.TithiName = Tithi::None;
  } else if (tithiIndex == 29) {
    p.TithiName = Tithi::Amavasya;
  } else {
    p.TithiName = FromIndex<Tithi>(tithiIndex % 15);
  }
  p.Group =
      tithiIndex < 0 || tithiIndex >= 30 ? TithiGroup::None : FromIndex<TithiGroup>(tithiIndex % 5);
}

void NamePanchangElements(PanchangState& p) {
  const auto [elongation, yogaSpans] = PanchangQuantitiesOf(p);

  // A lunar day for every 12 degrees of elongation.
  NameTithi(p, FloorIndex(elongation / 12, 31));

  // Yoga: sidereal Sun plus sidereal Moon in spans of 13 deg 20 min.
  const double yoga = FoldUpToTurn(yogaSpans, 27);
  p.YogaIndex = FloorIndex(yoga, 28);
  p.YogaName = FromIndex<Yoga>(p.YogaIndex);

  // Karana: half a tithi, 6 degrees of elongation.
  p.KaranaIndex = FloorIndex(elongation / 6, 61);
  p.KaranaName = FromIndex<Karana>(KaranaTableIndex(p.KaranaIndex));
}

void ComputePanchang(CalculationState& state) {
  const MomentEntry& birth = state.Input.birth;
  const MomentEntry& election = state.Input.election;
  PanchangState& p = state.Panchang;
  p.BirthWeekday = WeekdayOfCivilDate(birth.year, birth.month, birth.day);
  p.ElectionWeekday = WeekdayOfCivilDate(election.year, election.month, election.day);

  p.PanchangJulianDay = PanchangInstant(state.Moment, state.Time);
  const CalculationSettings& settings = state.Input.settings;
  const double julianDayUt = UniversalJulianDay(state.Time);
  p.AyanamsaCorrection = ChosenPanchangAyanamsa(p, julianDayUt, settings.ayanamsa);
  if (settings.ephemeris == EphemerisSource::Swiss) {
    ReadSwissLuminaries(p, julianDayUt);
    NamePanchangElements(p);
    return;
  }
  const MoonLongitude moon = PanchangMoon(p.PanchangJulianDay);
  p.PanchangMoonLongitude = moon.folded;
  p.PanchangMoonUnfolded = moon.unfolded;
  const SunLongitude sun = PanchangSun(p.PanchangJulianDay);
  p.PanchangSunLongitude = sun.folded;
  p.PanchangSunUnfolded = sun.unfolded;
  NamePanchangElements(p);
}

}  // namespace horavela

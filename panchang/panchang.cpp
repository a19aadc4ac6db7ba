#include "panchang/panchang.h"

#include <cmath>
#include <cstdint>

#include "engine/angle_fold.h"
#include "engine/name_lookup.h"
#include "engine/time_base.h"
#include "panchang/panchang_moon.h"
#include "panchang/panchang_time.h"

namespace horavela {

// Tithi names as printed, bright fortnight 0..14 then dark 15..29; 30 empty.
const std::array<std::string_view, 31> kTithiNames = {
    "Pratipad",   "Dwithiai",  "Trithiai", "Chathurthi", "Panchami",   "Shashti",  "Saptami",
    "Ashtami",    "Navami",    "Dasami",   "Ekadasi",    "Dwadasi",    "Triodasi", "Chaturdasi",
    "Poornami",   "Pratipad",  "Dwithiai", "Trithiai",   "Chathurthi", "Panchami", "Shashti",
    "Saptami",    "Ashtami",   "Navami",   "Dasami",     "Ekadasi",    "Dwadasi",  "Triodasi",
    "Chaturdasi", "Ammavasai", "",
};

// The same tithis as the rule lists spell them; 30 empty.
const std::array<std::string_view, 31> kTithiRuleNames = {
    "Pratipada",   "Dwitiya",   "Tritiya", "Chaturthi", "Panchami",  "Shasthi",    "Saptami",
    "Ashtami",     "Navami",    "Dashami", "Ekadashi",  "Dwadashi",  "Triyodashi", "Chaturdashi",
    "Purnima",     "Pratipada", "Dwitiya", "Tritiya",   "Chaturthi", "Panchami",   "Shasthi",
    "Saptami",     "Ashtami",   "Navami",  "Dashami",   "Ekadashi",  "Dwadashi",   "Triyodashi",
    "Chaturdashi", "Amavashya", "",
};

// The five tithi groups, six times round; 30 empty.
const std::array<std::string_view, 31> kTithiGroups = {
    "Nanda",  "Bhadra", "Jaya",   "Rikta",  "Poorna", "Nanda",  "Bhadra", "Jaya",
    "Rikta",  "Poorna", "Nanda",  "Bhadra", "Jaya",   "Rikta",  "Poorna", "Nanda",
    "Bhadra", "Jaya",   "Rikta",  "Poorna", "Nanda",  "Bhadra", "Jaya",   "Rikta",
    "Poorna", "Nanda",  "Bhadra", "Jaya",   "Rikta",  "Poorna", "",
};

// The 27 yogas of the sidereal sum of Sun and Moon; 27 empty.
const std::array<std::string_view, 28> kYogaNames = {
    "Vishkambha", "Prithi", "Ayushman",  "Saubhagya", "Sobhana", "Atiganda",   "Sukarman",
    "Dhrithi",    "Soola",  "Ganda",     "Vridhi",    "Dhruva",  "Vyaghata",   "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyan",   "Parigha", "Siva",       "Siddha",
    "Sadhya",     "Subha",  "Sukla",     "Bramha",    "Indra",   "Vaidhruthi", "",
};

// Seven movable karanas (0..6), then the four fixed ones (7..10).
const std::array<std::string_view, 11> kKaranaNames = {
    "Bava",  "Balava", "Kaulava",    "Taitula", "Garija",     "Vanija",
    "Visti", "Sakuna", "Chatuspada", "Naga",    "Kimstughna",
};

namespace {

// Karana of the half-tithi 0..60 of the lunar month: the fixed Kimstughna
// first, the seven movable ones eight times, then Sakuna, Chatuspada, Naga.
int KaranaTableIndex(int karanaIndex) {
  if (karanaIndex < 0) return -1;
  if (karanaIndex == 0) return 10;
  if (karanaIndex <= 56) return (karanaIndex - 1) % 7;
  return karanaIndex - 50;  // 57..59; 60 (elongation of exactly 360) gives Kimstughna
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

void NamePanchangElements(PanchangState& p) {
  const auto [elongation, yogaSpans] = PanchangQuantitiesOf(p);

  // A lunar day for every 12 degrees of elongation.
  p.TithiIndex = FloorIndex(elongation / 12, 31);
  p.TithiNumber = static_cast<std::int16_t>(p.TithiIndex + 1);
  if (p.TithiIndex < 0) {
    p.Paksha.clear();
  } else {
    p.Paksha = p.TithiIndex <= 14 ? "Shukla Paksha" : "Krishna Paksha";
  }
  AssignName(p.TithiName, kTithiNames, p.TithiIndex);
  AssignName(p.TithiRuleName, kTithiRuleNames, p.TithiIndex);
  AssignName(p.TithiGroup, kTithiGroups, p.TithiIndex);

  // Yoga: sidereal Sun plus sidereal Moon in spans of 13 deg 20 min.
  const double yoga = FoldUpToTurn(yogaSpans, 27);
  p.YogaIndex = FloorIndex(yoga, 28);
  AssignName(p.YogaName, kYogaNames, p.YogaIndex);

  // Karana: half a tithi, 6 degrees of elongation.
  p.KaranaIndex = FloorIndex(elongation / 6, 61);
  AssignName(p.KaranaName, kKaranaNames, KaranaTableIndex(p.KaranaIndex));
}

void ComputePanchang(CalculationState& state) {
  const MomentEntry& birth = state.Input.birth;
  const MomentEntry& election = state.Input.election;
  PanchangState& p = state.Panchang;
  p.BirthWeekday.assign(WeekdayOfDate(birth.year, birth.month, birth.day));
  p.ElectionWeekday.assign(WeekdayOfDate(election.year, election.month, election.day));

  p.PanchangJulianDay = PanchangInstant(state.Moment, state.Time);
  p.AyanamsaCorrection = PanchangAyanamsa(p.PanchangJulianDay);
  const MoonLongitude moon = PanchangMoon(p.PanchangJulianDay);
  p.PanchangMoonLongitude = moon.folded;
  p.PanchangMoonUnfolded = moon.unfolded;
  const SunLongitude sun = PanchangSun(p.PanchangJulianDay);
  p.PanchangSunLongitude = sun.folded;
  p.PanchangSunUnfolded = sun.unfolded;
  NamePanchangElements(p);
}

}  // namespace horavela

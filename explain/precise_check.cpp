#include "explain/precise_check.h"

#include <swephexp.h>

#include <cmath>

#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "panchang/panchang.h"
#include "rules/charts.h"

namespace horavela {

namespace {

constexpr int kSun = 0;
constexpr int kMoon = 1;

// The ascendant's only use of an ephemeris is the tidal term of delta T, which
// moves it by far less than an arc-second: the analytical one reads no file
// and answers the same on every machine.
std::optional<double> PreciseAscendant(double julianDayUt, double latitude, double eastLongitude) {
  double cusps[13] = {};
  double angles[10] = {};
  // Equal houses: the ascendant is the same in every system, and this one
  // never fails near the poles.
  if (swe_houses_ex(julianDayUt, SEFLG_MOSEPH, latitude, eastLongitude, 'E', cusps, angles) < 0)
    return std::nullopt;
  if (!std::isfinite(angles[SE_ASC])) return std::nullopt;
  return angles[SE_ASC];
}

// The names of the elements of an election chart, and how a sentence speaks
// of each.
struct CheckedElement {
  ChartSlot slot;
  const char* says;  // "puts the Moon in "
};
const CheckedElement kCheckedElements[] = {
    {kNakshatraSlot, "puts the Moon in "}, {kMoonSignSlot, "puts the Moon in "},
    {kLagnaSlot, "puts the lagna in "},    {kTithiSlot, "gives the tithi "},
    {kYogaSlot, "gives the yoga "},        {kKaranaSlot, "gives the karana "},
};

std::string NameIn(const CalculationState& state, ChartSlot slot) {
  return std::string(ChartText(state.ElectionChart, slot));
}

// "Rohini", "Rohini and Vrishabha", "Dwadasi, Siddhi and Bava".
std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

// "; with Rohini the result would read Good (total 4)", or nothing when the
// rule set gave no verdict (its year precondition, an unknown subject).
std::string VerdictClause(const std::vector<std::string>& preciseNames, const Evaluation& program,
                          const Evaluation& precise) {
  if (precise.ResultWord == Verdict::None || !precise.PreconditionMessage.empty()) return {};
  const bool same =
      precise.ResultWord == program.ResultWord && precise.TotalScore == program.TotalScore;
  return "; with " + Joined(preciseNames) + " the result would " + (same ? "still " : "") +
         "read " + std::string(NameOf(precise.ResultWord)) + " (total " +
         std::to_string(precise.TotalScore) + ")";
}

void NameMoon(MoonState& moon, double tropical) {
  moon.MoonLongitude = MoonSiderealLongitude(tropical, moon.Ayanamsa);
  NameMoonLongitude(moon);
}

void NameLagna(AscendantState& ascendant, double tropical) {
  ascendant.AscendantLongitude = tropical + ascendant.Ayanamsa;
  Normalize360(ascendant.AscendantLongitude);
  ascendant.Lagna = FromIndex<Rashi>(SignIndex(ascendant.AscendantLongitude));
}

// The panchang counts its unfolded longitudes against constants of whole
// turns; the precise ones keep the program's count of turns.
void NamePanchang(PanchangState& panchang, double moon, double sun) {
  auto turns = [](double unfolded, double folded) {
    return std::round((unfolded - folded) / 360) * 360;
  };
  panchang.PanchangMoonUnfolded =
      moon + turns(panchang.PanchangMoonUnfolded, panchang.PanchangMoonLongitude);
  panchang.PanchangMoonLongitude = moon;
  panchang.PanchangSunUnfolded =
      sun + turns(panchang.PanchangSunUnfolded, panchang.PanchangSunLongitude);
  panchang.PanchangSunLongitude = sun;
  NamePanchangElements(panchang);
}

}  // namespace

std::optional<PrecisePositions> PrecisePositionsAt(double julianDayUt, double latitude,
                                                   double eastLongitude) {
  // The engine's own Swiss Ephemeris source: its choice of data files or the
  // analytical ephemeris, and its care for the library's per-thread state.
  const std::optional<PlanetLongitudes> planets =
      SwissEphemeris().TropicalLongitudes(julianDayUt, PlanetBit(kSun) | PlanetBit(kMoon));
  if (!planets) return std::nullopt;
  const std::optional<double> ascendant = PreciseAscendant(julianDayUt, latitude, eastLongitude);
  if (!ascendant) return std::nullopt;
  return PrecisePositions{(*planets)[kMoon], (*planets)[kSun], *ascendant};
}

void SubstitutePreciseElements(CalculationState& state, const PrecisePositions& precise) {
  MomentSnapshot& moment = state.ElectionMoment;
  NameMoon(moment.Moon, precise.moon);
  NameLagna(moment.Ascendant, precise.ascendant);
  NamePanchang(moment.Panchang, precise.moon, precise.sun);
  // The rules read the election moment's values from the state and its chart.
  state.Moon = moment.Moon;
  state.Ascendant = moment.Ascendant;
  state.Panchang = moment.Panchang;
  WriteChartRow(state, state.ElectionChart);
}

std::vector<std::string> PreciseCheckSentences(const CalculationState& program,
                                               const CalculationState& precise) {
  std::vector<const CheckedElement*> differing;
  std::vector<std::string> preciseNames;
  for (const CheckedElement& element : kCheckedElements) {
    const std::string name = NameIn(precise, element.slot);
    if (name == NameIn(program, element.slot)) continue;
    differing.push_back(&element);
    preciseNames.push_back(name);
  }
  // Elements change together (a tithi's end is a karana's), so each sentence
  // gives the verdict of the whole precise chart.
  const std::string verdict = VerdictClause(preciseNames, program.Result, precise.Result);
  std::vector<std::string> sentences;
  for (const CheckedElement* element : differing) {
    sentences.push_back("Swiss Ephemeris " + std::string(element->says) +
                        NameIn(precise, element->slot) + ", not " + NameIn(program, element->slot) +
                        verdict + ".");
  }
  return sentences;
}

std::vector<std::string> PreciseCheckWarnings(const EvaluationInput& input,
                                              const MomentEntry& election,
                                              PlanetEphemeris& ephemeris) {
  // On the weekday the user picked, as the verdict it is compared with.
  EvaluationInput judged = input;
  judged.election = election;
  const CalculationState program = EvaluatedState(judged, ephemeris);
  const TimeBase& time = program.ElectionMoment.Time;
  const std::optional<PrecisePositions> positions =
      PrecisePositionsAt(UniversalJulianDay(time), time.GeoLatitude, -time.GeoLongitude);
  if (!positions) return {};

  CalculationState precise = program;
  SubstitutePreciseElements(precise, *positions);
  ComputeStrengths(precise);
  RunSubjectRuleSet(precise);
  return PreciseCheckSentences(program, precise);
}

}  // namespace horavela

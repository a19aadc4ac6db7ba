#include "explain/precise_check.h"

#include <cmath>

#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "panchang/panchang.h"
#include "rules/charts.h"

namespace horavela {

namespace {

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

// Who computed the chart the one in use is checked against.
std::string_view CheckedAgainst(EphemerisSource inUse) {
  return inUse == EphemerisSource::Swiss ? "The program's own ephemeris" : "Swiss Ephemeris";
}

}  // namespace

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
                                               const CalculationState& precise,
                                               std::string_view checkedAgainst) {
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
    sentences.push_back(std::string(checkedAgainst) + " " + std::string(element->says) +
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
  const CalculationState inUse = EvaluatedState(judged, ephemeris);
  CalculationState other = inUse;
  if (judged.settings.ephemeris == EphemerisSource::Swiss) {
    // The election moment again by the program's own theories, the birth
    // chart and the planets as they are.
    other.Input.settings.ephemeris = EphemerisSource::Program;
    ComputeElectionChart(other);
  } else {
    const TimeBase& time = inUse.ElectionMoment.Time;
    const std::optional<PrecisePositions> positions =
        PrecisePositionsAt(UniversalJulianDay(time), time.GeoLatitude, -time.GeoLongitude);
    if (!positions) return {};
    SubstitutePreciseElements(other, *positions);
  }
  ComputeStrengths(other);
  RunSubjectRuleSet(other);
  return PreciseCheckSentences(inUse, other, CheckedAgainst(judged.settings.ephemeris));
}

}  // namespace horavela

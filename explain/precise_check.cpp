#include "explain/precise_check.h"

#include <cmath>

#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "panchang/panchang.h"
#include "rules/charts.h"

namespace horavela {

namespace {

// The elements of an election chart, each with the sentence that says the
// other chart names it otherwise: %1 who computed the other chart, %2 the
// name it gives, %3 the name in use; %4 the verdict clause, when there is one.
struct CheckedElement {
  ChartSlot slot;
  const char* says;
  const char* saysWithVerdict;
};
const CheckedElement kCheckedElements[] = {
    {kNakshatraSlot, "%1 puts the Moon in %2, not %3.", "%1 puts the Moon in %2, not %3; %4."},
    {kMoonSignSlot, "%1 puts the Moon in %2, not %3.", "%1 puts the Moon in %2, not %3; %4."},
    {kLagnaSlot, "%1 puts the lagna in %2, not %3.", "%1 puts the lagna in %2, not %3; %4."},
    {kTithiSlot, "%1 gives the tithi %2, not %3.", "%1 gives the tithi %2, not %3; %4."},
    {kYogaSlot, "%1 gives the yoga %2, not %3.", "%1 gives the yoga %2, not %3; %4."},
    {kKaranaSlot, "%1 gives the karana %2, not %3.", "%1 gives the karana %2, not %3; %4."},
};

Wording NameIn(const CalculationState& state, ChartSlot slot) {
  return ChartName(state.ElectionChart, slot);
}

// "Rohini", "Rohini and Vrishabha", "Dwadasi, Siddhi and Bava".
Wording Listed(const std::vector<Wording>& names) {
  if (names.empty()) return AsIs("");
  Wording text = names.back();
  if (names.size() < 2) return text;
  text = Worded("%1 and %2", {names[names.size() - 2], text});
  for (std::size_t i = names.size() - 2; i > 0; --i) text = Worded("%1, %2", {names[i - 1], text});
  return text;
}

// "with Rohini the result would read Good (total 4)", or nothing when the
// rule set gave no verdict (its year precondition, an unknown subject).
std::optional<Wording> VerdictClause(const std::vector<Wording>& preciseNames,
                                     const Evaluation& program, const Evaluation& precise) {
  if (precise.ResultWord == Verdict::None || !precise.PreconditionMessage.empty())
    return std::nullopt;
  const bool same =
      precise.ResultWord == program.ResultWord && precise.TotalScore == program.TotalScore;
  return Worded(same ? "with %1 the result would still read %2 (total %3)"
                     : "with %1 the result would read %2 (total %3)",
                {Listed(preciseNames), Worded(NameOf(precise.ResultWord)),
                 AsIs(std::to_string(precise.TotalScore))});
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
  return TextsOf(PreciseCheckWordings(program, precise, checkedAgainst));
}

std::vector<Wording> PreciseCheckWordings(const CalculationState& program,
                                          const CalculationState& precise,
                                          std::string_view checkedAgainst) {
  std::vector<const CheckedElement*> differing;
  std::vector<Wording> preciseNames;
  for (const CheckedElement& element : kCheckedElements) {
    const Wording name = NameIn(precise, element.slot);
    if (name == NameIn(program, element.slot)) continue;
    differing.push_back(&element);
    preciseNames.push_back(name);
  }
  // Elements change together (a tithi's end is a karana's), so each sentence
  // gives the verdict of the whole precise chart.
  const std::optional<Wording> verdict =
      VerdictClause(preciseNames, program.Result, precise.Result);
  std::vector<Wording> sentences;
  for (const CheckedElement* element : differing) {
    std::vector<Wording> parts{Worded(checkedAgainst), NameIn(precise, element->slot),
                               NameIn(program, element->slot)};
    if (verdict) parts.push_back(*verdict);
    sentences.push_back(Worded(verdict ? element->saysWithVerdict : element->says, parts));
  }
  return sentences;
}

std::vector<std::string> PreciseCheckWarnings(const EvaluationInput& input,
                                              const MomentEntry& election,
                                              PlanetEphemeris& ephemeris) {
  return TextsOf(PreciseCheckWarningWordings(input, election, ephemeris));
}

std::vector<Wording> PreciseCheckWarningWordings(const EvaluationInput& input,
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
  return PreciseCheckWordings(inUse, other, CheckedAgainst(judged.settings.ephemeris));
}

}  // namespace horavela

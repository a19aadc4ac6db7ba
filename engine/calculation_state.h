#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/chart.h"
#include "engine/evaluation_input.h"
#include "engine/moment_input.h"
#include "engine/vocabulary.h"

namespace horavela {

class PlanetEphemeris;

// Time values of one moment (local time, zone, universal time, Julian day).
struct TimeBase {
  double LocalHours = 0;     // hour + minute / 60
  double ZoneHours = 0;      // signed, west positive, daylight saving applied
  double GeoLongitude = 0;   // degrees, west positive
  double GeoLatitude = 0;    // degrees, north positive
  double JulianDay = 0;      // integer-valued day number of the civil date
  double UniversalTime = 0;  // hours, not folded into 0..24
  double Centuries = 0;      // Julian centuries from the epoch of the last model run
};

struct AscendantState {
  double Ayanamsa = 0;  // 1900-epoch ayanamsa, degrees, negative
  double LocalSiderealAngle = 0;
  double Obliquity = 0;  // radians
  double AscendantLongitude = 0;
  Rashi Lagna = Rashi::None;
};

struct MoonState {
  double Ayanamsa = 0;  // J2000-epoch ayanamsa, degrees, negative
  double MoonLongitude = 0;
  Nakshatra MoonNakshatra = Nakshatra::None;
  Rashi MoonRashi = Rashi::None;
};

struct PanchangState {
  double PanchangJulianDay = 0;  // the moment in dynamical time
  double AyanamsaCorrection = 0;
  double PanchangSunLongitude = 0;
  double PanchangSunUnfolded = 0;
  double PanchangMoonLongitude = 0;
  double PanchangMoonUnfolded = 0;
  int TithiIndex = 0;
  std::int16_t TithiNumber = 0;
  // The fortnight of TithiIndex 0..30: index 30 (an elongation of a whole
  // turn) is in the dark one though it names no tithi.
  Paksha Fortnight = Paksha::None;
  Tithi TithiName = Tithi::None;
  TithiGroup Group = TithiGroup::None;
  int YogaIndex = 0;
  Yoga YogaName = Yoga::None;
  int KaranaIndex = 0;
  Karana KaranaName = Karana::None;
  Weekday BirthWeekday = Weekday::None;  // of the civil dates
  Weekday ElectionWeekday = Weekday::None;
};

// What the ascendant, the Moon and the panchang leave for one moment, kept per moment so the
// command-line tool and the details pages can show both.
struct MomentSnapshot {
  MomentInput Input;
  TimeBase Time;  // Centuries from J2000, the Moon's epoch
  AscendantState Ascendant;
  MoonState Moon;
  PanchangState Panchang;
};

struct SpecialYogaState {
  bool IsSiddhaYoga = false;
  bool IsSarvarthaSiddhaYoga = false;
  bool IsAmritaSiddhiYoga = false;
  std::string_view YogaWarning;  // a note of the Amrita Siddhi yoga, from its table
  bool IsDvipushkarYoga = false;
  bool IsTripushkarYoga = false;
  bool IsMrityuYoga = false;
  bool IsDagdhaYoga = false;
  bool IsYamaghataYoga = false;
  SolarMonth HinduMonth = SolarMonth::None;
};

inline constexpr int kPlanetCount = 7;  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn

// The election moment's planets, Sun..Saturn.
using PlanetPositions = std::array<PlanetPosition, kPlanetCount>;

struct LagnaTestState {
  std::int16_t LagnaCount = 0;
  // The rising sign of the clock table, and the sign tenth from it.
  Rashi MuhurthaLagna = Rashi::None;
  Rashi TenthSign = Rashi::None;
  PlanetPositions PlanetSigns;
  std::vector<Planet> PlanetsInTenth;
  bool IsJupiterInLagna = false;
  bool IsJupiterInNinth = false;
};

inline constexpr int kReportFlagCount = 20;

constexpr std::array<std::int8_t, kReportFlagCount> NoSelectorFactors() {
  std::array<std::int8_t, kReportFlagCount> none{};
  none.fill(-1);
  return none;
}

// How the last lines of the result label read; None where a rule set wrote
// no label (it stopped at its year precondition, or never ran).
enum class LabelStyle : std::int8_t {
  None,
  Election,     // "Election: " + word
  Electional,   // engagement: "Electional: " + word
  YogaWarning,  // YogaWarning and two line breaks after the last factor's line
  TradePlanets  // planets in the tenth house after the result word
};

// The result of one rule set.
struct Evaluation {
  std::vector<FactorVerdict> FactorVerdicts;  // 0..N, slot N empty
  std::vector<std::int16_t> FactorPoints;     // 0..N, slot N zero
  std::int16_t TotalScore = 0;
  std::int16_t FactorCount = 0;
  Verdict ResultWord = Verdict::None;
  std::array<std::int16_t, kReportFlagCount> ReportFlags{};
  // The factor (index into FactorVerdicts) whose outcome set each selector,
  // -1 where none did: the report checks a section's text against it.
  std::array<std::int8_t, kReportFlagCount> SelectorFactors = NoSelectorFactors();
  // Set when the rule set stopped at its year precondition: the report is
  // then this message alone.
  std::string_view PreconditionMessage;
  // What the result label shows besides the above, its text built only where
  // it is shown (ResultLabelOf): the note of the Amrita Siddhi yoga for
  // LabelStyle::YogaWarning, the planets in the tenth for TradePlanets.
  LabelStyle Label = LabelStyle::None;
  std::string_view YogaWarning;
  std::vector<Planet> PlanetsInTenth;
};

// All state one evaluation works on. Two evaluations with two states never
// share anything, so evaluations may run side by side.
struct CalculationState {
  EvaluationInput Input;  // the two pages, name, sex, subject, weekday box
  MomentInput Moment;     // the moment under calculation
  TimeBase Time;
  AscendantState Ascendant;
  MoonState Moon;
  PanchangState Panchang;  // after both moments: the election moment's values

  Chart BirthChart;
  Chart ElectionChart;
  MomentSnapshot BirthMoment;
  MomentSnapshot ElectionMoment;

  Word TaraBalaVerdict = Word::None;
  Word ChandraBalaVerdict = Word::None;

  SpecialYogaState Yogas;
  LagnaTestState Lagna;
  Evaluation Result;

  // Things the user should know about this evaluation (e.g. planets unavailable).
  std::vector<std::string> Warnings;

  // The planets of the election moment are costly (an ephemeris call for
  // seven bodies) and read by few rule sets: ComputeCharts leaves here where
  // and for which instant to compute them, and ElectionPlanetSigns does so on
  // first use. Null once Lagna.PlanetSigns holds them.
  struct PendingPlanets {
    PlanetEphemeris* ephemeris = nullptr;
    TimeBase time;
  } PlanetsToCompute;
};

}  // namespace horavela

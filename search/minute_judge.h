#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"
#include "rules/rule_sets.h"
#include "search/muhurta_finder.h"
#include "search/place_clock.h"

namespace horavela {

bool SameJudgement(const Judgement& a, const Judgement& b);

// A run of consecutive minutes [first, last] with one judgement.
struct JudgedRun {
  std::int64_t first = 0;
  std::int64_t last = 0;
  SharedJudgement judgement;
};

// Appends [first, last] to `runs`, extending the last run when it continues it
// (adjacent and judged the same).
void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               Judgement&& judgement);
void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               SharedJudgement judgement);

// The inputs of the election moment a rule set can read, as bits. The civil
// date (weekday, date differences, Hindu month, the year precondition) and the
// zone are read by every rule set.
enum ReadInput : unsigned {
  kReadsMoon = 1u << 0,        // the Moon's nakshatra and sign (tara and chandra bala)
  kReadsLagna = 1u << 1,       // the ascendant's sign
  kReadsPanchang = 1u << 2,    // tithi, karana, yoga
  kReadsTableLagna = 1u << 3,  // the rising sign of ComputeMuhurthaLagna's table
  kReadsDate = 1u << 4,        // the civil date and the zone
};
// The sign of one planet (index in the ephemeris order), and of all seven.
constexpr unsigned ReadsPlanet(int index) {
  return 1u << (5 + index);
}
inline constexpr unsigned kReadsPlanets = ReadsPlanet(0) * kAllPlanets;
inline constexpr unsigned kReadsAll = (1u << (5 + kPlanetCount)) - 1;

unsigned InputsRead(RuleSet ruleSet);

// The pada of the zodiac's 108 (nakshatra * 4 + pada - 1) a sidereal longitude
// lies in, on the same grid as NakshatraIndex; -1 for a value that is not finite.
int PadaIndex(double siderealLongitude);

// The elements of the election chart whose changes a judge can find.
enum class JudgedElement {
  kMoonSign,       // the Moon's sign
  kNakshatraPada,  // the Moon's nakshatra and its pada
  kLagna,          // the ascendant's sign
  kTithi,
  kKarana,  // changes with every tithi too
  kYoga,
};

// The planets' fastest motions in longitude, degrees a day, forward and
// backward, with a margin; the Sun and the Moon never move backward and go
// on at about their mean motion.
// The others also change their speed by at most `acceleration` degrees a day
// per day (the largest swings come at Mercury's inferior conjunctions).
struct PlanetMotion {
  double forward;
  double backward;
  double mean;
  double acceleration;
};
inline constexpr PlanetMotion kPlanetMotions[kPlanetCount] = {
    {1.1, 0, 0.9856, 0},   // Sun
    {16.0, 0, 13.176, 0},  // Moon
    {2.5, 1.6, 0, 0.6},    // Mercury
    {1.35, 0.8, 0, 0.2},   // Venus
    {0.9, 0.5, 0, 0.05},   // Mars
    {0.3, 0.16, 0, 0.02},  // Jupiter
    {0.15, 0.1, 0, 0.01},  // Saturn
};

// Judges the minutes of one search, one per thread. Its minutes are universal
// ones (minutes since 1970-01-01 00:00 UT): each real minute once, both runs
// of an hour the clocks repeat, none of an hour they skip. Finds the minutes at which
// anything a requested rule set reads changes and runs each rule set only at
// the changes of the inputs it reads.
class MinuteJudge {
 public:
  // The request's person with the birth chart computed once.
  static CalculationState BirthState(const SearchRequest& request);

  // The planets come from `ephemeris`, which must outlive the judge.
  MinuteJudge(const SearchRequest& request, const CalculationState& birth,
              PlanetEphemeris& ephemeris);

  // Judges every requested subject over [first, last], appending to
  // runs[subject], one civil day after the other: `beforeDay` is asked before
  // each day (false stops the search), `afterDay` told after it. Returns the
  // number of rule-set runs; adds the minutes that exist to `scanned`.
  std::int64_t JudgeRange(std::int64_t first, std::int64_t last,
                          std::vector<std::vector<JudgedRun>>& runs, std::int64_t& scanned,
                          const std::function<bool()>& beforeDay,
                          const std::function<void()>& afterDay);

  // The position texts at `minute` of the planets in `planets`, as the driver
  // leaves them in Lagna.PlanetSigns, with their sidereal longitudes (empty
  // and NaN for the others, or when unavailable), and their signs as a key.
  struct PlanetSample {
    std::array<std::string, kPlanetCount> texts;
    std::array<double, kPlanetCount> longitudes;
    std::int64_t key = 0;
  };
  PlanetSample SamplePlanets(std::int64_t minute, PlanetSet planets = kAllPlanets);

  // The minutes in (first, last] at which the sign of a planet some requested
  // rule set reads changes, for a stretch of one zone.
  std::vector<std::int64_t> PlanetChanges(std::int64_t first, std::int64_t last);

  // The minutes in (first, last] at which `element` differs from the minute
  // before, found as the search finds them.
  std::vector<std::int64_t> ElementChanges(std::int64_t first, std::int64_t last,
                                           JudgedElement element);

  // The election moment of `minute` as the judge reads it: the place with the
  // zone in force at that minute.
  MomentEntry EntryAt(std::int64_t minute);
  // The local minute a universal one shows at the place.
  LocalMinute LocalAt(std::int64_t minute) const;
  const PlaceClock& clock() const { return clock_; }

  // One subject at `minute` judged from a fresh state, as horavela-cli
  // evaluate judges it: both charts, the strengths and the rule set.
  Judgement JudgeThroughDriver(std::int64_t minute, std::size_t subject);

 private:
  using Key = std::int64_t;
  // An element's key at a minute, and the continuous quantity whose crossing
  // of a boundary changes it (NaN where there is none to interpolate on).
  struct Probe {
    Key key = 0;
    double quantity = 0;
  };
  using ProbeFunction = Probe (MinuteJudge::*)(std::int64_t);
  struct Element;
  struct Change {
    std::int64_t minute;
    unsigned inputs;
  };
  struct PanchangProbe {
    std::int64_t minute;
    Probe karana;
    Probe yoga;
    Probe tithi;
  };

  PlaceClock::Reading ReadClock(std::int64_t minute);
  ZoneAtMinute ZoneAt(std::int64_t minute);
  void LoadMoment(std::int64_t minute);
  void FindChanges(std::int64_t first, std::int64_t last, const Element& element, unsigned inputs);
  std::int64_t JudgePiece(std::int64_t first, std::int64_t last,
                          std::vector<std::vector<JudgedRun>>& runs);
  SharedJudgement Intern(std::size_t subject, const Evaluation& evaluation,
                         const std::string& label);
  void ExtendOrOpen(std::size_t subject, std::vector<JudgedRun>& runs, std::int64_t first,
                    std::int64_t last);
  void FindPlanetChanges(std::int64_t first, std::int64_t last);
  std::int64_t FirstPlanetChange(std::int64_t low, std::int64_t high, const PlanetSample& before,
                                 PlanetSample& after);
  void LoadElection(std::int64_t minute);

  Probe MoonProbe(std::int64_t minute);
  Probe MoonSignProbe(std::int64_t minute);
  Probe PadaProbe(std::int64_t minute);
  Probe TithiProbe(std::int64_t minute);
  Probe LagnaProbe(std::int64_t minute);
  Probe KaranaProbe(std::int64_t minute);
  Probe YogaProbe(std::int64_t minute);
  Probe TableLagnaProbe(std::int64_t minute);
  Probe ZoneProbe(std::int64_t minute);
  const PanchangProbe& PanchangAt(std::int64_t minute);
  std::vector<std::int64_t> ZoneStretches(std::int64_t first, std::int64_t last);
  Element ElementSearch(JudgedElement element) const;

  const SearchRequest& request_;
  PlaceClock clock_;
  int offsetHint_ = 0;  // the offset of the minute last read
  PlanetEphemeris& ephemeris_;
  std::vector<RuleSet> ruleSets_;
  std::vector<unsigned> reads_;  // per subject
  unsigned readByAny_ = 0;
  PlanetSet planetsRead_ = 0;
  Verdict minimumVerdict_ = Verdict::None;
  std::int64_t lagnaSpan_ = 1;
  CalculationState birth_;
  CalculationState scratch_;  // for the element probes
  CalculationState state_;    // for the evaluations
  std::vector<Change> changes_;
  std::vector<PanchangProbe> panchangProbes_;
  // The planets' texts from each minute at which one of their signs changes.
  struct PlanetRun {
    std::int64_t first;
    unsigned changed;  // ReadsPlanet bits of the planets whose sign changed there
    std::array<std::string, kPlanetCount> texts;
  };
  std::vector<PlanetRun> planetRuns_;
  std::array<std::string, kPlanetCount> planets_{};
  // The judgements seen so far, per subject, by a hash of their label.
  std::vector<std::unordered_multimap<std::size_t, SharedJudgement>> judgements_;
};

}  // namespace horavela

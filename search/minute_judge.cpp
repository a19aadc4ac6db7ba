#include "search/minute_judge.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "calendar/civil_calendar.h"
#include "engine/angle_fold.h"
#include "engine/ascendant.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"
#include "panchang/strengths.h"
#include "rules/charts.h"
#include "rules/evaluation.h"
#include "rules/subjects.h"

namespace horavela {

namespace {

// The longest stretches, in minutes, within which an element cannot change
// twice: its shortest span divided by its fastest motion.
// Moon: nakshatra and sign boundaries lie at least 3°20' apart; 15.4°/day.
constexpr std::int64_t kMoonSpan = 240;
// Karana: 6° of elongation at up to 14.5°/day; yoga: 13°20' of the sum at up to 16.4°/day.
constexpr std::int64_t kPanchangSpan = 480;
// Table lagna: every sign holds at least 77 minutes of its count.
constexpr std::int64_t kTableLagnaSpan = 20;
// Zones: daylight-saving gaps last at least half an hour.
constexpr std::int64_t kZoneSpan = 15;

// Guided guesses before a change search falls back to halving its bracket.
constexpr int kMaxGuidedSteps = 6;

constexpr int kSunIndex = 0;
constexpr int kMoonIndex = 1;
constexpr int kJupiterIndex = 5;
constexpr PlanetSet kLuminaries = PlanetBit(kSunIndex) | PlanetBit(kMoonIndex);
constexpr unsigned kReadsLuminaries = ReadsPlanet(kSunIndex) | ReadsPlanet(kMoonIndex);
// Well below a lunar month, so the Moon cannot come round to its sign again.
constexpr double kLongestPlanetStepDays = 10;

// Inputs beyond the Moon, the panchang and the date, by rule set: the election
// lagna (the journeys' count from the birth lagna, the sale-time lagna), the
// table lagna (the journeys' Muhurtha lagna, the trade's tenth house) and the
// planets (all seven for the trade's tenth house, only Jupiter for a
// pilgrimage: in the table lagna or nine signs from it).
struct ExtraReads {
  RuleSet ruleSet;
  unsigned inputs;
};
const ExtraReads kExtraReads[] = {
    {EvaluateTrade, kReadsTableLagna | kReadsPlanets},
    {EvaluateDomesticJourney, kReadsLagna | kReadsTableLagna},
    {EvaluateReligiousJourney, kReadsLagna | kReadsTableLagna | ReadsPlanet(kJupiterIndex)},
    {EvaluateForeignJourney, kReadsLagna | kReadsTableLagna},
    {EvaluateSellingItem, kReadsLagna},
};

// Minutes the ascendant needs at least to cross a whole sign at this latitude:
// the sign (30°) over its fastest motion, d(asc)/d(sidereal time) =
// (cos e + sin t sin e tan f) / (cos²t + (sin t cos e + sin e tan f)²). Where
// the numerator can vanish (polar latitudes) the ascendant is checked every minute.
std::int64_t LagnaSpan(double latitudeDegrees) {
  const double obliquity = 23.6 * kDegreesToRadians;  // a little above its value: safer
  const double tanLatitude = std::tan(std::fabs(latitudeDegrees) * kDegreesToRadians);
  if (!std::isfinite(tanLatitude) || tanLatitude * std::sin(obliquity) >= 0.9 * std::cos(obliquity))
    return 1;
  double fastest = 0;
  for (int step = 0; step < 3600; ++step) {
    const double t = step * 0.1 * kDegreesToRadians;
    for (double sign : {1.0, -1.0}) {
      const double tf = sign * tanLatitude;
      const double numerator = std::cos(obliquity) + std::sin(t) * std::sin(obliquity) * tf;
      const double x = std::sin(t) * std::cos(obliquity) + std::sin(obliquity) * tf;
      const double rate = numerator / (std::cos(t) * std::cos(t) + x * x);
      fastest = std::max(fastest, rate);
    }
  }
  const double degreesPerMinute = fastest * 0.250684;  // sidereal degrees per clock minute
  const double minutes = 0.8 * 30.0 / degreesPerMinute;
  return std::clamp<std::int64_t>(static_cast<std::int64_t>(minutes), 1, 120);
}

// The civil day of a minute index (days since 1970-01-01, earlier ones negative).
std::int64_t FloorDay(std::int64_t minute) {
  return minute / 1440 - (minute % 1440 < 0 ? 1 : 0);
}

// The next boundary above `x` on a grid of `step`.
double NextOnGrid(double x, double step) {
  return (std::floor(x / step) + 1) * step;
}

// Nakshatras (13°20') and signs (30°) of the Moon's longitude.
double NextMoonBoundary(double x) {
  return std::min(NextOnGrid(x, 40.0 / 3.0), NextOnGrid(x, 30.0));
}
double NextSignBoundary(double x) {
  return NextOnGrid(x, 30.0);
}
double NextKaranaBoundary(double x) {
  return NextOnGrid(x, 6.0);
}
double NextYogaBoundary(double x) {
  return NextOnGrid(x, 1.0);
}
double NextPadaBoundary(double x) {
  return NextOnGrid(x, 10.0 / 3.0);
}
double NextTithiBoundary(double x) {
  return NextOnGrid(x, 12.0);
}

// Days for which a planet that moves back and forth surely stays in its sign,
// `ahead` and `behind` degrees from its ends: by its fastest motion, or, where
// it was also seen `elapsed` days ago at `earlier`, by its present speed
// (within `acceleration` times `elapsed` of the mean speed since then) and
// its greatest change of speed.
double DaysInSign(const PlanetMotion& motion, double ahead, double behind, double longitude,
                  double earlier, double elapsed) {
  const double byMotion = std::min(ahead / motion.forward, behind / motion.backward);
  if (!std::isfinite(earlier) || !(elapsed > 0)) return byMotion;
  double moved = longitude - earlier;
  if (moved > 180) moved -= 360;
  if (moved < -180) moved += 360;
  const double a = motion.acceleration;
  const double fastest = moved / elapsed + a * elapsed;
  const double slowest = moved / elapsed - a * elapsed;
  // Where fastest·τ + a·τ²/2 reaches `ahead`, and slowest·τ − a·τ²/2 reaches −`behind`.
  const double forward = (-fastest + std::sqrt(fastest * fastest + 2 * a * ahead)) / a;
  const double backward = (slowest + std::sqrt(slowest * slowest + 2 * a * behind)) / a;
  const double bySpeed = std::min(forward, backward);
  return std::isfinite(bySpeed) ? std::max(byMotion, bySpeed) : byMotion;
}

// A planet's sign, 1..12, from characters 4 to 6 of its position text (0 when
// the text is too short, 13 when they name no sign).
int PlanetSignCode(const std::string& text) {
  if (text.size() < 4) return 0;
  const std::string_view sign = std::string_view(text).substr(3, 3);
  for (int i = 0; i < 12; ++i)
    if (kSignAbbreviations[i] == sign) return i + 1;
  return 13;
}

// The signs of all seven texts in one number.
std::int64_t SignKey(const std::array<std::string, kPlanetCount>& texts) {
  std::int64_t key = 0;
  for (const std::string& text : texts) key = key * 16 + PlanetSignCode(text);
  return key;
}

// The ReadsPlanet bits of the planets whose signs differ in two samples.
unsigned ChangedPlanets(const MinuteJudge::PlanetSample& a, const MinuteJudge::PlanetSample& b) {
  unsigned changed = 0;
  for (int i = 0; i < kPlanetCount; ++i)
    if (PlanetSignCode(a.texts[i]) != PlanetSignCode(b.texts[i])) changed |= ReadsPlanet(i);
  return changed;
}

}  // namespace

struct MinuteJudge::Element {
  ProbeFunction probe;
  std::int64_t span;               // minutes within which it cannot change twice
  double turn;                     // the quantity's period, 0 when it never wraps
  double (*nextBoundary)(double);  // null: no quantity, halve the bracket
};

namespace {

// The cheap numbers first: most judgements that differ differ there.
bool SameAs(const Judgement& a, const Evaluation& y, const std::string& label) {
  const Evaluation& x = a.evaluation;
  return x.TotalScore == y.TotalScore && x.FactorCount == y.FactorCount &&
         x.ReportFlags == y.ReportFlags && x.FactorPoints == y.FactorPoints &&
         x.ResultWord == y.ResultWord && x.FactorVerdicts == y.FactorVerdicts && a.label == label;
}

}  // namespace

bool SameJudgement(const Judgement& a, const Judgement& b) {
  return SameAs(a, b.evaluation, b.label);
}

void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               SharedJudgement judgement) {
  if (!runs.empty() && runs.back().last + 1 == first &&
      (runs.back().judgement == judgement || SameJudgement(*runs.back().judgement, *judgement))) {
    runs.back().last = last;
    return;
  }
  runs.push_back({first, last, std::move(judgement)});
}

void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               Judgement&& judgement) {
  if (!runs.empty() && runs.back().last + 1 == first &&
      SameJudgement(*runs.back().judgement, judgement)) {
    runs.back().last = last;
    return;
  }
  runs.push_back({first, last, std::make_shared<const Judgement>(std::move(judgement))});
}

namespace {

// A hash of the numbers of an evaluation and the length of its label: cheap,
// and different for nearly all judgements of one subject.
std::size_t QuickHash(const Evaluation& evaluation, const std::string& label) {
  std::size_t hash = label.size();
  auto mix = [&hash](std::size_t value) { hash = (hash ^ value) * 0x100000001b3ULL; };
  mix(static_cast<std::uint16_t>(evaluation.TotalScore));
  mix(static_cast<std::uint16_t>(evaluation.FactorCount));
  for (std::int16_t points : evaluation.FactorPoints) mix(static_cast<std::uint16_t>(points));
  for (std::int16_t flag : evaluation.ReportFlags) mix(static_cast<std::uint16_t>(flag));
  for (const FactorVerdict& verdict : evaluation.FactorVerdicts)
    mix(static_cast<std::size_t>(verdict.factor) * 8 + static_cast<std::size_t>(verdict.word));
  return hash;
}

}  // namespace

// The subject's judgement equal to the state's result, made and kept on its
// first appearance.
SharedJudgement MinuteJudge::Intern(std::size_t subject, const Evaluation& evaluation,
                                    const std::string& label) {
  auto& seen = judgements_[subject];
  const std::size_t hash = QuickHash(evaluation, label);
  const auto [begin, end] = seen.equal_range(hash);
  for (auto it = begin; it != end; ++it)
    if (SameAs(*it->second, evaluation, label)) return it->second;
  auto judgement = std::make_shared<const Judgement>(Judgement{evaluation, label});
  seen.emplace(hash, judgement);
  return judgement;
}

// Extends the subject's last run over [first, last] when the state's result
// continues it, else opens a run. A closed run below the minimum result will
// not be reported: the new run takes its place.
void MinuteJudge::ExtendOrOpen(std::size_t subject, std::vector<JudgedRun>& runs,
                               std::int64_t first, std::int64_t last) {
  const Evaluation& evaluation = state_.Result;
  const std::string& label = state_.ResultLabel;
  if (!runs.empty()) {
    JudgedRun& open = runs.back();
    if (open.last + 1 == first && SameAs(*open.judgement, evaluation, label)) {
      open.last = last;
      return;
    }
    if (open.judgement->evaluation.ResultWord < minimumVerdict_) {
      open = {first, last, Intern(subject, evaluation, label)};
      return;
    }
  }
  runs.push_back({first, last, Intern(subject, evaluation, label)});
}

int PadaIndex(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return -1;
  double longitude = siderealLongitude;
  if (!(longitude >= 0 && longitude < 360)) {
    longitude = FoldUpToTurn(longitude, 360);
    if (longitude == 360) longitude = 0;
  }
  // Over 200 rather than 800 arc-minutes: the same rounding as NakshatraIndex,
  // so each pada lies within its nakshatra.
  return FloorIndex(longitude * 60 / 200, 108);
}

unsigned InputsRead(RuleSet ruleSet) {
  unsigned inputs = kReadsMoon | kReadsPanchang | kReadsDate;
  for (const ExtraReads& extra : kExtraReads)
    if (extra.ruleSet == ruleSet) inputs |= extra.inputs;
  return inputs;
}

CalculationState MinuteJudge::BirthState(const SearchRequest& request) {
  CalculationState state;
  state.Input.name = request.name;
  state.Input.sex = request.sex;
  state.Input.birth = request.birth;
  state.Input.election.place = request.place;
  ComputeBirthChart(state);
  return state;
}

MinuteJudge::MinuteJudge(const SearchRequest& request, const CalculationState& birth,
                         PlanetEphemeris& ephemeris)
    : request_(request),
      clock_(request.place, request.zoneAt),
      ephemeris_(ephemeris),
      birth_(birth),
      scratch_(birth),
      state_(birth) {
  for (const std::string& subject : request.subjects) {
    ruleSets_.push_back(FindRuleSet(subject));
    reads_.push_back(InputsRead(ruleSets_.back()));
    readByAny_ |= reads_.back();
  }
  planetsRead_ = (readByAny_ / ReadsPlanet(0)) & kAllPlanets;
  minimumVerdict_ = VerdictNamed(request.minResult).value_or(Verdict::None);
  judgements_.resize(request.subjects.size());
  const double latitude = request.place.latitudeDegrees + request.place.latitudeMinutes / 60.0;
  lagnaSpan_ = LagnaSpan(latitude);
}

PlaceClock::Reading MinuteJudge::ReadClock(std::int64_t minute) {
  // The probes come in runs close together: the last offset nearly always holds.
  PlaceClock::Reading reading = clock_.At(minute, offsetHint_);
  offsetHint_ = OffsetSecondsOf(reading.zone);
  return reading;
}

ZoneAtMinute MinuteJudge::ZoneAt(std::int64_t minute) {
  return ReadClock(minute).zone;
}

LocalMinute MinuteJudge::LocalAt(std::int64_t minute) const {
  return clock_.At(minute).local;
}

MomentEntry MinuteJudge::EntryAt(std::int64_t minute) {
  const PlaceClock::Reading reading = ReadClock(minute);
  const LocalMinute& local = reading.local;
  MomentEntry entry;
  entry.year = static_cast<std::int16_t>(local.year);
  entry.month = static_cast<std::int16_t>(local.month);
  entry.day = static_cast<std::int16_t>(local.day);
  entry.hour = static_cast<std::int16_t>(local.hour);
  entry.minute = static_cast<std::int16_t>(local.minute);
  entry.place = request_.place;
  entry.place.zoneHours = reading.zone.hours;
  entry.place.zoneMinutes = reading.zone.minutes;
  entry.place.dst = reading.zone.dst;
  return entry;
}

void MinuteJudge::LoadMoment(std::int64_t minute) {
  scratch_.Input.election = EntryAt(minute);
  scratch_.Moment = MomentInputFrom(scratch_.Input.election);
}

MinuteJudge::Probe MinuteJudge::MoonProbe(std::int64_t minute) {
  LoadMoment(minute);
  ComputeMoon(scratch_);
  const double longitude = scratch_.Moon.MoonLongitude;
  return {NakshatraIndex(longitude) * 16 + SignIndex(longitude), longitude};
}

MinuteJudge::Probe MinuteJudge::MoonSignProbe(std::int64_t minute) {
  LoadMoment(minute);
  ComputeMoon(scratch_);
  const double longitude = scratch_.Moon.MoonLongitude;
  return {SignIndex(longitude), longitude};
}

MinuteJudge::Probe MinuteJudge::PadaProbe(std::int64_t minute) {
  LoadMoment(minute);
  ComputeMoon(scratch_);
  const double longitude = scratch_.Moon.MoonLongitude;
  return {PadaIndex(longitude), longitude};
}

MinuteJudge::Probe MinuteJudge::LagnaProbe(std::int64_t minute) {
  LoadMoment(minute);
  ComputeAscendant(scratch_);
  const double longitude = scratch_.Ascendant.AscendantLongitude;
  return {SignIndex(longitude), longitude};
}

const MinuteJudge::PanchangProbe& MinuteJudge::PanchangAt(std::int64_t minute) {
  // The karana and yoga searches sample the same minutes: compute each once.
  for (const PanchangProbe& probe : panchangProbes_)
    if (probe.minute == minute) return probe;
  LoadMoment(minute);
  scratch_.Time = BuildTimeBase(scratch_.Moment);
  ComputePanchang(scratch_);
  const PanchangState& p = scratch_.Panchang;
  const PanchangQuantities quantities = PanchangQuantitiesOf(p);
  panchangProbes_.push_back({minute,
                             {p.KaranaIndex * 64 + p.TithiIndex, quantities.elongation},
                             {p.YogaIndex, quantities.yogaSpans},
                             {p.TithiIndex, quantities.elongation}});
  return panchangProbes_.back();
}

MinuteJudge::Probe MinuteJudge::KaranaProbe(std::int64_t minute) {
  return PanchangAt(minute).karana;
}
MinuteJudge::Probe MinuteJudge::YogaProbe(std::int64_t minute) {
  return PanchangAt(minute).yoga;
}
MinuteJudge::Probe MinuteJudge::TithiProbe(std::int64_t minute) {
  return PanchangAt(minute).tithi;
}

MinuteJudge::Probe MinuteJudge::TableLagnaProbe(std::int64_t minute) {
  LoadMoment(minute);
  ComputeMuhurthaLagna(scratch_);
  return {scratch_.Lagna.MuhurthaLagnaNumber, NAN};
}

MinuteJudge::PlanetSample MinuteJudge::SamplePlanets(std::int64_t minute, PlanetSet planets) {
  // As the driver computes them: the election moment's J2000 time base from
  // ComputeMoon, universal time from the civil date, the Moon's ayanamsa.
  LoadMoment(minute);
  ComputeMoon(scratch_);
  PlanetSample sample;
  sample.longitudes.fill(NAN);
  const std::optional<PlanetLongitudes> longitudes =
      SiderealPlanetLongitudes(scratch_.Time, ephemeris_, planets);
  if (longitudes) {
    for (int i = 0; i < kPlanetCount; ++i) {
      if ((planets & PlanetBit(i)) == 0) continue;
      const double sidereal = (*longitudes)[i];
      sample.texts[i] = PlanetPositionText(sidereal);
      double folded = std::fmod(sidereal, 360.0);
      if (folded < 0) folded += 360.0;
      sample.longitudes[i] = folded;
    }
  }
  sample.key = SignKey(sample.texts);
  return sample;
}

MinuteJudge::Probe MinuteJudge::ZoneProbe(std::int64_t minute) {
  const ZoneAtMinute zone = ZoneAt(minute);
  return {((static_cast<Key>(zone.hours) + 64) * 256 + (zone.minutes + 128)) * 4 +
              (zone.dst ? 2 : 0) + (zone.exists ? 1 : 0),
          NAN};
}

// Samples the element every `span` minutes (it cannot change twice within
// one) and pins each change to the minute. The guess comes from interpolating
// the element's quantity to its next boundary; the bracket is always narrowed
// by the key itself, so the minute found is exact whatever the guess.
void MinuteJudge::FindChanges(std::int64_t first, std::int64_t last, const Element& element,
                              unsigned inputs) {
  std::int64_t t = first;
  Probe value = (this->*element.probe)(t);
  while (t < last) {
    const std::int64_t next = std::min(t + element.span, last);
    const Probe nextValue = (this->*element.probe)(next);
    if (nextValue.key == value.key) {
      t = next;
      value = nextValue;
      continue;
    }
    std::int64_t low = t, high = next;
    double lowQuantity = value.quantity, highQuantity = nextValue.quantity;
    Probe highValue = nextValue;
    for (int step = 0; high - low > 1; ++step) {
      std::int64_t middle = low + (high - low) / 2;
      if (element.nextBoundary != nullptr && step < kMaxGuidedSteps) {
        double upper = highQuantity;
        if (element.turn > 0 && upper < lowQuantity) upper += element.turn;
        const double boundary = element.nextBoundary(lowQuantity);
        const double fraction = (boundary - lowQuantity) / (upper - lowQuantity);
        if (std::isfinite(fraction)) {
          const double guess =
              std::ceil(static_cast<double>(low) + fraction * static_cast<double>(high - low));
          middle = static_cast<std::int64_t>(
              std::clamp(guess, static_cast<double>(low + 1), static_cast<double>(high - 1)));
        }
      }
      const Probe middleValue = (this->*element.probe)(middle);
      if (middleValue.key == value.key) {
        low = middle;
        lowQuantity = middleValue.quantity;
      } else {
        high = middle;
        highQuantity = middleValue.quantity;
        highValue = middleValue;
      }
    }
    changes_.push_back({high, inputs});
    t = high;
    value = highValue;
  }
}

// The first minute of (low, high] whose planet signs differ from `before`
// (the signs at `low`), when only the Sun and the Moon can change in between:
// they never move backward, so the minutes before the first change all keep
// the signs of `low`. Guided by the luminary whose sign differs at the ends.
// Where the other planets keep their signs at both ends, only the luminaries
// are computed in between; `after` is left as the whole sample at the minute
// found, as the next step needs it.
std::int64_t MinuteJudge::FirstPlanetChange(std::int64_t low, std::int64_t high,
                                            const PlanetSample& before, PlanetSample& after) {
  const bool othersKeep = (ChangedPlanets(before, after) & ~kReadsLuminaries) == 0;
  const PlanetSet sampled = othersKeep ? planetsRead_ & kLuminaries : planetsRead_;
  auto sampleAt = [&](std::int64_t minute) {
    PlanetSample sample = SamplePlanets(minute, sampled);
    if (sampled == planetsRead_) return sample;
    for (int i = 0; i < kPlanetCount; ++i) {
      if (sampled & PlanetBit(i)) continue;
      sample.texts[i] = before.texts[i];
      sample.longitudes[i] = before.longitudes[i];
    }
    sample.key = SignKey(sample.texts);
    return sample;
  };
  PlanetSample lowSample = before;
  bool partial = false;
  for (int step = 0; high - low > 1; ++step) {
    std::int64_t middle = low + (high - low) / 2;
    for (int i : {kMoonIndex, kSunIndex}) {
      if (step >= kMaxGuidedSteps) break;
      const double a = lowSample.longitudes[i];
      double b = after.longitudes[i];
      if (!std::isfinite(a) || !std::isfinite(b)) break;
      if (b < a) b += 360;
      const double boundary = NextOnGrid(a, 30);
      if (b < boundary) continue;
      const double guess = std::ceil(static_cast<double>(low) +
                                     (boundary - a) / (b - a) * static_cast<double>(high - low));
      middle = static_cast<std::int64_t>(
          std::clamp(guess, static_cast<double>(low + 1), static_cast<double>(high - 1)));
      break;
    }
    PlanetSample sample = sampleAt(middle);
    if (sample.key == before.key) {
      low = middle;
      lowSample = std::move(sample);
    } else {
      high = middle;
      after = std::move(sample);
      partial = sampled != planetsRead_;
    }
  }
  if (partial) after = SamplePlanets(high, planetsRead_);
  return high;
}

// The planets' sign changes over [first, last], a stretch of one zone. The
// five others move back and forth, but no faster than kPlanetMotions: while
// none can reach a boundary the search steps on, led by the predicted
// crossings of the Sun and the Moon, which only move forward.
void MinuteJudge::FindPlanetChanges(std::int64_t first, std::int64_t last) {
  planetRuns_.clear();
  std::int64_t t = first;
  PlanetSample sample = SamplePlanets(t, planetsRead_);
  planetRuns_.push_back({t, 0, sample.texts});
  std::array<double, kPlanetCount> previous{};
  previous.fill(NAN);
  std::int64_t previousMinute = t;
  while (t < last) {
    double stepDays = kLongestPlanetStepDays;
    for (int i = 0; i < kPlanetCount; ++i) {
      const double longitude = sample.longitudes[i];
      if (!std::isfinite(longitude)) continue;
      const double behind = longitude - std::floor(longitude / 30) * 30;
      const double ahead = 30 - behind;
      const PlanetMotion& motion = kPlanetMotions[i];
      if (motion.backward > 0) {
        stepDays = std::min(stepDays, DaysInSign(motion, ahead, behind, longitude, previous[i],
                                                 static_cast<double>(t - previousMinute) / 1440));
        continue;
      }
      // A luminary: to where it should cross at the speed it last showed.
      double speed = motion.mean;
      if (std::isfinite(previous[i]) && t > previousMinute) {
        double moved = longitude - previous[i];
        if (moved < 0) moved += 360;
        speed = std::max(moved / (static_cast<double>(t - previousMinute) / 1440), motion.mean / 4);
      }
      stepDays = std::min(stepDays, ahead / speed);
    }
    const std::int64_t step = std::max<std::int64_t>(1, static_cast<std::int64_t>(stepDays * 1440));
    const std::int64_t next = std::min(t + step, last);
    PlanetSample nextSample = SamplePlanets(next, planetsRead_);
    previous = sample.longitudes;
    previousMinute = t;
    if (nextSample.key == sample.key) {
      t = next;
      sample = std::move(nextSample);
      continue;
    }
    t = FirstPlanetChange(t, next, sample, nextSample);
    planetRuns_.push_back({t, ChangedPlanets(sample, nextSample), nextSample.texts});
    sample = std::move(nextSample);
  }
}

std::vector<std::int64_t> MinuteJudge::PlanetChanges(std::int64_t first, std::int64_t last) {
  FindPlanetChanges(first, last);
  std::vector<std::int64_t> minutes;
  for (std::size_t i = 1; i < planetRuns_.size(); ++i) minutes.push_back(planetRuns_[i].first);
  return minutes;
}

void MinuteJudge::LoadElection(std::int64_t minute) {
  state_.Input.election = EntryAt(minute);
  const MomentEntry& e = state_.Input.election;
  state_.Input.electionWeekday.assign(WeekdayOfDate(e.year, e.month, e.day));
  ComputeElectionChart(state_);
  ComputeStrengths(state_);
}

std::int64_t MinuteJudge::JudgePiece(std::int64_t first, std::int64_t last,
                                     std::vector<std::vector<JudgedRun>>& runs) {
  changes_.clear();
  changes_.push_back({first, kReadsAll});
  panchangProbes_.clear();
  FindChanges(first, last, {&MinuteJudge::MoonProbe, kMoonSpan, 360, NextMoonBoundary}, kReadsMoon);
  if (readByAny_ & kReadsLagna) {
    FindChanges(first, last, {&MinuteJudge::LagnaProbe, lagnaSpan_, 360, NextSignBoundary},
                kReadsLagna);
  }
  FindChanges(first, last, {&MinuteJudge::KaranaProbe, kPanchangSpan, 360, NextKaranaBoundary},
              kReadsPanchang);
  FindChanges(first, last, {&MinuteJudge::YogaProbe, kPanchangSpan, 0, NextYogaBoundary},
              kReadsPanchang);
  if (readByAny_ & kReadsTableLagna) {
    FindChanges(first, last, {&MinuteJudge::TableLagnaProbe, kTableLagnaSpan, 0, nullptr},
                kReadsTableLagna);
  }
  for (const PlanetRun& run : planetRuns_) {
    if (run.first > first && run.first <= last) changes_.push_back({run.first, run.changed});
  }
  std::sort(changes_.begin(), changes_.end(),
            [](const Change& a, const Change& b) { return a.minute < b.minute; });

  std::int64_t evaluations = 0;
  for (std::size_t i = 0; i < changes_.size();) {
    const std::int64_t start = changes_[i].minute;
    unsigned changed = 0;
    for (; i < changes_.size() && changes_[i].minute == start; ++i) changed |= changes_[i].inputs;
    const std::int64_t end = i < changes_.size() ? changes_[i].minute - 1 : last;
    if (changed & kReadsPlanets) {
      for (const PlanetRun& run : planetRuns_)
        if (run.first <= start) planets_ = run.texts;
    }
    bool loaded = false;
    for (std::size_t s = 0; s < ruleSets_.size(); ++s) {
      if ((reads_[s] & changed) == 0) {
        // Nothing this rule set reads changed: its judgement runs on.
        runs[s].back().last = end;
        continue;
      }
      if (!loaded) {
        LoadElection(start);
        loaded = true;
      }
      // Each subject as from a fresh state, with the planets of this stretch.
      state_.Input.subject = request_.subjects[s];
      ResetRuleSetOutputs(state_);
      state_.Lagna.PlanetSigns = planets_;
      ruleSets_[s](state_);
      ++evaluations;
      ExtendOrOpen(s, runs[s], start, end);
    }
  }
  return evaluations;
}

// The first minutes of the stretches of one zone that make up [first, last],
// then last + 1.
std::vector<std::int64_t> MinuteJudge::ZoneStretches(std::int64_t first, std::int64_t last) {
  std::vector<std::int64_t> stretches{first};
  if (request_.zoneAt) {
    changes_.clear();
    FindChanges(first, last, {&MinuteJudge::ZoneProbe, kZoneSpan, 0, nullptr}, kReadsDate);
    for (const Change& change : changes_) stretches.push_back(change.minute);
  }
  stretches.push_back(last + 1);
  return stretches;
}

MinuteJudge::Element MinuteJudge::ElementSearch(JudgedElement element) const {
  switch (element) {
    case JudgedElement::kMoonSign:
      return {&MinuteJudge::MoonSignProbe, kMoonSpan, 360, NextSignBoundary};
    case JudgedElement::kNakshatraPada:
      return {&MinuteJudge::PadaProbe, kMoonSpan, 360, NextPadaBoundary};
    case JudgedElement::kLagna:
      return {&MinuteJudge::LagnaProbe, lagnaSpan_, 360, NextSignBoundary};
    case JudgedElement::kTithi:
      return {&MinuteJudge::TithiProbe, kPanchangSpan, 360, NextTithiBoundary};
    case JudgedElement::kKarana:
      return {&MinuteJudge::KaranaProbe, kPanchangSpan, 360, NextKaranaBoundary};
    case JudgedElement::kYoga:
      return {&MinuteJudge::YogaProbe, kPanchangSpan, 0, NextYogaBoundary};
  }
  return {&MinuteJudge::YogaProbe, kPanchangSpan, 0, NextYogaBoundary};
}

// Universal minutes run on through clock changes, and so do the elements.
std::vector<std::int64_t> MinuteJudge::ElementChanges(std::int64_t first, std::int64_t last,
                                                      JudgedElement which) {
  std::vector<Change> kept;
  kept.swap(changes_);
  panchangProbes_.clear();
  FindChanges(first, last, ElementSearch(which), 0);
  std::vector<std::int64_t> minutes;
  for (const Change& change : changes_) minutes.push_back(change.minute);
  changes_.swap(kept);
  panchangProbes_.clear();
  return minutes;
}

std::int64_t MinuteJudge::JudgeRange(std::int64_t first, std::int64_t last,
                                     std::vector<std::vector<JudgedRun>>& runs,
                                     std::int64_t& scanned, const std::function<bool()>& beforeDay,
                                     const std::function<void()>& afterDay) {
  // The minutes are universal ones; the rule sets read the zone and the civil
  // date, which change with the clock, so each stretch of one zone is judged
  // afresh at its start.
  const std::vector<std::int64_t> stretches = ZoneStretches(first, last);

  std::int64_t evaluations = 0;
  std::size_t stretch = 0;
  std::size_t planetsFor = stretches.size();  // the stretch planetRuns_ holds
  for (std::int64_t day = FloorDay(first); day <= FloorDay(last); ++day) {
    if (!beforeDay()) break;
    const std::int64_t dayFirst = std::max(first, day * 1440);
    const std::int64_t dayLast = std::min(last, day * 1440 + 1439);
    while (stretches[stretch + 1] <= dayFirst) ++stretch;
    for (std::size_t k = stretch; stretches[k] <= dayLast; ++k) {
      const std::int64_t a = std::max(dayFirst, stretches[k]);
      const std::int64_t b = std::min(dayLast, stretches[k + 1] - 1);
      if (planetsRead_ != 0 && planetsFor != k) {
        FindPlanetChanges(stretches[k], stretches[k + 1] - 1);
        planetsFor = k;
      }
      scanned += b - a + 1;
      // The civil date turns at local midnight, at most once in a day's piece.
      const std::int64_t offset = MinuteIndex(LocalAt(a)) - a;
      const std::int64_t midnight = FloorDay(b + offset) * 1440 - offset;
      if (midnight > a) {
        evaluations += JudgePiece(a, midnight - 1, runs);
        evaluations += JudgePiece(midnight, b, runs);
      } else {
        evaluations += JudgePiece(a, b, runs);
      }
    }
    afterDay();
  }
  return evaluations;
}

Judgement MinuteJudge::JudgeThroughDriver(std::int64_t minute, std::size_t subject) {
  EvaluationInput input;
  input.subject = request_.subjects[subject];
  input.name = request_.name;
  input.sex = request_.sex;
  input.birth = request_.birth;
  input.election = EntryAt(minute);
  input.electionWeekday =
      std::string(WeekdayOfDate(input.election.year, input.election.month, input.election.day));
  CalculationState state;
  state.Input = std::move(input);
  ComputeCharts(state, ephemeris_);
  ComputeStrengths(state);
  RunSubjectRuleSet(state);
  return {std::move(state.Result), std::move(state.ResultLabel)};
}

}  // namespace horavela

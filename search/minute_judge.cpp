#include "search/minute_judge.h"

#include <algorithm>
#include <cmath>

#include "engine/ascendant.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"
#include "panchang/strengths.h"
#include "rules/calculation_driver.h"
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
// Planets: the Moon keeps a sign for about two days, the others longer.
constexpr std::int64_t kPlanetSpan = 720;
// Zones: daylight-saving gaps last at least half an hour.
constexpr std::int64_t kZoneSpan = 15;

class NullSink final : public RichTextSink {
 public:
  void Clear() override {}
  void SetAlignment(Alignment) override {}
  void SetBold(bool) override {}
  void SetColor(PaletteColor) override {}
  void SetFontSize(int) override {}
  void InsertText(std::string_view) override {}
  void InsertPicture(const Bitmap&) override {}
};

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& table, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i)
    if (table[i] == name) return static_cast<int>(i);
  return -1;
}

bool ReadsTableLagna(std::string_view subject) {
  return subject == "Learning of a Trade" || subject == "Domestic Journey" ||
         subject == "Religious Journey" || subject == "Foreign Journey";
}

bool ReadsPlanets(std::string_view subject) {
  return subject == "Learning of a Trade" || subject == "Religious Journey";
}

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

}  // namespace

CalculationState MinuteJudge::BirthState(const SearchRequest& request) {
  CalculationState state;
  state.Input.name = request.name;
  state.Input.sex = request.sex;
  state.Input.birth = request.birth;
  state.Input.election.place = request.place;
  ComputeBirthChart(state);
  return state;
}

MinuteJudge::MinuteJudge(const SearchRequest& request, const CalculationState& birth)
    : request_(request), birth_(birth), scratch_(birth), state_(birth) {
  for (const std::string& subject : request.subjects) {
    ruleSets_.push_back(FindRuleSet(subject));
    needsTableLagna_ = needsTableLagna_ || ReadsTableLagna(subject);
    needsPlanets_ = needsPlanets_ || ReadsPlanets(subject);
  }
  const double latitude = request.place.latitudeDegrees + request.place.latitudeMinutes / 60.0;
  lagnaSpan_ = LagnaSpan(latitude);
}

ZoneAtMinute MinuteJudge::ZoneAt(std::int64_t minute) {
  if (!request_.zoneAt) {
    return {request_.place.zoneHours, request_.place.zoneMinutes, request_.place.dst, true};
  }
  return request_.zoneAt(FromMinuteIndex(minute));
}

bool MinuteJudge::MinuteExists(std::int64_t minute) {
  return !request_.zoneAt || ZoneAt(minute).exists;
}

MomentEntry MinuteJudge::EntryAt(std::int64_t minute) {
  const LocalMinute local = FromMinuteIndex(minute);
  MomentEntry entry;
  entry.year = static_cast<std::int16_t>(local.year);
  entry.month = static_cast<std::int16_t>(local.month);
  entry.day = static_cast<std::int16_t>(local.day);
  entry.hour = static_cast<std::int16_t>(local.hour);
  entry.minute = static_cast<std::int16_t>(local.minute);
  entry.place = request_.place;
  const ZoneAtMinute zone = ZoneAt(minute);
  entry.place.zoneHours = zone.hours;
  entry.place.zoneMinutes = zone.minutes;
  entry.place.dst = zone.dst;
  return entry;
}

void MinuteJudge::LoadMoment(std::int64_t minute) {
  scratch_.Input.election = EntryAt(minute);
  scratch_.Moment = MomentInputFrom(scratch_.Input.election);
}

MinuteJudge::Key MinuteJudge::MoonKey(std::int64_t minute) {
  LoadMoment(minute);
  CalcMoon(scratch_);
  return IndexOf(kNakshatraNames, scratch_.Moon.MoonNakshatra) * 16 +
         IndexOf(kRashiNames, scratch_.Moon.MoonRashi);
}

MinuteJudge::Key MinuteJudge::LagnaKey(std::int64_t minute) {
  LoadMoment(minute);
  CalcAscendant(scratch_);
  return IndexOf(kLagnaNames, scratch_.Ascendant.LagnaName);
}

std::pair<int, int> MinuteJudge::PanchangAt(std::int64_t minute) {
  if (auto found = panchangCache_.find(minute); found != panchangCache_.end()) return found->second;
  LoadMoment(minute);
  scratch_.Time = BuildTimeBase(scratch_.Moment);
  CalcPanchang(scratch_);
  const std::pair<int, int> values{
      scratch_.Panchang.KaranaIndex * 64 + scratch_.Panchang.TithiIndex,
      scratch_.Panchang.YogaIndex};
  panchangCache_.emplace(minute, values);
  return values;
}

MinuteJudge::Key MinuteJudge::KaranaKey(std::int64_t minute) {
  return PanchangAt(minute).first;
}
MinuteJudge::Key MinuteJudge::YogaKey(std::int64_t minute) {
  return PanchangAt(minute).second;
}

MinuteJudge::Key MinuteJudge::TableLagnaKey(std::int64_t minute) {
  LoadMoment(minute);
  CalcMuhurthaLagna(scratch_);
  return scratch_.Lagna.MuhurthaLagnaNumber;
}

MinuteJudge::Key MinuteJudge::PlanetKey(std::int64_t minute) {
  auto found = planetCache_.find(minute);
  if (found == planetCache_.end()) {
    LoadMoment(minute);
    CalcMoon(scratch_);  // leaves the J2000 time base the planets are made sidereal with
    scratch_.ElectionMoment.Time = scratch_.Time;
    ComputePlanetSigns(scratch_, SwissEphemeris());
    found = planetCache_.emplace(minute, scratch_.Lagna.PlanetSigns).first;
  }
  Key key = 0;
  for (const std::string& text : found->second) {
    // The signs alone decide the factors: characters 4 to 6.
    const std::string sign = text.size() >= 6 ? text.substr(3, 3) : std::string();
    key = key * 64 + (sign.empty() ? 0 : (sign[0] * 7 + sign[1] * 3 + sign[2]) % 61 + 1);
  }
  return key;
}

MinuteJudge::Key MinuteJudge::ZoneKey(std::int64_t minute) {
  const ZoneAtMinute zone = ZoneAt(minute);
  return ((static_cast<Key>(zone.hours) + 64) * 256 + (zone.minutes + 128)) * 4 +
         (zone.dst ? 2 : 0) + (zone.exists ? 1 : 0);
}

void MinuteJudge::FindChanges(std::int64_t first, std::int64_t last, std::int64_t span,
                              KeyFunction key, std::vector<std::int64_t>& changes) {
  std::int64_t t = first;
  Key value = (this->*key)(t);
  while (t < last) {
    const std::int64_t next = std::min(t + span, last);
    const Key nextValue = (this->*key)(next);
    if (nextValue == value) {
      t = next;
      continue;
    }
    // The first minute after t whose value differs: at most one change lies in the span.
    std::int64_t low = t, high = next;
    Key highValue = nextValue;
    while (high - low > 1) {
      const std::int64_t middle = low + (high - low) / 2;
      const Key middleValue = (this->*key)(middle);
      if (middleValue == value) {
        low = middle;
      } else {
        high = middle;
        highValue = middleValue;
      }
    }
    changes.push_back(high);
    t = high;
    value = highValue;
  }
}

std::vector<std::int64_t> MinuteJudge::SegmentStarts(std::int64_t first, std::int64_t last) {
  std::vector<std::int64_t> starts{first};
  panchangCache_.clear();
  FindChanges(first, last, kMoonSpan, &MinuteJudge::MoonKey, starts);
  FindChanges(first, last, lagnaSpan_, &MinuteJudge::LagnaKey, starts);
  FindChanges(first, last, kPanchangSpan, &MinuteJudge::KaranaKey, starts);
  FindChanges(first, last, kPanchangSpan, &MinuteJudge::YogaKey, starts);
  if (needsTableLagna_)
    FindChanges(first, last, kTableLagnaSpan, &MinuteJudge::TableLagnaKey, starts);
  if (request_.zoneAt) FindChanges(first, last, kZoneSpan, &MinuteJudge::ZoneKey, starts);
  if (needsPlanets_) {
    planetCache_.clear();
    std::vector<std::int64_t> planetChanges{first};
    FindChanges(first, last, kPlanetSpan, &MinuteJudge::PlanetKey, planetChanges);
    planetRuns_.clear();
    for (std::int64_t change : planetChanges)
      planetRuns_.emplace_back(change, planetCache_.at(change));
    starts.insert(starts.end(), planetChanges.begin(), planetChanges.end());
  }
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  return starts;
}

std::vector<Judgement> MinuteJudge::JudgeAll(std::int64_t minute) {
  state_.Input.election = EntryAt(minute);
  const MomentEntry& e = state_.Input.election;
  state_.Input.electionWeekday = std::string(WeekdayOfDate(e.year, e.month, e.day));
  ComputeElectionChart(state_);
  std::array<std::string, kPlanetCount> planets{};
  if (needsPlanets_) {
    for (const auto& [start, texts] : planetRuns_)
      if (start <= minute) planets = texts;
  }
  ComputeStrengths(state_);

  NullSink sink;
  std::vector<Judgement> judgements;
  judgements.reserve(ruleSets_.size());
  for (std::size_t s = 0; s < ruleSets_.size(); ++s) {
    // Each subject as from a fresh state.
    state_.Input.subject = request_.subjects[s];
    state_.Result = Evaluation{};
    state_.ResultLabel.clear();
    state_.Yogas = SpecialYogaState{};
    state_.Lagna = LagnaTestState{};
    state_.Lagna.PlanetSigns = planets;
    ruleSets_[s](state_, sink);
    judgements.push_back({state_.Result, state_.ResultLabel});
  }
  return judgements;
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
  NullSink sink;
  CalculationState state = RunEvaluation(input, sink);
  return {std::move(state.Result), std::move(state.ResultLabel)};
}

}  // namespace horavela

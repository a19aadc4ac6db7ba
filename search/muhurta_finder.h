#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "atlas/local_minute.h"
#include "atlas/place_clock.h"
#include "engine/calculation_settings.h"
#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "engine/problem.h"
#include "engine/result.h"
#include "rules/evaluation.h"
#include "rules/shuddhi.h"

namespace horavela {

// Minutes left out of a search, [first, last] inclusive, as MinuteIndex counts
// them on the election place's clock.
struct MinuteInterval {
  std::int64_t first = 0;
  std::int64_t last = 0;
  bool operator==(const MinuteInterval&) const = default;
};

// A stretch of universal minutes [first, last] and the marks it carries.
struct MarkedMinutes {
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::uint32_t marks = 0;
  bool operator==(const MarkedMinutes&) const = default;
};

// Enough windows for any reader; a list longer than this is a range too wide
// to read, and would only fill memory.
inline constexpr std::size_t kDefaultMaxWindows = 100000;

// The election place is the request's place (ZonedPlace).
// The second person of a moment judged for two (a couple's marriage): the
// same undertakings, read from their own birth.
struct Partner {
  std::string name;
  std::string sex;
  MomentEntry birth;
};

struct SearchRequest : ZonedPlace {
  std::vector<std::string> subjects;  // exact subject texts
  std::string name;
  std::string sex;
  MomentEntry birth;
  LocalMinute from;
  LocalMinute to;                                // inclusive
  std::string minResult{NameOf(Verdict::Good)};  // the name of a verdict
  std::optional<int> minTotal;                   // when set, the total score must reach it too
  // Stretches whose minutes are never listed (the kalams a user avoids): a
  // window they cut is listed as the pieces outside them. Any order; they may
  // overlap.
  std::vector<MinuteInterval> excluded;
  std::size_t maxWindows = kDefaultMaxWindows;  // at least 1: the listing stops there

  // Marked stretches of one subject: universal minutes [first, last] with a
  // set of marks the caller gives meaning to (the tradition's vetoes it
  // observes). Empty, or one list per subject, in any order.
  std::vector<std::vector<MarkedMinutes>> marked;
  // True: marked minutes are never listed, as excluded ones; false: each
  // window carries the marks of the stretches it overlaps.
  bool leaveOutMarked = false;
  // Judge each window's panchanga shuddhi too (Judgement::shuddhi), and with
  // listOnlyShuddhi list only the windows that pass it.
  bool judgeShuddhi = false;
  bool listOnlyShuddhi = false;
  // How the birth and every minute are computed.
  CalculationSettings settings;
  // When set, a window is a run of minutes in which both people's judgements
  // stay the same, listed when both reach the minimum (and total).
  std::optional<Partner> partner;
};

// What a rule set decided at a minute: everything the minutes of a window share.
struct Judgement {
  Evaluation evaluation;
  // The limbs of the moment the classical texts reject for the subject, when
  // the request asks (judgeShuddhi); 0 otherwise.
  ShuddhiFailures shuddhi = 0;
};

// A year of one subject repeats the same few hundred judgements in thousands
// of windows: the windows share them.
using SharedJudgement = std::shared_ptr<const Judgement>;

// A maximal run of consecutive minutes with one and the same evaluation.
struct SearchWindow {
  std::string subject;
  LocalMinute first;
  LocalMinute last;  // inclusive
  std::int64_t minutes = 0;
  SharedJudgement judgement;
  std::uint32_t marks = 0;  // of the marked stretches it overlaps (SearchRequest::marked)
  SharedJudgement partnerJudgement = nullptr;  // the partner's, for a search for two; else null

  const Evaluation& evaluation() const { return judgement->evaluation; }
  const Evaluation* partnerEvaluation() const {
    return partnerJudgement ? &partnerJudgement->evaluation : nullptr;
  }
  std::string resultLabel() const { return ResultLabelOf(judgement->evaluation); }
};

struct SearchResult {
  std::vector<SearchWindow> windows;  // in time order, subject by subject
  std::vector<std::size_t> best;      // indexes into windows, at most 10 per subject
  std::int64_t minutesScanned = 0;
  std::int64_t evaluations = 0;  // rule-set runs
  bool cancelled = false;
  // maxWindows windows were listed and more reached the minimum result.
  bool truncated = false;
};

// Receives the listed windows one by one, in the order of SearchResult::windows.
using WindowSink = std::function<void(const SearchWindow&)>;

struct SearchControl {
  // Called from worker threads with the fraction done (0..1), serialised.
  std::function<void(double)> progress;
  const std::atomic<bool>* cancel = nullptr;
  int threads = 0;  // 0: one per processor core
  // When set, the windows go here as they are listed instead of into
  // SearchResult::windows, which stays empty; `best` counts them all the same.
  WindowSink windows;
};

inline constexpr std::int64_t kMaxSearchMinutes = 10LL * 366 * 1440;

// The order of "best" among windows, a greater key the better: the result
// word, then the total, then the number of factors, then the length.
using BestWindowKey = std::tuple<Verdict, int, int, std::int64_t>;
BestWindowKey BestKeyOf(const Evaluation& evaluation, std::int64_t minutes);
// For two people, the key of the weaker of the two.
BestWindowKey BestKeyOf(const Evaluation& evaluation, const Evaluation* partner,
                        std::int64_t minutes);

// The first problem of a request that cannot be searched, named by the
// field's path in a search request ("place.latitude.degrees", "to.day");
// a value when it can be searched.
Result<void> CheckSearchRequest(const SearchRequest& request);
// The first problem of the request's person (name, sex, birth) alone.
Result<void> CheckPerson(const SearchRequest& request);
// The first problem of a partner, named "partner.sex", "partner.name",
// "partner.birth.…": a search and an evaluation for two check it alike.
Result<void> CheckPartner(const Partner& partner);

// A range that ends before the birth has no moment the person could use: the
// problem, named "to", when the range's last minute on the election place's
// clock (its zone at that minute when zone is set) comes before the birth
// moment on the birthplace's clock. For a request whose zones are known.
Result<void> CheckRangeAfterBirth(const SearchRequest& request);

// Every window reaching request.minResult, minute-exact, evaluating once per
// stretch of minutes in which nothing a rule set reads can change.
// The planets come from `ephemeris`. The threads the finder starts release
// their state in the ephemeris before they end; the calling thread keeps its
// own, and should release it (ReleaseThreadState) if it is about to end.
SearchResult FindMuhurtaWindows(const SearchRequest& request, PlanetEphemeris& ephemeris,
                                const SearchControl& control = {});

// The same by evaluating every minute through the driver: the reference the
// finder is tested against (for one person: a partner is not read).
SearchResult ScanEveryMinute(const SearchRequest& request, PlanetEphemeris& ephemeris);

}  // namespace horavela

#include "search/muhurta_finder.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <mutex>
#include <thread>
#include <tuple>

#include "atlas/place_clock.h"
#include "calendar/civil_calendar.h"
#include "engine/ascendant.h"
#include "engine/input_check.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/text_limits.h"
#include "engine/time_base.h"
#include "engine/universal_time.h"
#include "panchang/panchang.h"
#include "rules/charts.h"
#include "rules/subjects.h"
#include "search/minute_judge.h"

namespace horavela {

namespace {

constexpr std::size_t kBestPerSubject = 10;

// Runs of every result word, one list per subject, for a stretch of days.
using RunLists = std::vector<std::vector<JudgedRun>>;

// The best windows of one subject: the highest result word, then total,
// factor count and length, the earlier first among equals. Only a few
// candidates are kept at any time, however many windows go by.
class BestWindows {
 public:
  void Offer(const BestWindowKey& key, std::size_t index) {
    ranked_.push_back({key, index});
    if (ranked_.size() >= kCandidates) KeepBest();
  }

  void AppendTo(std::vector<std::size_t>& best) {
    KeepBest();
    for (const Ranked& ranked : ranked_) best.push_back(ranked.index);
  }

 private:
  struct Ranked {
    BestWindowKey key;
    std::size_t index;
  };
  static constexpr std::size_t kCandidates = 4096;

  static bool Before(const Ranked& a, const Ranked& b) {
    return a.key > b.key || (a.key == b.key && a.index < b.index);
  }

  void KeepBest() {
    const std::size_t kept = std::min(kBestPerSubject, ranked_.size());
    std::partial_sort(ranked_.begin(), ranked_.begin() + static_cast<std::ptrdiff_t>(kept),
                      ranked_.end(), Before);
    ranked_.resize(kept);
  }

  std::vector<Ranked> ranked_;
};

// The excluded stretches sorted by their first minute, overlapping or
// adjacent ones joined.
std::vector<MinuteInterval> Merged(std::vector<MinuteInterval> intervals) {
  std::sort(intervals.begin(), intervals.end(),
            [](const MinuteInterval& a, const MinuteInterval& b) { return a.first < b.first; });
  std::vector<MinuteInterval> merged;
  for (const MinuteInterval& interval : intervals) {
    if (interval.last < interval.first) continue;
    if (!merged.empty() && interval.first <= merged.back().last + 1) {
      merged.back().last = std::max(merged.back().last, interval.last);
    } else {
      merged.push_back(interval);
    }
  }
  return merged;
}

// The excluded stretches, given on the place's clock, as universal minutes:
// each from the first run of its first minute to the last run of its last.
std::vector<MinuteInterval> OnUniversalClock(const PlaceClock& clock,
                                             const std::vector<MinuteInterval>& local) {
  std::vector<MinuteInterval> universal;
  universal.reserve(local.size());
  for (const MinuteInterval& interval : local) {
    universal.push_back({clock.UniversalOf(FromMinuteIndex(interval.first), PlaceClock::Run::First),
                         clock.UniversalOf(FromMinuteIndex(interval.last), PlaceClock::Run::Last)});
  }
  return universal;
}

// The pieces of [first, last] outside the excluded stretches, passed to `take`
// in time order. `next` remembers where the previous run left off in
// `excluded`: runs come in time order, so the walk is linear.
template <typename Take>
void PiecesOutside(std::int64_t first, std::int64_t last,
                   const std::vector<MinuteInterval>& excluded, std::size_t& next, Take&& take) {
  while (next < excluded.size() && excluded[next].last < first) ++next;
  std::int64_t from = first;
  for (std::size_t i = next; i < excluded.size() && excluded[i].first <= last; ++i) {
    if (excluded[i].first > from) take(from, excluded[i].first - 1);
    from = std::max(from, excluded[i].last + 1);
  }
  if (from <= last) take(from, last);
}

// Marked stretches cut into pieces that carry one set of marks each, in time
// order and apart, so that windows in time order can read them in one walk.
class MarkTimeline {
 public:
  explicit MarkTimeline(const std::vector<MarkedMinutes>& marked) {
    std::vector<std::pair<std::int64_t, int>> edges;  // minute a stretch starts or ends after
    for (const MarkedMinutes& m : marked) {
      if (m.last < m.first) continue;
      edges.push_back({m.first, 0});
      edges.push_back({m.last + 1, 0});
    }
    std::sort(edges.begin(), edges.end());
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
      const std::int64_t first = edges[i].first;
      const std::int64_t last = edges[i + 1].first - 1;
      if (last < first) continue;
      std::uint32_t marks = 0;
      for (const MarkedMinutes& m : marked)
        if (m.first <= first && m.last >= last) marks |= m.marks;
      if (marks != 0) pieces_.push_back({first, last, marks});
    }
  }

  // The marks of the stretches that overlap [first, last]; calls come in
  // time order of `first`.
  std::uint32_t Over(std::int64_t first, std::int64_t last) {
    while (next_ < pieces_.size() && pieces_[next_].last < first) ++next_;
    std::uint32_t marks = 0;
    for (std::size_t i = next_; i < pieces_.size() && pieces_[i].first <= last; ++i)
      marks |= pieces_[i].marks;
    return marks;
  }

  // The pieces as stretches to leave out.
  std::vector<MinuteInterval> Intervals() const {
    std::vector<MinuteInterval> intervals;
    for (const MarkedMinutes& piece : pieces_) intervals.push_back({piece.first, piece.last});
    return intervals;
  }

 private:
  std::vector<MarkedMinutes> pieces_;
  std::size_t next_ = 0;
};

// The stretches one subject's windows leave out: the request's own and,
// when it leaves them out, the subject's marked ones.
std::vector<MinuteInterval> ExcludedFor(const SearchRequest& request,
                                        const std::vector<MinuteInterval>& excluded,
                                        const MarkTimeline& marks) {
  if (!request.leaveOutMarked) return excluded;
  std::vector<MinuteInterval> all = excluded;
  for (const MinuteInterval& interval : marks.Intervals()) all.push_back(interval);
  return Merged(std::move(all));
}

bool Reaches(const SearchRequest& request, Verdict minimum, const Evaluation& evaluation) {
  if (evaluation.ResultWord < minimum) return false;
  return !request.minTotal || evaluation.TotalScore >= *request.minTotal;
}

// A run is listed when its person, and its partner where there is one, reach
// the minimum; with listOnlyShuddhi, when both pass the shuddhi too.
bool Listed(const SearchRequest& request, Verdict minimum, const JudgedRun& run) {
  const auto passes = [&](const Judgement& judgement) {
    return Reaches(request, minimum, judgement.evaluation) &&
           !(request.listOnlyShuddhi && judgement.shuddhi != 0);
  };
  return passes(*run.judgement) && (!run.partner || passes(*run.partner));
}

// Lists the windows that reach the minimum result (and total), at most
// request.maxWindows of them, and ranks the best of each subject among those
// listed.
SearchResult Collect(const SearchRequest& request, const SearchControl& control, RunLists&& lists) {
  SearchResult result;
  const Verdict minimum = VerdictNamed(request.minResult).value_or(Verdict::None);
  const PlaceClock clock(request);
  const std::vector<MinuteInterval> excluded = Merged(OnUniversalClock(clock, request.excluded));
  if (!control.windows) {
    std::size_t count = 0;
    for (const std::vector<JudgedRun>& runs : lists) count += runs.size();
    result.windows.reserve(std::min(count, request.maxWindows));
  }
  std::size_t listed = 0;
  for (std::size_t s = 0; s < lists.size() && !result.truncated; ++s) {
    BestWindows best;
    std::size_t next = 0;
    MarkTimeline marks(s < request.marked.size() ? request.marked[s]
                                                 : std::vector<MarkedMinutes>{});
    const std::vector<MinuteInterval> subjectExcluded = ExcludedFor(request, excluded, marks);
    for (JudgedRun& run : lists[s]) {
      if (result.truncated) break;
      if (!Listed(request, minimum, run)) continue;
      PiecesOutside(
          run.first, run.last, subjectExcluded, next, [&](std::int64_t a, std::int64_t b) {
            if (result.truncated) return;
            if (listed == request.maxWindows) {
              result.truncated = true;
              return;
            }
            const std::int64_t minutes = b - a + 1;
            const Evaluation* partner = run.partner ? &run.partner->evaluation : nullptr;
            best.Offer(BestKeyOf(run.judgement->evaluation, partner, minutes), listed++);
            SearchWindow window{request.subjects[s], clock.At(a).local,
                                clock.At(b).local,   minutes,
                                run.judgement,       request.leaveOutMarked ? 0 : marks.Over(a, b),
                                run.partner};
            if (control.windows) {
              control.windows(window);
            } else {
              result.windows.push_back(std::move(window));
            }
          });
    }
    best.AppendTo(result.best);
    std::vector<JudgedRun>().swap(lists[s]);  // listed: its memory can go
  }
  return result;
}

}  // namespace

BestWindowKey BestKeyOf(const Evaluation& evaluation, std::int64_t minutes) {
  return {evaluation.ResultWord, evaluation.TotalScore, evaluation.FactorCount, minutes};
}

BestWindowKey BestKeyOf(const Evaluation& evaluation, const Evaluation* partner,
                        std::int64_t minutes) {
  const BestWindowKey own = BestKeyOf(evaluation, minutes);
  return partner ? std::min(own, BestKeyOf(*partner, minutes)) : own;
}

Result<void> CheckSearchRequest(const SearchRequest& request) {
  if (request.subjects.empty())
    return Unexpected(Problem{"subject", messages::NoSubject(), Rule::Missing});
  for (const std::string& subject : request.subjects) {
    if (FindRuleSet(subject) == nullptr)
      return Unexpected(Problem{"subject", messages::UnknownSubject(subject), Rule::UnknownText});
  }
  if (!VerdictNamed(request.minResult))
    return Unexpected(
        Problem{"min_result", messages::UnknownResultWord(request.minResult), Rule::UnknownText});
  if (request.maxWindows == 0)
    return Unexpected(Problem{"max_windows", messages::NotAWholeCount(), Rule::OutOfRange});
  const LocalMinute& from = request.from;
  const LocalMinute& to = request.to;
  if (Result<void> fields = FirstFailure(
          {CheckPerson(request), CheckPlace(request.place, "place"),
           CheckDateTime(from.year, from.month, from.day, from.hour, from.minute, "from"),
           CheckDateTime(to.year, to.month, to.day, to.hour, to.minute, "to")});
      !fields)
    return fields;
  if (request.partner) {
    if (Result<void> partner = CheckPartner(*request.partner); !partner) return partner;
  }
  if (request.to < request.from)
    return Unexpected(Problem{"to", messages::RangeBackwards(), Rule::Inconsistent});
  if (MinuteIndex(request.to) - MinuteIndex(request.from) + 1 > kMaxSearchMinutes)
    return Unexpected(Problem{"to", messages::RangeTooLong(), Rule::RangeTooLong});
  return {};
}

Result<void> CheckPartner(const Partner& partner) {
  if (Result<void> sex = CheckSex(partner.sex); !sex)
    return Unexpected(Problem{"partner.sex", sex.error().message, sex.error().rule});
  return FirstFailure({CheckTextLength(partner.name, text_limits::kName, "partner.name"),
                       CheckMoment(partner.birth, "partner.birth")});
}

Result<void> CheckPerson(const SearchRequest& request) {
  return FirstFailure({CheckTextLength(request.name, text_limits::kName, "name"),
                       CheckSex(request.sex), CheckMoment(request.birth, "birth")});
}

namespace {

// Whether the range reaches `b`: the last minute on the captions of its
// first run, whichever run the range ends in, runs to its 59th second.
bool RangeReaches(const SearchRequest& request, const MomentEntry& b) {
  const PlaceClock clock(request);
  const MomentEntry end = MomentOf(request.to, request.place, clock.ZoneAt(request.to));
  return UniversalSeconds(end) + 59 >= UniversalSeconds(b);
}

std::string MinuteText(const MomentEntry& b) {
  return ClockMomentText({b.year, b.month, b.day, b.hour, b.minute});
}

}  // namespace

// The person's late birth is the range's fault, as it always was; the
// partner's is the partner's birth, so the message says whose birth it is.
Result<void> CheckRangeAfterBirth(const SearchRequest& request) {
  const std::string rangeEnd = ClockMomentText(request.to);
  if (!RangeReaches(request, request.birth))
    return Unexpected(Problem{"to", messages::RangeBeforeBirth(rangeEnd, MinuteText(request.birth)),
                              Rule::Inconsistent});
  if (request.partner && !RangeReaches(request, request.partner->birth))
    return Unexpected(
        Problem{"partner.birth",
                messages::RangeBeforePartnersBirth(rangeEnd, MinuteText(request.partner->birth)),
                Rule::Inconsistent});
  return {};
}

namespace {

// What judging the runs of one person leaves besides the runs.
struct RunTally {
  std::int64_t evaluations = 0;
  std::int64_t minutesScanned = 0;
  bool cancelled = false;
};

// The runs of every subject for the person of `birth` over the request's
// range, judged on the control's threads.
RunLists JudgeRuns(const SearchRequest& request, const CalculationState& birth,
                   PlanetEphemeris& ephemeris, const SearchControl& control, RunTally& tally) {
  // The range's universal minutes: every real minute from the first run of
  // its first clock minute to the last run of its last.
  const PlaceClock clock(request);
  const std::int64_t first = clock.UniversalOf(request.from, PlaceClock::Run::First);
  const std::int64_t last = clock.UniversalOf(request.to, PlaceClock::Run::Last);
  // Days since 1970, earlier ones negative, to share out among the threads.
  const std::int64_t firstDay = DayOfMinute(first);
  const std::int64_t lastDay = DayOfMinute(last);
  const std::int64_t dayCount = lastDay - firstDay + 1;

  int threads = control.threads > 0
                    ? control.threads
                    : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = static_cast<int>(std::min<std::int64_t>(threads, dayCount));

  std::vector<RunLists> parts(threads, RunLists(request.subjects.size()));
  std::vector<std::int64_t> evaluations(threads, 0), scanned(threads, 0);
  std::mutex progressMutex;
  std::int64_t daysDone = 0;
  bool cancelled = false;
  // The first failure of any thread (out of memory) ends them all and is
  // rethrown here: an exception must not escape a thread.
  std::exception_ptr failure;
  std::atomic<bool> failed{false};

  // Each thread takes one stretch of whole days, so its runs join up in order.
  auto work = [&](int part) {
    MinuteJudge judge(request, birth, ephemeris);
    const std::int64_t beginDay = firstDay + dayCount * part / threads;
    const std::int64_t endDay = firstDay + dayCount * (part + 1) / threads;
    const std::int64_t a = std::max(first, beginDay * 1440);
    const std::int64_t b = std::min(last, endDay * 1440 - 1);
    auto beforeDay = [&] {
      if (failed.load(std::memory_order_relaxed)) return false;
      if (control.cancel && control.cancel->load()) {
        std::lock_guard<std::mutex> lock(progressMutex);
        cancelled = true;
        return false;
      }
      return true;
    };
    auto afterDay = [&] {
      if (!control.progress) return;
      std::lock_guard<std::mutex> lock(progressMutex);
      control.progress(static_cast<double>(++daysDone) / static_cast<double>(dayCount));
    };
    evaluations[part] = judge.JudgeRange(a, b, parts[part], scanned[part], beforeDay, afterDay);
  };

  auto guarded = [&](int part) {
    try {
      work(part);
    } catch (...) {
      std::lock_guard<std::mutex> lock(progressMutex);
      if (!failure) failure = std::current_exception();
      failed.store(true);
    }
  };
  // A thread of ours ends with its part, and Swiss Ephemeris keeps state per
  // thread that only that thread can free. The calling thread keeps its own
  // state for the next search (setting it up again costs more than a search
  // of one subject over a month); a caller whose thread ends releases it.
  auto threadOfItsOwn = [&guarded, &ephemeris](int part) {
    const ThreadStateRelease release(ephemeris);
    guarded(part);
  };
  std::vector<std::thread> pool;
  pool.reserve(static_cast<std::size_t>(threads));
  std::vector<int> here{0};  // the parts this thread does itself
  here.reserve(static_cast<std::size_t>(threads));
  for (int part = 1; part < threads; ++part) {
    try {
      pool.emplace_back(threadOfItsOwn, part);
    } catch (...) {
      here.push_back(part);  // no thread to be had: this one does the part
    }
  }
  for (const int part : here) guarded(part);
  for (std::thread& thread : pool) thread.join();
  if (failure) std::rethrow_exception(failure);

  RunLists merged = std::move(parts[0]);
  for (int part = 1; part < threads; ++part) {
    for (std::size_t s = 0; s < merged.size(); ++s) {
      std::vector<JudgedRun>& runs = parts[part][s];
      if (runs.empty()) continue;
      // Only the first run can continue the last one of the stretch before.
      AppendRun(merged[s], runs.front().first, runs.front().last,
                std::move(runs.front().judgement));
      merged[s].insert(merged[s].end(), std::make_move_iterator(runs.begin() + 1),
                       std::make_move_iterator(runs.end()));
    }
  }
  for (int part = 0; part < threads; ++part) {
    tally.evaluations += evaluations[part];
    tally.minutesScanned += scanned[part];
  }
  tally.cancelled = tally.cancelled || cancelled;
  return merged;
}

// The person's request made the partner's: the same undertakings, range and
// place, read from the partner's birth.
SearchRequest PartnersRequest(const SearchRequest& request) {
  SearchRequest partners = request;
  partners.name = request.partner->name;
  partners.sex = request.partner->sex;
  partners.birth = request.partner->birth;
  partners.partner.reset();
  return partners;
}

// A control reporting its progress as the share [from, from + span] of a
// whole that two runs make.
SearchControl ShareOf(const SearchControl& control, double from, double span) {
  SearchControl share = control;
  if (control.progress)
    share.progress = [progress = control.progress, from, span](double done) {
      progress(from + span * done);
    };
  return share;
}

}  // namespace

SearchResult FindMuhurtaWindows(const SearchRequest& request, PlanetEphemeris& ephemeris,
                                const SearchControl& control) {
  RunTally tally;
  RunLists runs;
  if (!request.partner) {
    runs = JudgeRuns(request, MinuteJudge::BirthState(request), ephemeris, control, tally);
  } else {
    // Each person's runs reaching the minimum, then the minutes both share:
    // a run below the minimum for either is never listed for the two.
    const SearchRequest partners = PartnersRequest(request);
    RunLists person = JudgeRuns(request, MinuteJudge::BirthState(request), ephemeris,
                                ShareOf(control, 0, 0.5), tally);
    RunLists partner = JudgeRuns(partners, MinuteJudge::BirthState(partners), ephemeris,
                                 ShareOf(control, 0.5, 0.5), tally);
    runs.resize(person.size());
    for (std::size_t s = 0; s < person.size(); ++s) runs[s] = RunsOfBoth(person[s], partner[s]);
  }
  SearchResult result = Collect(request, control, std::move(runs));
  result.evaluations = tally.evaluations;
  result.minutesScanned = tally.minutesScanned;
  result.cancelled = tally.cancelled;
  return result;
}

SearchResult ScanEveryMinute(const SearchRequest& request, PlanetEphemeris& ephemeris) {
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, ephemeris);
  RunLists lists(request.subjects.size());
  SearchResult totals;
  const PlaceClock& clock = judge.clock();
  const std::int64_t last = clock.UniversalOf(request.to, PlaceClock::Run::Last);
  for (std::int64_t t = clock.UniversalOf(request.from, PlaceClock::Run::First); t <= last; ++t) {
    ++totals.minutesScanned;
    for (std::size_t s = 0; s < request.subjects.size(); ++s) {
      AppendRun(lists[s], t, t, judge.JudgeThroughDriver(t, s));
      ++totals.evaluations;
    }
  }
  SearchResult result = Collect(request, {}, std::move(lists));
  result.minutesScanned = totals.minutesScanned;
  result.evaluations = totals.evaluations;
  return result;
}

}  // namespace horavela

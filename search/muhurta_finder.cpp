#include "search/muhurta_finder.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>
#include <tuple>

#include "engine/ascendant.h"
#include "engine/input_check.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"
#include "rules/charts.h"
#include "rules/subjects.h"
#include "search/minute_judge.h"

namespace horavela {

namespace {

constexpr std::size_t kBestPerSubject = 10;

// Runs of every result word, one list per subject, for a stretch of days.
using RunLists = std::vector<std::vector<JudgedRun>>;

// Keeps the windows that reach the minimum result and ranks the best of each subject.
SearchResult Collect(const SearchRequest& request, RunLists&& lists) {
  SearchResult result;
  const int minimum = ResultRank(request.minResult);
  std::size_t count = 0;
  for (const std::vector<JudgedRun>& runs : lists) count += runs.size();
  result.windows.reserve(count);
  for (std::size_t s = 0; s < lists.size(); ++s) {
    // The ranking key of each window, then its index: earlier first among equals.
    using Ranked = std::tuple<int, int, int, std::int64_t, std::size_t>;
    std::vector<Ranked> ranked;
    for (JudgedRun& run : lists[s]) {
      const Evaluation& evaluation = run.judgement->evaluation;
      const int rank = ResultRank(evaluation.ResultWord);
      if (rank < minimum) continue;
      const std::int64_t minutes = run.last - run.first + 1;
      ranked.emplace_back(-rank, -evaluation.TotalScore, -evaluation.FactorCount, -minutes,
                          result.windows.size());
      result.windows.push_back({request.subjects[s], FromMinuteIndex(run.first),
                                FromMinuteIndex(run.last), minutes, std::move(run.judgement)});
    }
    const std::size_t best = std::min(kBestPerSubject, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(best),
                      ranked.end());
    for (std::size_t i = 0; i < best; ++i) result.best.push_back(std::get<4>(ranked[i]));
  }
  return result;
}

}  // namespace

int ResultRank(std::string_view resultWord) {
  if (resultWord == "Good") return 3;
  if (resultWord == "Average") return 2;
  if (resultWord == "Bad") return 1;
  return 0;
}

std::optional<Problem> CheckSearchRequest(const SearchRequest& request) {
  if (request.subjects.empty()) return Problem{"subject", messages::NoSubject(), Rule::Missing};
  for (const std::string& subject : request.subjects) {
    if (FindRuleSet(subject) == nullptr)
      return Problem{"subject", messages::UnknownSubject(subject), Rule::UnknownText};
  }
  if (ResultRank(request.minResult) == 0)
    return Problem{"min_result", messages::UnknownResultWord(request.minResult), Rule::UnknownText};
  if (auto problem = CheckSex(request.sex)) return problem;
  if (auto problem = CheckMoment(request.birth, "birth")) return problem;
  if (auto problem = CheckPlace(request.place, "place")) return problem;
  for (const auto& [end, name] : {std::pair{request.from, "from"}, std::pair{request.to, "to"}}) {
    if (auto problem = CheckDateTime(end.year, end.month, end.day, end.hour, end.minute, name))
      return problem;
  }
  if (request.to < request.from)
    return Problem{"to", messages::RangeBackwards(), Rule::Inconsistent};
  if (MinuteIndex(request.to) - MinuteIndex(request.from) + 1 > kMaxSearchMinutes)
    return Problem{"to", messages::RangeTooLong(), Rule::RangeTooLong};
  return std::nullopt;
}

SearchResult FindMuhurtaWindows(const SearchRequest& request, PlanetEphemeris& ephemeris,
                                const SearchControl& control) {
  const std::int64_t first = MinuteIndex(request.from);
  const std::int64_t last = MinuteIndex(request.to);
  // Civil days since 1970, earlier ones negative.
  auto dayOf = [](std::int64_t minute) { return minute / 1440 - (minute % 1440 < 0 ? 1 : 0); };
  const std::int64_t firstDay = dayOf(first);
  const std::int64_t lastDay = dayOf(last);
  const std::int64_t dayCount = lastDay - firstDay + 1;

  int threads = control.threads > 0
                    ? control.threads
                    : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = static_cast<int>(std::min<std::int64_t>(threads, dayCount));

  const CalculationState birth = MinuteJudge::BirthState(request);
  std::vector<RunLists> parts(threads, RunLists(request.subjects.size()));
  std::vector<std::int64_t> evaluations(threads, 0), scanned(threads, 0);
  std::mutex progressMutex;
  std::int64_t daysDone = 0;
  bool cancelled = false;

  // Each thread takes one stretch of whole days, so its runs join up in order.
  auto work = [&](int part) {
    MinuteJudge judge(request, birth, ephemeris);
    const std::int64_t beginDay = firstDay + dayCount * part / threads;
    const std::int64_t endDay = firstDay + dayCount * (part + 1) / threads;
    const std::int64_t a = std::max(first, beginDay * 1440);
    const std::int64_t b = std::min(last, endDay * 1440 - 1);
    auto beforeDay = [&] {
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
    // Swiss Ephemeris keeps per-thread state that nothing else frees.
    ephemeris.ReleaseThreadState();
  };

  std::vector<std::thread> pool;
  for (int part = 1; part < threads; ++part) pool.emplace_back(work, part);
  work(0);
  for (std::thread& thread : pool) thread.join();

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
  SearchResult result = Collect(request, std::move(merged));
  for (int part = 0; part < threads; ++part) {
    result.evaluations += evaluations[part];
    result.minutesScanned += scanned[part];
  }
  result.cancelled = cancelled;
  return result;
}

SearchResult ScanEveryMinute(const SearchRequest& request, PlanetEphemeris& ephemeris) {
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth, ephemeris);
  RunLists lists(request.subjects.size());
  SearchResult totals;
  for (std::int64_t t = MinuteIndex(request.from); t <= MinuteIndex(request.to); ++t) {
    if (!judge.MinuteExists(t)) continue;
    ++totals.minutesScanned;
    for (std::size_t s = 0; s < request.subjects.size(); ++s) {
      AppendRun(lists[s], t, t, judge.JudgeThroughDriver(t, s));
      ++totals.evaluations;
    }
  }
  SearchResult result = Collect(request, std::move(lists));
  result.minutesScanned = totals.minutesScanned;
  result.evaluations = totals.evaluations;
  return result;
}

}  // namespace horavela

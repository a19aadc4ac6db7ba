#include "search/muhurta_finder.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

#include "engine/ascendant.h"
#include "engine/input_check.h"
#include "engine/lagna_tests.h"
#include "engine/moon.h"
#include "engine/planet_ephemeris.h"
#include "engine/time_base.h"
#include "panchang/panchang.h"
#include "rules/calculation_driver.h"
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
  for (std::size_t s = 0; s < lists.size(); ++s) {
    const std::size_t begin = result.windows.size();
    for (JudgedRun& run : lists[s]) {
      if (ResultRank(run.judgement.evaluation.ResultWord) < minimum) continue;
      SearchWindow window;
      window.subject = request.subjects[s];
      window.first = FromMinuteIndex(run.first);
      window.last = FromMinuteIndex(run.last);
      window.minutes = run.last - run.first + 1;
      window.evaluation = std::move(run.judgement.evaluation);
      window.resultLabel = std::move(run.judgement.label);
      result.windows.push_back(std::move(window));
    }
    std::vector<std::size_t> order(result.windows.size() - begin);
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = begin + i;
    auto better = [&](std::size_t a, std::size_t b) {
      const SearchWindow& x = result.windows[a];
      const SearchWindow& y = result.windows[b];
      const auto key = [](const SearchWindow& w) {
        return std::make_tuple(ResultRank(w.evaluation.ResultWord), w.evaluation.TotalScore,
                               w.evaluation.FactorCount, w.minutes);
      };
      if (key(x) != key(y)) return key(x) > key(y);
      return a < b;  // earlier first among equals
    };
    std::sort(order.begin(), order.end(), better);
    if (order.size() > kBestPerSubject) order.resize(kBestPerSubject);
    result.best.insert(result.best.end(), order.begin(), order.end());
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

std::string CheckSearchRequest(const SearchRequest& request) {
  if (request.subjects.empty()) return "subject: no subject to search";
  for (const std::string& subject : request.subjects) {
    if (FindRuleSet(subject) == nullptr)
      return "subject: unknown subject \"" + subject +
             "\" (horavela-cli subjects lists the valid ones)";
  }
  if (ResultRank(request.minResult) == 0)
    return "min_result must be \"Good\", \"Average\" or \"Bad\"";
  EvaluationInput input;
  input.sex = request.sex;
  input.birth = request.birth;
  input.election.place = request.place;
  for (const auto& [end, name] : {std::pair{request.from, "from"}, std::pair{request.to, "to"}}) {
    input.election.year = static_cast<std::int16_t>(std::clamp(end.year, -32768, 32767));
    input.election.month = static_cast<std::int16_t>(std::clamp(end.month, -32768, 32767));
    input.election.day = static_cast<std::int16_t>(std::clamp(end.day, -32768, 32767));
    input.election.hour = static_cast<std::int16_t>(std::clamp(end.hour, -32768, 32767));
    input.election.minute = static_cast<std::int16_t>(std::clamp(end.minute, -32768, 32767));
    if (std::string error = CheckEvaluationInput(input); !error.empty()) {
      if (error.rfind("Election", 0) == 0) return std::string(name) + ": " + error.substr(9);
      return error;
    }
  }
  if (request.to < request.from) return "to: the range ends before it begins";
  if (MinuteIndex(request.to) - MinuteIndex(request.from) + 1 > kMaxSearchMinutes)
    return "to: the range may be at most 10 years long";
  return {};
}

SearchResult FindMuhurtaWindows(const SearchRequest& request, const SearchControl& control) {
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
    MinuteJudge judge(request, birth);
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
  };

  std::vector<std::thread> pool;
  for (int part = 1; part < threads; ++part) pool.emplace_back(work, part);
  work(0);
  for (std::thread& thread : pool) thread.join();

  RunLists merged = std::move(parts[0]);
  for (int part = 1; part < threads; ++part) {
    for (std::size_t s = 0; s < merged.size(); ++s) {
      for (JudgedRun& run : parts[part][s])
        AppendRun(merged[s], run.first, run.last, std::move(run.judgement));
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

SearchResult ScanEveryMinute(const SearchRequest& request) {
  const CalculationState birth = MinuteJudge::BirthState(request);
  MinuteJudge judge(request, birth);
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

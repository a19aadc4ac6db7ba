#include "search/judged_runs.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace horavela {

namespace {

// The cheap numbers first: most judgements that differ differ there.
bool SameAs(const Judgement& a, const Evaluation& y, ShuddhiFailures shuddhi) {
  const Evaluation& x = a.evaluation;
  return a.shuddhi == shuddhi && x.TotalScore == y.TotalScore && x.FactorCount == y.FactorCount &&
         x.ReportFlags == y.ReportFlags && x.FactorPoints == y.FactorPoints &&
         x.ResultWord == y.ResultWord && x.FactorVerdicts == y.FactorVerdicts &&
         x.Label == y.Label && x.YogaWarning == y.YogaWarning &&
         x.PlanetsInTenth == y.PlanetsInTenth;
}

// A hash of the numbers of an evaluation and of what its label adds: cheap,
// and different for nearly all judgements of one subject.
std::size_t QuickHash(const Evaluation& evaluation) {
  std::size_t hash = evaluation.YogaWarning.size() * 16 + evaluation.PlanetsInTenth.size();
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

bool SameJudgement(const Judgement& a, const Judgement& b) {
  return SameAs(a, b.evaluation, b.shuddhi);
}

std::vector<JudgedRun> RunsOfBoth(const std::vector<JudgedRun>& person,
                                  const std::vector<JudgedRun>& partner) {
  std::vector<JudgedRun> both;
  std::size_t p = 0;
  std::size_t q = 0;
  while (p < person.size() && q < partner.size()) {
    const JudgedRun& a = person[p];
    const JudgedRun& b = partner[q];
    const std::int64_t first = std::max(a.first, b.first);
    const std::int64_t last = std::min(a.last, b.last);
    if (first <= last) both.push_back({first, last, a.judgement, b.judgement});
    // The run that ends first has no more minutes to share.
    if (a.last < b.last) {
      ++p;
    } else if (b.last < a.last) {
      ++q;
    } else {
      ++p;
      ++q;
    }
  }
  return both;
}

void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               SharedJudgement judgement) {
  if (!runs.empty() && runs.back().last + 1 == first &&
      (runs.back().judgement == judgement || SameJudgement(*runs.back().judgement, *judgement))) {
    runs.back().last = last;
    return;
  }
  runs.push_back({first, last, std::move(judgement), nullptr});
}

void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               Judgement&& judgement) {
  if (!runs.empty() && runs.back().last + 1 == first &&
      SameJudgement(*runs.back().judgement, judgement)) {
    runs.back().last = last;
    return;
  }
  runs.push_back({first, last, std::make_shared<const Judgement>(std::move(judgement)), nullptr});
}

RunBook::RunBook(std::size_t subjects, Verdict minimum)
    : minimum_(minimum), judgements_(subjects) {}

// The subject's judgement equal to `evaluation`, made and kept on its first
// appearance.
SharedJudgement RunBook::Intern(std::size_t subject, const Evaluation& evaluation,
                                ShuddhiFailures shuddhi) {
  auto& seen = judgements_[subject];
  const std::size_t hash = QuickHash(evaluation) ^ shuddhi;
  const auto [begin, end] = seen.equal_range(hash);
  for (auto it = begin; it != end; ++it)
    if (SameAs(*it->second, evaluation, shuddhi)) return it->second;
  auto judgement = std::make_shared<const Judgement>(Judgement{evaluation, shuddhi});
  seen.emplace(hash, judgement);
  return judgement;
}

void RunBook::Record(std::size_t subject, std::vector<JudgedRun>& runs, std::int64_t first,
                     std::int64_t last, const Evaluation& evaluation, ShuddhiFailures shuddhi) {
  if (!runs.empty()) {
    JudgedRun& open = runs.back();
    if (open.last + 1 == first && SameAs(*open.judgement, evaluation, shuddhi)) {
      open.last = last;
      return;
    }
    if (open.judgement->evaluation.ResultWord < minimum_) {
      open = {first, last, Intern(subject, evaluation, shuddhi), nullptr};
      return;
    }
  }
  runs.push_back({first, last, Intern(subject, evaluation, shuddhi), nullptr});
}

}  // namespace horavela

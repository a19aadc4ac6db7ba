#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "search/muhurta_finder.h"

namespace horavela {

bool SameJudgement(const Judgement& a, const Judgement& b);

// A run of consecutive minutes [first, last] with one judgement.
struct JudgedRun {
  std::int64_t first = 0;
  std::int64_t last = 0;
  SharedJudgement judgement;
  SharedJudgement partner;  // the partner's judgement over the same minutes, or null
};

// The runs of two people over the same minutes cut where either changes: each
// minute both lists hold gets one run with both judgements. Both lists in
// time order.
std::vector<JudgedRun> RunsOfBoth(const std::vector<JudgedRun>& person,
                                  const std::vector<JudgedRun>& partner);

// Appends [first, last] to `runs`, extending the last run when it continues it
// (adjacent and judged the same).
void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               Judgement&& judgement);
void AppendRun(std::vector<JudgedRun>& runs, std::int64_t first, std::int64_t last,
               SharedJudgement judgement);

// The runs of the subjects of one search as their rule sets judge them, each
// judgement kept once however many runs share it.
class RunBook {
 public:
  // Closed runs whose result ranks below `minimum` are not reported.
  RunBook(std::size_t subjects, Verdict minimum);

  // Extends the subject's last run over [first, last] when `evaluation`
  // continues it, else opens a run. A closed run below the minimum
  // result will not be reported: the new run takes its place.
  void Record(std::size_t subject, std::vector<JudgedRun>& runs, std::int64_t first,
              std::int64_t last, const Evaluation& evaluation, ShuddhiFailures shuddhi = 0);

 private:
  SharedJudgement Intern(std::size_t subject, const Evaluation& evaluation,
                         ShuddhiFailures shuddhi);

  Verdict minimum_;
  // The judgements seen so far, per subject, by a hash of their numbers.
  std::vector<std::unordered_multimap<std::size_t, SharedJudgement>> judgements_;
};

}  // namespace horavela

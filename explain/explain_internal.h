#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "explain/explanation.h"
#include "language/wording.h"
#include "search/minute_judge.h"

// The pieces ExplainMoment puts together, shared by the files of this folder.
namespace horavela::explain_detail {

// The judged runs of one subject over [lo(), hi()], grown outward on demand
// up to kExplainReachMinutes from the moment.
class RunsAround {
 public:
  RunsAround(MinuteJudge& judge, std::int64_t moment);

  // Judges further back (or on) until `minute` is covered or the reach ends.
  void CoverBefore(std::int64_t minute);
  void CoverAfter(std::int64_t minute);
  // Judges one more step back (or on); false at the end of the reach.
  bool GrowBefore();
  bool GrowAfter();

  std::int64_t lo() const { return lo_; }
  std::int64_t hi() const { return hi_; }
  bool AtReachBefore() const { return lo_ <= moment_ - kExplainReachMinutes; }
  bool AtReachAfter() const { return hi_ >= moment_ + kExplainReachMinutes; }
  const std::vector<JudgedRun>& runs() const { return runs_; }
  // The clock the judge's (universal) minutes are named on.
  const PlaceClock& clock() const { return judge_.clock(); }
  // The index of the run holding `minute`, or runs().size() when none does.
  std::size_t IndexOf(std::int64_t minute) const;

 private:
  std::vector<JudgedRun> Judge(std::int64_t first, std::int64_t last);

  MinuteJudge& judge_;
  std::int64_t moment_;
  std::int64_t lo_;
  std::int64_t hi_;
  std::int64_t stepBefore_ = 240;
  std::int64_t stepAfter_ = 240;
  std::vector<JudgedRun> runs_;
};

Verdict VerdictOf(const JudgedRun& run);
ExplainedWindow WindowOf(const PlaceClock& clock, const JudgedRun& run);

// An element of the chart around the moment, with its neighbours' names.
struct ElementAround {
  std::string element;
  std::optional<ChartElement> chartElement;  // none for the civil date and the planets
  Wording name;
  std::optional<std::int64_t> began;  // first minute showing `name`
  std::optional<std::int64_t> ends;   // first minute showing `next`
  Wording previous;
  Wording next;
};

// The elements `reads` names (ElementRead bits), in a fixed order: the
// chart's, the civil date, then the planets' signs.
std::vector<ElementAround> ElementsAround(MinuteJudge& judge, std::int64_t moment, unsigned reads);

// The warnings: a change of the result word within a quarter hour, a change
// of an element within its precision margin, a kalam holding the moment.
std::vector<Wording> VerdictWarnings(const RunsAround& runs, std::int64_t moment);
std::vector<Wording> MarginWarnings(const PlaceClock& clock,
                                    const std::vector<ElementAround>& elements,
                                    std::int64_t moment);
std::vector<Wording> KalamWarnings(const SearchRequest& request, const PlaceClock& clock,
                                   std::int64_t moment);

}  // namespace horavela::explain_detail

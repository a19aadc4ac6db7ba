#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/null_sink.h"
#include "support/moments_and_places.h"
#include "usecases/evaluate.h"

namespace horavela {
namespace {

using testing::Asha;
using testing::NewDelhi;
using testing::On;

std::vector<std::string> VerdictTexts(const Evaluation& evaluation) {
  std::vector<std::string> texts;
  for (const FactorVerdict& verdict : evaluation.FactorVerdicts)
    if (!verdict.empty()) texts.push_back(TextOf(verdict));
  return texts;
}

std::vector<std::string> VerdictTexts(const Explanation& explanation) {
  std::vector<std::string> texts;
  for (const FactorInWords& factor : explanation.factors) texts.push_back(factor.verdict);
  return texts;
}

// A weekday picked by hand holds for the whole evaluation: the explanation's
// factors lean as the verdicts do, not as the date's own weekday would.
TEST(EvaluateUseCase, ExplanationJudgesThePickedWeekday) {
  struct Row {
    const char* subject;
    const char* weekday;  // 14 February 2025 is a Friday
  };
  const Row rows[] = {{"Marriage", "Sunday"},
                      {"Marriage", "Tuesday"},
                      {"Buying Land", "Saturday"},
                      {"Domestic Journey", "Tuesday"},
                      {"Lending Money", "Sunday"}};
  for (const Row& row : rows) {
    EvaluationRequest request;
    request.input = Asha(row.subject)
                        .ElectedAt(On(2025, 2, 14).At(10, 30).In(NewDelhi()))
                        .OnWeekday(row.weekday);
    request.explain = true;
    NullSink report;
    const Result<Evaluated> evaluated = Evaluate(request, report);
    ASSERT_TRUE(evaluated) << row.subject;
    ASSERT_TRUE(evaluated->explanation) << row.subject;
    EXPECT_EQ(VerdictTexts(*evaluated->explanation), VerdictTexts(evaluated->state.Result))
        << row.subject << " on " << row.weekday;
  }
}

}  // namespace
}  // namespace horavela

#include "engine/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace horavela {
namespace {

Result<int> Halve(int n) {
  if (n % 2 != 0) return Unexpected(Problem{"n", "must be even", Rule::OutOfRange});
  return n / 2;
}

TEST(Result, HoldsAValueOrTheProblemThatStoppedIt) {
  const Result<int> half = Halve(8);
  ASSERT_TRUE(half.has_value());
  EXPECT_TRUE(static_cast<bool>(half));
  EXPECT_EQ(*half, 4);
  EXPECT_EQ(half.value(), 4);

  const Result<int> odd = Halve(7);
  EXPECT_FALSE(odd.has_value());
  EXPECT_FALSE(static_cast<bool>(odd));
  EXPECT_EQ(ProblemText(odd.error()), "n: must be even");
  EXPECT_EQ(odd.error().rule, Rule::OutOfRange);
}

TEST(Result, ReachesIntoItsValueAndGivesUpMoveOnlyOnes) {
  Result<std::string> text = std::string("Rohini");
  EXPECT_EQ(text->size(), 6u);
  text->append(" pada 2");
  EXPECT_EQ(*text, "Rohini pada 2");

  Result<std::unique_ptr<int>> owned = std::make_unique<int>(27);
  std::unique_ptr<int> taken = *std::move(owned);
  EXPECT_EQ(*taken, 27);
}

// A check gives nothing back: only whether, and why not.
TEST(Result, OfVoidIsACheck) {
  const Result<void> passed;
  EXPECT_TRUE(passed.has_value());
  const Result<void> failed = Unexpected(Problem{"birth.zone", "must point one way"});
  EXPECT_FALSE(failed);
  EXPECT_EQ(ProblemText(failed.error()), "birth.zone: must point one way");
}

// Checks made together answer with the first that failed, in the order given.
TEST(Result, FirstFailureKeepsTheOrderOfTheChecks) {
  const Result<void> passed;
  const Result<void> month = Unexpected(Problem{"birth.month", "must be between 1 and 12"});
  const Result<void> day = Unexpected(Problem{"birth.day", "must be between 1 and 31"});
  EXPECT_TRUE(FirstFailure({}));
  EXPECT_TRUE(FirstFailure({passed, passed}));
  EXPECT_EQ(FirstFailure({passed, month, day}).error().path, "birth.month");
  EXPECT_EQ(FirstFailure({day, month}).error().path, "birth.day");
}

// A file or the book that failed names no field: its sentence stands alone.
TEST(Result, AStorageFailureReadsAsItsSentence) {
  const Result<void> failed = StorageFailure("cannot write \"r.rtf\": Permission denied");
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.error().rule, Rule::Storage);
  EXPECT_EQ(ProblemText(failed.error()), "cannot write \"r.rtf\": Permission denied");
}

}  // namespace
}  // namespace horavela

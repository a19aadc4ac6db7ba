#include "explain/explanation_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace horavela {
namespace {

const LocalMinute kMoment{2024, 11, 14, 10, 30};

ExplainedWindow Window(LocalMinute from, LocalMinute to, const char* word, int total) {
  return {from,  to, VerdictNamed(word).value_or(Verdict::None),
          total, 1,  MinuteIndex(to) - MinuteIndex(from) + 1};
}

TEST(ExplanationTexts, WindowSentenceNamesAnotherDate) {
  struct Row {
    ExplainedWindow window;
    std::string sentence;
  };
  const Row rows[] = {
      {Window({2024, 11, 14, 10, 12}, {2024, 11, 14, 11, 47}, "Good", 3),
       "Good from 10:12 to 11:47"},
      {Window({2024, 11, 13, 22, 5}, {2024, 11, 14, 11, 47}, "Bad", -2),
       "Bad from 22:05 on 13 November 2024 to 11:47"},
      {Window({2024, 11, 14, 10, 0}, {2024, 11, 14, 10, 0}, "", 0), ""},
  };
  for (const Row& row : rows) EXPECT_EQ(WindowSentence(row.window, kMoment), row.sentence);
}

TEST(ExplanationTexts, BetterLinesEarlierFirstAndNoneSaid) {
  Explanation bad;
  bad.window = Window(kMoment, kMoment, "Bad", -1);
  bad.after = BetterMoment{{2024, 11, 16, 6, 0},
                           Window({2024, 11, 16, 6, 0}, {2024, 11, 16, 7, 29}, "Good", 4)};
  bad.before = BetterMoment{{2024, 11, 14, 9, 59},
                            Window({2024, 11, 14, 9, 0}, {2024, 11, 14, 9, 59}, "Average", 1)};
  const std::vector<BetterLine> lines = BetterLines(bad, kMoment);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, "Earlier: Average from 09:00 to 09:59 (total 1, 1 factor)");
  EXPECT_EQ(lines[0].minute->hour, 9);
  EXPECT_EQ(lines[1].text,
            "Later: Good from 06:00 to 07:29 on 16 November 2024 (total 4, 1 factor)");

  Explanation none;
  none.window = Window(kMoment, kMoment, "Bad", -1);
  none.noneBetter = true;
  ASSERT_EQ(BetterLines(none, kMoment).size(), 1u);
  EXPECT_EQ(BetterLines(none, kMoment)[0].text, "Nothing reads better within 7 days either way.");
  EXPECT_FALSE(BetterLines(none, kMoment)[0].minute);
  none.window.verdict = Verdict::Good;
  EXPECT_EQ(BetterLines(none, kMoment)[0].text, "No window of this day reads better.");
}

}  // namespace
}  // namespace horavela

#include "explain/explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "explain/suggested_minute.h"
#include "search/minute_judge.h"
#include "support/search_request.h"

namespace horavela {
namespace {

using testing::AshaAtNewDelhi;
using testing::InputAtMinute;

// The finder's windows of one subject over a few days: the moments the
// cases below are picked from, whatever the ephemeris makes of them.
std::vector<SearchWindow> WindowsOf(const std::string& subject, const LocalMinute& from,
                                    const LocalMinute& to) {
  SearchRequest request = AshaAtNewDelhi({subject});
  request.from = from;
  request.to = to;
  request.minResult = "Bad";
  return FindMuhurtaWindows(request, SwissEphemeris()).windows;
}

// The driver's judgement at each minute, as evaluate gives it.
class DriverScan {
 public:
  explicit DriverScan(const std::string& subject)
      : request_(AshaAtNewDelhi({subject})),
        birth_(MinuteJudge::BirthState(request_)),
        judge_(request_, birth_, SwissEphemeris()) {}
  // The judge counts universal minutes.
  Judgement At(const LocalMinute& minute) {
    return judge_.JudgeThroughDriver(judge_.clock().UniversalOf(minute, PlaceClock::Run::First), 0);
  }

 private:
  SearchRequest request_;
  CalculationState birth_;
  MinuteJudge judge_;
};

Explanation Explain(const std::string& subject, const LocalMinute& minute) {
  return ExplainMoment(InputAtMinute(AshaAtNewDelhi({subject}), minute), {}, SwissEphemeris());
}

LocalMinute Shift(const LocalMinute& minute, std::int64_t by) {
  return FromMinuteIndex(MinuteIndex(minute) + by);
}

const char* const kSubjects[] = {"Domestic Journey", "Lending Money",
                                 "Naming of The Child or Namakarana", "Buying Land"};

// Each window's first and last minute judge as the moment does; the minute
// before and the minute after judge otherwise, for moments inside windows of
// several subjects and words.
TEST(ExplainMoment, WindowEdgesAreWhereTheDriverChangesItsJudgement) {
  for (const char* subject : kSubjects) {
    const std::vector<SearchWindow> windows =
        WindowsOf(subject, {2025, 3, 3, 0, 0}, {2025, 3, 5, 23, 59});
    ASSERT_GE(windows.size(), 3u) << subject;
    DriverScan scan(subject);
    for (std::size_t i = 1; i + 1 < windows.size() && i < 4; ++i) {
      const SearchWindow& expected = windows[i];
      const LocalMinute moment = Shift(expected.first, expected.minutes / 2);
      const Explanation explanation = Explain(subject, moment);
      SCOPED_TRACE(std::string(subject) + " at " + FormatLocalMinute(moment));
      EXPECT_EQ(FormatLocalMinute(explanation.window.from), FormatLocalMinute(expected.first));
      EXPECT_EQ(FormatLocalMinute(explanation.window.to), FormatLocalMinute(expected.last));
      EXPECT_EQ(explanation.window.verdict, expected.evaluation().ResultWord);
      const Judgement own = scan.At(moment);
      EXPECT_EQ(own.evaluation.TotalScore, explanation.window.total);
      EXPECT_TRUE(SameJudgement(scan.At(explanation.window.from), own));
      EXPECT_TRUE(SameJudgement(scan.At(explanation.window.to), own));
      EXPECT_FALSE(SameJudgement(scan.At(Shift(explanation.window.from, -1)), own));
      EXPECT_FALSE(SameJudgement(scan.At(Shift(explanation.window.to, 1)), own));
    }
  }
}

// Around a change of the Moon's nakshatra, the margin warnings name both
// nakshatras and the clock time of the change: one minute before it, at its
// minute, and four minutes after (within the 5-minute margin).
TEST(ExplainMoment, WarnsNearANakshatraChange) {
  const std::string subject = "Domestic Journey";
  const Explanation noon = Explain(subject, {2025, 3, 4, 12, 0});
  ASSERT_EQ(noon.elements.front().element, "Nakshatra");
  ASSERT_TRUE(noon.elements.front().ends);
  const LocalMinute change = *noon.elements.front().ends;
  const std::string left = noon.elements.front().name;
  const std::string entered = Explain(subject, change).elements.front().name;
  ASSERT_NE(left, entered);
  struct Row {
    std::int64_t offset;
    std::string expected;
  };
  const std::string at = ClockText(change, change);
  const Row rows[] = {
      {-1, "The Moon leaves " + left + " at " + at +
               ", 1 minute after this moment; a precise ephemeris may already show " + entered +
               "."},
      {0, "The Moon entered " + entered + " at " + at +
              ", the minute of this moment; a precise ephemeris may still show " + left + "."},
      {4, "The Moon entered " + entered + " at " + at +
              ", 4 minutes before this moment; a precise ephemeris may still show " + left + "."},
  };
  for (const Row& row : rows) {
    const Explanation explanation = Explain(subject, Shift(change, row.offset));
    EXPECT_NE(std::find(explanation.warnings.begin(), explanation.warnings.end(), row.expected),
              explanation.warnings.end())
        << row.expected;
  }
  const Explanation outside = Explain(subject, Shift(change, 5));
  for (const std::string& warning : outside.warnings)
    EXPECT_EQ(warning.find("The Moon entered " + entered), std::string::npos) << warning;
}

// One minute before the result word changes, the verdict warning says to
// what and when; the element warnings do not hide it.
TEST(ExplainMoment, WarnsOneMinuteBeforeAVerdictChange) {
  int checked = 0;
  for (const char* subject : kSubjects) {
    const std::vector<SearchWindow> windows =
        WindowsOf(subject, {2025, 3, 3, 0, 0}, {2025, 3, 9, 23, 59});
    for (std::size_t i = 0; i + 1 < windows.size() && checked < 3; ++i) {
      const std::string word(NameOf(windows[i + 1].evaluation().ResultWord));
      if (NameOf(windows[i].evaluation().ResultWord) == word) continue;
      const LocalMinute moment = windows[i].last;
      const std::string expected = "The verdict changes to " + word + " at " +
                                   ClockText(windows[i + 1].first, moment) +
                                   ", 1 minute after this moment.";
      const Explanation explanation = Explain(subject, moment);
      EXPECT_NE(std::find(explanation.warnings.begin(), explanation.warnings.end(), expected),
                explanation.warnings.end())
          << subject << ": " << expected;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 3);
}

// A Bad moment's nearest better minutes read better through the driver, and
// every window between them and the moment reads no better than Bad.
TEST(ExplainMoment, NearestBetterOfABadMomentReadsBetter) {
  int checked = 0;
  for (const char* subject : {"Domestic Journey", "Lending Money", "Borrowing Money", "Legal",
                              "Date for operations", "Foreign Journey"}) {
    const std::vector<SearchWindow> windows =
        WindowsOf(subject, {2025, 3, 1, 0, 0}, {2025, 3, 14, 23, 59});
    DriverScan scan(subject);
    const PlaceClock clock(AshaAtNewDelhi({subject}).place, {});
    for (const SearchWindow& bad : windows) {
      if (bad.evaluation().ResultWord != Verdict::Bad || bad.first < LocalMinute{2025, 3, 7, 0, 0})
        continue;
      const Explanation explanation = Explain(subject, bad.first);
      SCOPED_TRACE(std::string(subject) + " at " + FormatLocalMinute(bad.first));
      ASSERT_TRUE(explanation.after);
      const BetterMoment& after = *explanation.after;
      EXPECT_GT(scan.At(after.minute).evaluation.ResultWord, Verdict::Bad);
      EXPECT_EQ(after.window.verdict, scan.At(after.minute).evaluation.ResultWord);
      // Offered clear of the window's edges, nearest the moment.
      EXPECT_EQ(after.minute,
                SuggestedMinute(clock, after.window.from, after.window.to, after.window.from));
      for (const SearchWindow& between : windows) {
        if (between.first > bad.first && between.last < after.minute) {
          EXPECT_EQ(NameOf(between.evaluation().ResultWord), "Bad")
              << FormatLocalMinute(between.first);
        }
        if (between.first == after.window.from) {
          EXPECT_EQ(between.last, after.window.to);
        }
      }
      if (explanation.before) {
        EXPECT_GT(scan.At(explanation.before->minute).evaluation.ResultWord, Verdict::Bad);
        const BetterMoment& before = *explanation.before;
        EXPECT_EQ(before.minute,
                  SuggestedMinute(clock, before.window.from, before.window.to, before.window.to));
      }
      EXPECT_FALSE(explanation.bestOfDay);
      if (++checked == 2) return;
      break;
    }
  }
  FAIL() << "no Bad window found: " << checked;
}

// A Good moment's best window of the day is the best by word, total, factor
// count and length among the finder's windows touching that civil day, and
// is named only when it beats the moment's own.
TEST(ExplainMoment, BestOfTheDayOfAGoodMoment) {
  auto key = [](const SearchWindow& w) {
    return std::tuple(w.evaluation().ResultWord, w.evaluation().TotalScore,
                      w.evaluation().FactorCount, w.minutes);
  };
  int named = 0;
  for (const char* subject : {"Marriage", "Domestic Journey", "Buying Land"}) {
    const std::vector<SearchWindow> windows =
        WindowsOf(subject, {2025, 3, 3, 0, 0}, {2025, 3, 7, 23, 59});
    const SearchWindow* best = nullptr;
    for (const SearchWindow& w : windows) {
      const bool touchesDay =
          w.last >= LocalMinute{2025, 3, 5, 0, 0} && w.first <= LocalMinute{2025, 3, 5, 23, 59};
      if (touchesDay && (!best || key(w) > key(*best))) best = &w;
    }
    ASSERT_TRUE(best);
    for (const SearchWindow& own : windows) {
      if (own.evaluation().ResultWord != Verdict::Good ||
          own.first < LocalMinute{2025, 3, 5, 0, 0} || own.first > LocalMinute{2025, 3, 5, 23, 59})
        continue;
      const Explanation explanation = Explain(subject, own.first);
      SCOPED_TRACE(std::string(subject) + " at " + FormatLocalMinute(own.first));
      EXPECT_FALSE(explanation.before);
      EXPECT_FALSE(explanation.after);
      if (key(*best) > key(own)) {
        ASSERT_TRUE(explanation.bestOfDay);
        EXPECT_EQ(explanation.bestOfDay->window.from, best->first);
        EXPECT_EQ(explanation.bestOfDay->window.to, best->last);
        ++named;
      } else {
        EXPECT_FALSE(explanation.bestOfDay);
        EXPECT_TRUE(explanation.noneBetter);
      }
    }
  }
  EXPECT_GT(named, 0);
}

// A moment inside each kalam of the day is told so, with the kalam's times.
TEST(ExplainMoment, WarnsOfTheKalams) {
  DayRequest day;
  day.year = 2025;
  day.month = 3;
  day.day = 5;
  day.place = AshaAtNewDelhi({}).place;
  const DayAtAGlance glance = ComputeDay(day, SwissEphemeris());
  ASSERT_TRUE(glance.parts);
  for (const Period* kalam :
       {&glance.parts->rahuKalam, &glance.parts->yamaganda, &glance.parts->gulikaKalam}) {
    const LocalMinute inside = Shift({kalam->from.year, kalam->from.month, kalam->from.day,
                                      kalam->from.hour, kalam->from.minute},
                                     2);
    char expected[80];
    std::snprintf(expected, sizeof expected, "This moment falls in %s, %02d:%02d to %02d:%02d.",
                  kalam->name.c_str(), kalam->from.hour, kalam->from.minute, kalam->to.hour,
                  kalam->to.minute);
    const Explanation explanation = Explain("Domestic Journey", inside);
    EXPECT_NE(std::find(explanation.warnings.begin(), explanation.warnings.end(), expected),
              explanation.warnings.end())
        << expected;
  }
}

// Under the disc-centre sunrise the kalam warning gives that day's times (a
// minute later than the default's), and one sentence names the settings;
// with the defaults that sentence is not there.
TEST(ExplainMoment, FollowsTheSettingsAndSaysSo) {
  DayRequest day;
  day.year = 2025;
  day.month = 3;
  day.day = 5;
  day.place = AshaAtNewDelhi({}).place;
  day.settings.sunrise = SunriseRule::DiscCentre;
  const DayAtAGlance glance = ComputeDay(day, SwissEphemeris());
  ASSERT_TRUE(glance.parts);
  const Period& rahu = glance.parts->rahuKalam;
  const LocalMinute inside{rahu.from.year, rahu.from.month, rahu.from.day, rahu.from.hour,
                           rahu.from.minute + 1};
  char expected[80];
  std::snprintf(expected, sizeof expected, "This moment falls in %s, %02d:%02d to %02d:%02d.",
                rahu.name.c_str(), rahu.from.hour, rahu.from.minute, rahu.to.hour, rahu.to.minute);
  EvaluationInput input = InputAtMinute(AshaAtNewDelhi({"Domestic Journey"}), inside);
  const auto has = [](const Explanation& e, const std::string& text) {
    return std::find(e.warnings.begin(), e.warnings.end(), text) != e.warnings.end();
  };
  const std::string sentence =
      "Calculated with settings other than the program's own: sunrise by the centre of the "
      "disc, without refraction.";
  EXPECT_FALSE(has(ExplainMoment(input, {}, SwissEphemeris()), sentence));
  input.settings.sunrise = SunriseRule::DiscCentre;
  const Explanation explanation = ExplainMoment(input, {}, SwissEphemeris());
  EXPECT_TRUE(has(explanation, expected)) << expected;
  EXPECT_TRUE(has(explanation, sentence));
}

// Only the elements the subject's rule set reads are listed, in a fixed
// order, the planets' signs last where the rule set reads them.
TEST(ExplainMoment, ListsTheElementsTheRuleSetReads) {
  struct Row {
    const char* subject;
    std::vector<std::string> elements;
  };
  const Row rows[] = {
      {"Lending Money", {"Nakshatra", "Moon sign", "Tithi", "Civil date"}},
      {"Sell Item", {"Nakshatra", "Moon sign", "Lagna", "Tithi", "Civil date"}},
      {"Religious Journey",
       {"Nakshatra", "Moon sign", "Lagna", "Tithi", "Civil date", "Jupiter sign"}},
      {"Learning of a Trade",
       {"Nakshatra", "Moon sign", "Tithi", "Civil date", "Sun sign", "Mercury sign", "Venus sign",
        "Mars sign", "Jupiter sign", "Saturn sign"}},
  };
  for (const Row& row : rows) {
    const Explanation explanation = Explain(row.subject, {2025, 3, 4, 12, 0});
    std::vector<std::string> elements;
    for (const ElementSpan& span : explanation.elements) elements.push_back(span.element);
    EXPECT_EQ(elements, row.elements) << row.subject;
  }
}

// A planet's sign changes where the explanation says: the moment's sign from
// the minute it began and through the minute before it ends, another sign
// outside. Mercury entered Meena late on 27 February 2025.
TEST(ExplainMoment, PlanetSignsChangeWhereTheySay) {
  const std::string subject = "Learning of a Trade";
  const Explanation noon = Explain(subject, {2025, 3, 4, 12, 0});
  int checked = 0;
  for (const ElementSpan& span : noon.elements) {
    if (span.element.find(" sign") == std::string::npos || span.element == "Moon sign") continue;
    auto nameAt = [&](const LocalMinute& minute) {
      for (const ElementSpan& other : Explain(subject, minute).elements)
        if (other.element == span.element) return other.name;
      return std::string();
    };
    if (span.began) {
      EXPECT_EQ(nameAt(*span.began), span.name) << span.element;
      EXPECT_NE(nameAt(Shift(*span.began, -1)), span.name) << span.element;
      ++checked;
    }
    if (span.ends) {
      EXPECT_EQ(nameAt(Shift(*span.ends, -1)), span.name) << span.element;
      EXPECT_NE(nameAt(*span.ends), span.name) << span.element;
      ++checked;
    }
  }
  EXPECT_GT(checked, 0);
}

// The factors are the driver's verdicts, in its order, each with its points.
TEST(ExplainMoment, FactorsAreTheDriversVerdicts) {
  for (const char* subject : kSubjects) {
    const LocalMinute moment{2025, 3, 4, 12, 0};
    const Judgement judgement = DriverScan(subject).At(moment);
    std::vector<std::string> verdicts;
    for (const FactorVerdict& verdict : judgement.evaluation.FactorVerdicts)
      if (!verdict.empty()) verdicts.push_back(TextOf(verdict));
    std::vector<std::string> explained;
    for (const FactorInWords& factor : Explain(subject, moment).factors) {
      explained.push_back(factor.verdict);
      EXPECT_FALSE(factor.line.empty());
    }
    EXPECT_EQ(explained, verdicts) << subject;
  }
}

}  // namespace
}  // namespace horavela

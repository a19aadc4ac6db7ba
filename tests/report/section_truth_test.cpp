// A section's text against its factor's verdict: where the rule set selects a
// paragraph its own verdict denies, the full report writes one true sentence
// instead; the plain report keeps every paragraph as selected.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "report/report_texts.h"
#include "report/report_writer.h"
#include "rules/rule_sets.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;

struct Case {
  const char* name;
  RuleSet ruleSet;
  Setter setup;
  ReportSlot slot;
  const char* truthfulLine;  // nullptr: the selected paragraph holds
};

// The plain chart is Sunday, Bharani, bright Pratipada (a Nanda tithi).
const Case kCases[] = {
    {"marriage, Siddha yoga not formed",
     EvaluateMarriage,
     {},
     SiddhaFlag,
     "Siddha yoga is not formed at this moment."},
    {"marriage, Amrita Siddhi yoga not formed",
     EvaluateMarriage,
     {},
     AmritaFlag,
     "Amrita Siddhi yoga is not formed at this moment."},
    {"marriage, Siddha yoga on a Friday with a Nanda tithi", EvaluateMarriage,
     WithWeekday("Friday"), SiddhaFlag, nullptr},
    {"marriage, Amrita Siddhi yoga on a Sunday in Hasta", EvaluateMarriage, WithNakshatra("Hasta"),
     AmritaFlag, nullptr},
    {"marriage, a neutral yoga of the day",
     EvaluateMarriage,
     {},
     YogaFlag,
     "The yoga of the Sun and the Moon at this moment is neither favourable nor unfavourable for "
     "this undertaking."},
    {"naming, a neutral star selecting the adverse text",
     EvaluateNaming,
     {},
     NakshatraFlag,
     "The Moon's star at this moment is neither favourable nor unfavourable for this "
     "undertaking."},
    {"naming, a favourable star", EvaluateNaming, WithNakshatra("Rohini"), NakshatraFlag, nullptr},
    {"journey, Bharani least favourable under the favourable text",
     EvaluateDomesticJourney,
     {},
     NakshatraFlag,
     "The Moon's star at this moment does not favour this undertaking."},
    {"marriage, an unfavourable tithi", EvaluateMarriage, WithTithi(2), TithiFlag, nullptr},
};

const FactorSectionText& SectionOf(ReportSlot slot) {
  for (const FactorSectionText& section : FactorSectionTexts())
    if (section.slot == slot) return section;
  throw std::logic_error("no section");
}

// The insertion after the section's heading, which begins with its title.
const RecordingSink::Insertion* AfterHeading(const RecordingSink& sink, ReportSlot slot) {
  const std::string heading(SectionOf(slot).heading);
  for (std::size_t i = 0; i + 1 < sink.insertions.size(); ++i) {
    if (sink.insertions[i].text.starts_with(heading) && sink.insertions[i].bold)
      return &sink.insertions[i + 1];
  }
  return nullptr;
}

TEST(SectionTruth, FullReportSaysWhatTheVerdictSays) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    CalculationState state = PlainChart();
    if (c.setup) c.setup(state);
    c.ruleSet(state);
    ASSERT_NE(state.Result.ReportFlags[c.slot], 0);

    RecordingSink truthful;
    ReportOptions options;
    options.truthfulSections = true;
    WriteReport(state, truthful, options);
    const RecordingSink::Insertion* after = AfterHeading(truthful, c.slot);
    ASSERT_NE(after, nullptr);
    if (c.truthfulLine == nullptr) {
      const std::string word(state.Result.ReportFlags[c.slot] == 1 ? "Bad" : "Good");
      EXPECT_EQ(after->text, word + "\n");
    } else {
      EXPECT_EQ(after->text, std::string(c.truthfulLine) + "\n\n");
      EXPECT_EQ(after->color, PaletteColor::Black);
      EXPECT_FALSE(after->bold);
    }

    // Without the option the rule set's selection stands as it is.
    RecordingSink plain;
    WriteReport(state, plain);
    const RecordingSink::Insertion* specified = AfterHeading(plain, c.slot);
    ASSERT_NE(specified, nullptr);
    EXPECT_EQ(specified->color, PaletteColor::Green);
  }
}

}  // namespace
}  // namespace horavela

// Panchanga shuddhi: a moment's five limbs against what the classical muhurta
// texts ask of an undertaking, on hand-built charts.

#include "rules/shuddhi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/shuddhi_tables.h"
#include "rules/subjects.h"
#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;  // the rule-set fixtures

// Which limbs a marriage moment fails, and the sentences naming them, are
// tested with the sentences in tests/explain/shuddhi_words_test.cpp.

// The marriage stars as a published almanac lists them (AstroBix, "Auspicious
// Muhurat for Vivah Sanskar": Uttara Phalguni, Uttara Ashadha, Uttara
// Bhadrapada, Rohini, Mrigashira, Revati, Anuradha, Mula, Swati, Magha,
// Hasta), which the Malayalam verse "Rohini-dvaya pitrya arka Swati nairrita
// pushan uttara maitra" gives too; every other star fails.
TEST(Shuddhi, MarriageNakshatrasAreThePublishedEleven) {
  const std::vector<std::string> published = {
      "Uttara Phalguni", "Uttara Ashadha", "Uttara Bhadrapada",
      "Rohini",          "Mrigasira",      "Revati",
      "Anuradha",        "Moola",          "Swati",
      "Magha",           "Hasta"};
  for (int i = 0; i < 27; ++i) {
    CalculationState s = CleanMarriageMoment();
    s.ElectionChart.nakshatra = FromIndex<Nakshatra>(i);
    const std::string name(NameOf(s.ElectionChart.nakshatra));
    const bool listed = std::find(published.begin(), published.end(), name) != published.end();
    EXPECT_EQ(ShuddhiFailuresOf("Marriage", s) == 0, listed) << name;
  }
}

// A tithi some texts reject in one fortnight only is named with it.
TEST(Shuddhi, JourneyTithisHeedTheFortnight) {
  CalculationState s = CleanMarriageMoment();
  s.ElectionChart.nakshatra = Nakshatra::Pushya;
  SetTithi(s, 1);
  const ShuddhiReason pratipada{.limb = ShuddhiLimb::Tithi,
                                .list = ShuddhiList::AvoidedFortnightTithis,
                                .tithi = Tithi::Pratipada,
                                .paksha = Paksha::Shukla,
                                .undertaking = "a journey"};
  EXPECT_EQ(ShuddhiReasons("Domestic Journey", s), std::vector<ShuddhiReason>{pratipada});
  SetTithi(s, 16);  // the dark Pratipada is a journey's day
  EXPECT_EQ(ShuddhiFailuresOf("Domestic Journey", s), 0);
}

TEST(Shuddhi, UndertakingsWithoutATableFailNothing) {
  CalculationState s = CleanMarriageMoment();
  SetTithi(s, 30);
  for (const char* subject : {"Legal", "Borrowing Money", "No such undertaking"}) {
    EXPECT_FALSE(HasShuddhi(subject)) << subject;
    EXPECT_EQ(ShuddhiFailuresOf(subject, s), 0) << subject;
    EXPECT_TRUE(ShuddhiReasons(subject, s).empty()) << subject;
  }
  EXPECT_TRUE(HasShuddhi("Marriage"));
}

TEST(Shuddhi, EveryTableRowIsARealSubjectOnce) {
  for (std::size_t i = 0; i < shuddhi::kShuddhiRows.size(); ++i) {
    const std::string_view subject = shuddhi::kShuddhiRows[i].subject;
    EXPECT_NE(FindRuleSet(subject), nullptr) << subject;
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(shuddhi::kShuddhiRows[j].subject, subject);
  }
}

}  // namespace
}  // namespace horavela

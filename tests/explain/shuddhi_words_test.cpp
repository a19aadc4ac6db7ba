// The panchanga shuddhi's reasons in sentences: what the rule sets find of a
// moment's five limbs, said in English as the explanation has always said it
// and in Hindi from the catalog and the name tables.

#include "explain/shuddhi_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rule_fixture.h"

namespace horavela {
namespace {

using namespace testing;  // the rule-set fixtures

std::vector<std::string> ReasonsIn(std::string_view subject, const CalculationState& s,
                                   Language language) {
  std::vector<std::string> texts;
  for (const ShuddhiReason& reason : ShuddhiReasons(subject, s))
    texts.push_back(TextOf(ShuddhiWording(reason), language));
  return texts;
}

struct LimbCase {
  const char* name;
  Setter change;
  ShuddhiFailures failures;
  std::vector<std::string> reasons;
};

TEST(ShuddhiWords, MarriagePassesOrNamesEachLimbItFails) {
  const std::vector<LimbCase> cases = {
      {"clean", Setter{}, 0, {}},
      {"Bharani",
       WithNakshatra("Bharani"),
       LimbBit(ShuddhiLimb::Nakshatra),
       {"Bharani is not one of the nakshatras the classical texts give a marriage"}},
      {"Rikta",
       WithTithi(14),
       LimbBit(ShuddhiLimb::Tithi),
       {"Chaturdashi is a Rikta tithi, avoided"}},
      {"dark Rikta",
       WithTithi(19),
       LimbBit(ShuddhiLimb::Tithi),
       {"Chaturthi is a Rikta tithi, avoided"}},
      {"new Moon",
       WithTithi(30),
       LimbBit(ShuddhiLimb::Tithi),
       {"Amavashya, the new Moon, is avoided"}},
      {"Ashtami", WithTithi(8), LimbBit(ShuddhiLimb::Tithi), {"Ashtami is avoided for a marriage"}},
      // The weekday judged is the box's, as the rule sets judge it.
      {"Tuesday in the box",
       BoxWeekday("Tuesday"),
       LimbBit(ShuddhiLimb::Weekday),
       {"Tuesday is avoided for a marriage"}},
      {"Vyatipata",
       WithYoga("Vyatipata"),
       LimbBit(ShuddhiLimb::Yoga),
       {"Vyatipata yoga is avoided"}},
      {"Parigha",
       WithYoga("Parigha"),
       LimbBit(ShuddhiLimb::Yoga),
       {"Parigha yoga is avoided for a marriage"}},
      {"Vishti",
       WithKarana("Vishti"),
       LimbBit(ShuddhiLimb::Karana),
       {"Visti (Bhadra) karana is avoided"}},
      {"Naga",
       WithKarana("Naga"),
       LimbBit(ShuddhiLimb::Karana),
       {"Naga karana is avoided for a marriage"}},
      {"two limbs, in limb order",
       All({WithKarana("Vishti"), WithNakshatra("Ardra")}),
       LimbBit(ShuddhiLimb::Nakshatra) | LimbBit(ShuddhiLimb::Karana),
       {"Ardra is not one of the nakshatras the classical texts give a marriage",
        "Visti (Bhadra) karana is avoided"}},
  };
  for (const LimbCase& c : cases) {
    SCOPED_TRACE(c.name);
    CalculationState s = CleanMarriageMoment();
    if (c.change) c.change(s);
    EXPECT_EQ(ShuddhiFailuresOf("Marriage", s), c.failures);
    EXPECT_EQ(ReasonsIn("Marriage", s, Language::English), c.reasons);
  }
}

// A tithi some texts reject in one fortnight only is named with it.
TEST(ShuddhiWords, AJourneyTithiIsNamedWithItsFortnight) {
  CalculationState s = CleanMarriageMoment();
  s.ElectionChart.nakshatra = Nakshatra::Pushya;
  SetTithi(s, 1);
  EXPECT_EQ(ReasonsIn("Domestic Journey", s, Language::English),
            std::vector<std::string>{"Pratipada of the Shukla Paksha is avoided for a journey"});
}

// In Hindi the limb, its value and the undertaking are named in Hindi, the
// sentence ordered as Hindi orders it.
TEST(ShuddhiWords, HindiNamesTheLimbAndTheUndertaking) {
  const struct {
    const char* subject;
    Setter change;
    std::string hindi;
  } rows[] = {
      {"Marriage", WithNakshatra("Bharani"), "भरणी उन नक्षत्रों में नहीं है जो शास्त्र विवाह के लिए बताते हैं"},
      {"Marriage", WithTithi(30), "अमावस्या वर्जित है"},
      {"Marriage", BoxWeekday("Tuesday"), "विवाह के लिए मंगलवार वर्जित है"},
      {"Marriage", WithKarana("Vishti"), "विष्टि (भद्रा) करण वर्जित है"},
      {"Domestic Journey", All({WithNakshatra("Pushya"), WithTithi(1)}),
       "यात्रा के लिए शुक्ल पक्ष की प्रतिपदा वर्जित है"},
  };
  for (const auto& row : rows) {
    CalculationState s = CleanMarriageMoment();
    row.change(s);
    EXPECT_EQ(ReasonsIn(row.subject, s, Language::Hindi), std::vector<std::string>{row.hindi})
        << row.hindi;
  }
}

}  // namespace
}  // namespace horavela

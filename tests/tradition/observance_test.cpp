// Which undertakings observe which of the tradition's vetoes.

#include "tradition/observance.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "rules/subjects.h"
#include "tradition/observance_table.h"

namespace horavela {
namespace {

TEST(Observance, EveryTableRowIsARealSubjectOnce) {
  for (std::size_t i = 0; i < observance::kObservanceRows.size(); ++i) {
    const std::string_view subject = observance::kObservanceRows[i].subject;
    EXPECT_NE(FindRuleSet(subject), nullptr) << subject;
    for (std::size_t j = 0; j < i; ++j) EXPECT_NE(observance::kObservanceRows[j].subject, subject);
  }
}

struct ObservanceCase {
  std::string_view subject;
  Veto veto;
  bool observed;          // without the regional vetoes
  bool observedRegional;  // with them
};

TEST(Observance, WhoObservesWhat) {
  const std::vector<ObservanceCase> cases = {
      {"Marriage", Veto::Kharmas, true, true},
      {"Marriage", Veto::ShukraAsta, true, true},
      {"Marriage", Veto::Chaturmas, true, true},
      {"Marriage", Veto::Holashtak, false, true},
      {"Marriage", Veto::PitruPaksha, false, true},
      {"Marriage", Veto::LunarEclipse, true, true},
      {"Marriage", Veto::Panchaka, false, false},
      {"Engagement", Veto::GuruAsta, true, true},
      {"First Entrance of the Bride", Veto::Malmas, true, true},
      {"Entering a New House", Veto::AdhikaMasa, true, true},
      {"Tonsuring of Head", Veto::Chaturmas, true, true},
      {"Thread Ceremony Or Upanayana", Veto::KshayaMasa, true, true},
      {"First feeding of Solid Food (Annaprasan)", Veto::Kharmas, true, true},
      {"Starting of Education (Aksharabhyasa)", Veto::Holashtak, false, true},
      {"Domestic Journey", Veto::Panchaka, true, true},
      {"Foreign Journey", Veto::SolarEclipse, true, true},
      {"Religious Journey", Veto::Kharmas, false, false},
      {"Buying Land", Veto::Panchaka, true, true},
      {"Buying Item", Veto::Chaturmas, false, false},
      {"Laying the Foundation", Veto::GuruAsta, true, true},
      {"Starting the Construction of a House", Veto::Chaturmas, false, false},
      {"Start A New Business", Veto::AdhikaMasa, true, true},
      {"Start A New Business", Veto::Holashtak, false, false},
      {"Date for operations", Veto::SolarEclipse, false, false},
      {"No such undertaking", Veto::SolarEclipse, false, false},
  };
  for (const ObservanceCase& c : cases) {
    SCOPED_TRACE(std::string(c.subject) + ", " + std::string(NameOf(c.veto)));
    EXPECT_EQ((VetoesObservedBy(c.subject) & VetoBit(c.veto)) != 0, c.observed);
    const VetoOptions regional{.regional = true};
    EXPECT_EQ((VetoesObservedBy(c.subject, regional) & VetoBit(c.veto)) != 0, c.observedRegional);
  }
}

}  // namespace
}  // namespace horavela

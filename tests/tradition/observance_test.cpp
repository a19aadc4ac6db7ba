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
      // The regional vetoes only with the option; a seasonal undertaking
      // keeps no Panchaka, a journey no season; undertakings done when
      // needed, or unknown, keep nothing.
      {"Marriage", Veto::Kharmas, true, true},
      {"Marriage", Veto::Holashtak, false, true},
      {"Marriage", Veto::Panchaka, false, false},
      {"Domestic Journey", Veto::Panchaka, true, true},
      {"Religious Journey", Veto::Kharmas, false, false},
      {"Date for operations", Veto::SolarEclipse, false, false},
      {"No such undertaking", Veto::SolarEclipse, false, false},
  };
  for (const ObservanceCase& c : cases) {
    SCOPED_TRACE(std::string(c.subject) + ", " + std::string(NameOf(c.veto)));
    EXPECT_EQ((VetoesObservedBy(c.subject) & VetoBit(c.veto)) != 0, c.observed);
    VetoOptions regional;
    regional.regional = true;
    EXPECT_EQ((VetoesObservedBy(c.subject, regional) & VetoBit(c.veto)) != 0, c.observedRegional);
  }
}

}  // namespace
}  // namespace horavela

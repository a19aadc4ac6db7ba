#include "language/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace horavela {
namespace {

// The system locale's name as environments write it, and what it chooses.
struct LocaleCase {
  const char* locale;
  Language expected;
};

class LocaleLanguage : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleLanguage, ReadsTheLanguageBeforeTerritoryEncodingAndModifier) {
  EXPECT_EQ(LanguageOfLocale(GetParam().locale), GetParam().expected) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleLanguage,
                         ::testing::Values(LocaleCase{"ta_IN.UTF-8", Language::Tamil},
                                           LocaleCase{"hi-IN", Language::Hindi},
                                           LocaleCase{"mr", Language::Marathi},
                                           LocaleCase{"ML_in", Language::Malayalam},
                                           LocaleCase{"bn_BD.UTF-8@latin", Language::Bengali},
                                           LocaleCase{"en_GB.UTF-8", Language::English},
                                           LocaleCase{"de_DE.UTF-8", Language::English},
                                           LocaleCase{"C", Language::English},
                                           LocaleCase{"", Language::English},
                                           LocaleCase{"hin", Language::English}));

TEST(Language, EveryCodeNamesItsOwnLanguageAndNoTwoShareACodeOrName) {
  std::set<std::string> codes, names;
  for (const auto language : AllLanguages()) {
    EXPECT_EQ(LanguageNamed(CodeOf(language)), language);
    codes.emplace(CodeOf(language));
    names.emplace(SelfNameOf(language));
  }
  EXPECT_EQ(AllLanguages().size(), 9u);
  EXPECT_EQ(codes.size(), 9u);
  EXPECT_EQ(names.size(), 9u);
  EXPECT_EQ(AllLanguages().front(), Language::English);
  EXPECT_FALSE(LanguageNamed("xx").has_value());
}

}  // namespace
}  // namespace horavela

// The calculation settings in the reader's language: each phrase and caption
// from the sentence catalog, English the line it always was.

#include <gtest/gtest.h>

#include <string>

#include "report/report_particulars.h"

namespace horavela {
namespace {

struct SettingsCase {
  Language language;
  std::string expected;
};

TEST(SettingsInWordsTest, SaysTheSettingsInTheLanguage) {
  CalculationSettings settings;
  settings.ayanamsa = AyanamsaSystem::Lahiri;
  settings.sunrise = SunriseRule::DiscCentre;
  settings.tarabala = TaraCount::Inclusive;
  const SettingsCase cases[] = {
      {Language::English,
       "Lahiri (Chitrapaksha) ayanamsa; sunrise by the centre of the disc, without refraction; "
       "tarabala counted inclusive, forward from the birth star"},
      {Language::Hindi,
       "लाहिड़ी (चित्रपक्ष) अयनांश; सूर्योदय: बिम्ब का केन्द्र, अपवर्तन रहित; "
       "तारा बल की गणना: जन्म नक्षत्र को पहला गिनकर, आगे की ओर"},
  };
  for (const SettingsCase& c : cases)
    EXPECT_EQ(SettingsInWords(settings, c.language), c.expected) << CodeOf(c.language);
  EXPECT_EQ(SettingsInWords({}, Language::Hindi), "");
}

}  // namespace
}  // namespace horavela

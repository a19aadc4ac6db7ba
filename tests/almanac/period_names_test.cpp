// A day's periods named from what they are: the tithi with its fortnight,
// the nakshatra with its pada, the kalams, muhurtas, choghadiyas and Gowri
// parts, in English exactly as the almanac has always printed them and in
// another language in its own script.

#include "almanac/period_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "support/moments_and_places.h"

namespace horavela {
namespace {

TEST(PeriodNamesTest, NamesEachKindOfPeriodInTheLanguage) {
  struct Row {
    PeriodName term;
    Language language;
    const char* named;
  };
  const Row rows[] = {
      {PeriodName::Of(Tithi::Dwitiya, Paksha::Krishna), Language::Hindi, "द्वितीया (कृष्ण पक्ष)"},
      {PeriodName::Of(Tithi::Dwitiya, Paksha::Krishna), Language::English, "Dwithiai (Krishna)"},
      {PeriodName::Of(Nakshatra::Anuradha, 2), Language::Tamil, "அனுஷம் பாதம் 2"},
      {PeriodName::Of(Nakshatra::Anuradha, 2), Language::English, "Anuradha pada 2"},
      {PeriodName::Of(Nakshatra::Anuradha), Language::Tamil, "அனுஷம்"},
      {PeriodName::LagnaOf(Rashi::Vrischika), Language::Tamil, "விருச்சிகம்"},
      {PeriodName::LagnaOf(Rashi::Vrischika), Language::English, "Vrischika"},
      {PeriodName::MoonSignOf(Rashi::Vrischika), Language::English, "Vrishcika"},
      {PeriodName::Of(Karana::Bava), Language::Hindi, "बव"},
      {PeriodName::HoraOf(Planet::Saturn), Language::Tamil, "சனி"},
      {PeriodName::Of(KalamWord::RahuKalam), Language::English, "Rahu kalam"},
      {PeriodName::Of(NamedMuhurta::Abhijit), Language::Hindi, "अभिजित मुहूर्त"},
      {PeriodName::Of(NamedMuhurta::Godhuli), Language::Tamil, "கோதூளி"},
      {PeriodName::DurmuhurtaOf(14, false), Language::English, "Muhurta 14 of the day"},
      {PeriodName::DurmuhurtaOf(7, true), Language::Hindi, "रात्रि का मुहूर्त 7"},
      {PeriodName::Of(Choghadiya::Udveg), Language::Hindi, "उद्वेग"},
      {PeriodName::Of(Choghadiya::Amrit), Language::English, "Amrit"},
      {PeriodName::Of(Gowri::Visham), Language::Tamil, "விஷம்"},
      {PeriodName::TaraOf(2), Language::Hindi, "सम्पत्"},
      {PeriodName::TaraOf(2), Language::English, "Sampat"},
      {PeriodName{}, Language::Hindi, ""},
  };
  for (const Row& row : rows) EXPECT_EQ(NameOf(row.term, row.language), row.named) << row.named;
}

// Every period a day holds, with its term: named in English from the term,
// it is the English the period has always carried (the JSON writes it).
DayAtAGlance NewDelhiDay() {
  DayRequest request;
  request.year = 2025;
  request.month = 1;
  request.day = 3;
  request.place = testing::NewDelhi();
  return ComputeDay(request, SwissEphemeris());
}

std::vector<const std::vector<Period>*> PeriodListsOf(const DayAtAGlance& day) {
  const DayParts& parts = *day.parts;
  const DayMuhurtas& muhurtas = *day.muhurtas;
  const DayElements& elements = day.elements;
  return {&parts.hora,        &parts.choghadiya,   &muhurtas.durmuhurtam, &muhurtas.nightKalams,
          &muhurtas.named,    &muhurtas.gowri,     &muhurtas.varjyam,     &muhurtas.amritKalam,
          &elements.tithi,    &elements.nakshatra, &elements.yoga,        &elements.karana,
          &elements.moonSign, &elements.lagna};
}

TEST(PeriodNamesTest, EveryPeriodOfADayIsItsTermInEnglish) {
  const DayAtAGlance day = NewDelhiDay();
  ASSERT_TRUE(day.parts && day.muhurtas);
  std::vector<Period> all = {day.parts->rahuKalam, day.parts->yamaganda, day.parts->gulikaKalam,
                             day.parts->abhijit};
  for (const std::vector<Period>* periods : PeriodListsOf(day))
    all.insert(all.end(), periods->begin(), periods->end());
  ASSERT_GT(all.size(), 60u);
  for (const Period& period : all) {
    EXPECT_NE(period.term.kind, PeriodKind::None) << period.name;
    EXPECT_EQ(NameOf(period.term, Language::English), period.name);
    EXPECT_EQ(NameOf(period, Language::English), period.name);
  }
}

// Friday 3 January 2025 at New Delhi: the day opens in Tritiya of the bright
// fortnight (to 01:09) with the Moon in the first pada of Dhanishta (from
// 23:12 the evening before); the same periods in Tamil and Hindi script.
TEST(PeriodNamesTest, ADayInTamilAndHindi) {
  const DayAtAGlance day = NewDelhiDay();
  ASSERT_TRUE(day.parts && day.muhurtas);
  ASSERT_FALSE(day.elements.tithi.empty());
  ASSERT_FALSE(day.elements.nakshatra.empty());
  const Period& tithi = day.elements.tithi.front();
  const Period& star = day.elements.nakshatra.front();
  struct Row {
    const Period& period;
    const char* english;
    const char* tamil;
    const char* hindi;
  };
  const Row rows[] = {
      {tithi, "Trithiai (Shukla)", "திருதியை (வளர்பிறை)", "तृतीया (शुक्ल पक्ष)"},
      {star, "Dhanistha pada 1", "அவிட்டம் பாதம் 1", "धनिष्ठा चरण 1"},
      {day.parts->rahuKalam, "Rahu kalam", "ராகு காலம்", "राहुकाल"},
      {day.parts->choghadiya.front(), "Char", "சரம்", "चर"},
      {day.muhurtas->gowri.front(), "Sugam", "சுகம்", "सुख"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.period.name, row.english);
    EXPECT_EQ(NameOf(row.period, Language::Tamil), row.tamil) << row.english;
    EXPECT_EQ(NameOf(row.period, Language::Hindi), row.hindi) << row.english;
  }
  EXPECT_EQ(NameOf(day.parts->weekdayValue, Language::Tamil), "வெள்ளி");
}

}  // namespace
}  // namespace horavela

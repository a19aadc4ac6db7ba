// A person's day: chandrashtama where the Moon enters the eighth sign from
// the birth Moon mid-day, on the wrap past Mesha, and the tarabala of the
// stars of a day under both counts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "support/moments_and_places.h"
#include "support/search_request.h"

namespace horavela {
namespace {

DayRequest PersonDayAt(int year, int month, int day, const MomentEntry& birth,
                       TaraCount count = TaraCount::Program) {
  DayRequest request;
  request.place = testing::NewDelhi();
  request.zone = testing::ZoneNamed(testing::kIndiaZone);
  request.year = year;
  request.month = month;
  request.day = day;
  SearchRequest person;  // no subject: the person's day without the verdict band
  person.name = "P";
  person.sex = "Female";
  person.birth = birth;
  request.verdicts = person;
  request.settings.tarabala = count;
  return request;
}

// Where the pada named `pada` begins in the day's elements.
LocalTime PadaBegins(const DayAtAGlance& day, const std::string& pada) {
  for (const Period& period : day.elements.nakshatra)
    if (period.name == pada) return period.from;
  ADD_FAILURE() << pada << " not in the day";
  return {};
}

TEST(EighthSignFrom, CountsForwardWithTheBirthSignAsTheFirst) {
  const struct {
    Rashi birth;
    Rashi eighth;
  } rows[] = {
      {Rashi::Mesha, Rashi::Vrischika}, {Rashi::Simha, Rashi::Meena}, {Rashi::Makara, Rashi::Simha},
      {Rashi::Kumbha, Rashi::Kanya},    {Rashi::Meena, Rashi::Thula}, {Rashi::None, Rashi::None},
  };
  for (const auto& row : rows)
    EXPECT_EQ(EighthSignFrom(row.birth), row.eighth) << NameOf(row.birth);
}

// Births in Makara, Kumbha and Meena (their eighth signs Simha, Kanya and
// Tula lie past Mesha), on days of February 2025 when the Moon enters that
// sign in the day. A sign begins where a pada begins (Simha at Magha 1,
// Kanya at Uttara Phalguni 2, Tula at Chitra 3) and ends at the pada after
// its last: the nakshatra's own search, not the sign's, places both ends.
// The days the span ends on see the same span, whole.
TEST(PersonDay, ChandrashtamaWholeFromTheDayTheMoonEntersTheEighthSign) {
  const struct {
    MomentEntry birth;
    const char* birthSign;
    Rashi eighth;
    int enters;  // February 2025
    const char* beginsWith;
    int leaves;
    const char* endsWith;
  } rows[] = {
      {testing::On(1989, 12, 30).At(12, 0).In(testing::NewDelhi()), "Makara", Rashi::Simha, 12,
       "Magha pada 1", 15, "Uttara Phalguni pada 2"},
      {testing::On(1990, 1, 1).At(12, 0).In(testing::NewDelhi()), "Kumbha", Rashi::Kanya, 15,
       "Uttara Phalguni pada 2", 17, "Chitra pada 3"},
      {testing::On(1990, 1, 3).At(12, 0).In(testing::NewDelhi()), "Meena", Rashi::Thula, 17,
       "Chitra pada 3", 20, "Vishakha pada 4"},
  };
  for (const auto& row : rows) {
    const DayAtAGlance first =
        ComputeDay(PersonDayAt(2025, 2, row.enters, row.birth), SwissEphemeris());
    ASSERT_TRUE(first.person) << row.birthSign;
    EXPECT_EQ(first.person->birthMoonSign, row.birthSign);
    EXPECT_TRUE(first.verdicts.empty());
    ASSERT_EQ(first.person->chandrashtama.size(), 1u) << row.birthSign;
    const Period span = first.person->chandrashtama.front();
    EXPECT_EQ(span.from, PadaBegins(first, row.beginsWith)) << row.birthSign;
    EXPECT_EQ(span.name, NameOf(row.eighth));
    const DayAtAGlance last =
        ComputeDay(PersonDayAt(2025, 2, row.leaves, row.birth), SwissEphemeris());
    ASSERT_EQ(last.person->chandrashtama.size(), 1u) << row.birthSign;
    EXPECT_EQ(last.person->chandrashtama.front().from, span.from) << row.birthSign;
    EXPECT_EQ(last.person->chandrashtama.front().to, span.to) << row.birthSign;
    EXPECT_EQ(span.to, PadaBegins(last, row.endsWith)) << row.birthSign;
    // The day after it ends has none.
    const DayAtAGlance after =
        ComputeDay(PersonDayAt(2025, 2, row.leaves + 1, row.birth), SwissEphemeris());
    EXPECT_TRUE(after.person->chandrashtama.empty()) << row.birthSign;
  }
}

// Asha's birth star is Poorva Phalguni; on 14 February 2025 at New Delhi the
// Moon leaves it for Uttara Phalguni at 23:12. Counted inclusively the birth
// star is Janma and the next Sampat; the program's distance reads a star's
// own as Parama Mitra and the next as Janma, as the evaluation does.
TEST(PersonDay, TarabalaOfEachStarOfTheDayUnderBothCounts) {
  const MomentEntry asha = testing::On(1998, 8, 23).At(6, 45).In(testing::Madurai());
  const struct {
    TaraCount count;
    const char* taras[2];
    Word verdicts[2];
  } rows[] = {
      {TaraCount::Program, {"Parama Mitra", "Janma"}, {Word::VeryFavourable, Word::Unfavourable}},
      {TaraCount::Inclusive, {"Janma", "Sampat"}, {Word::Unfavourable, Word::Favourable}},
  };
  for (const auto& row : rows) {
    const DayAtAGlance day =
        ComputeDay(PersonDayAt(2025, 2, 14, asha, row.count), SwissEphemeris());
    ASSERT_TRUE(day.person);
    EXPECT_EQ(day.person->birthStar, "Poorva Phalguni");
    const std::vector<StrengthPeriod>& tarabala = day.person->tarabala;
    ASSERT_EQ(tarabala.size(), 2u);
    EXPECT_EQ(tarabala[0].period.name, "Poorva Phalguni");
    EXPECT_EQ(tarabala[1].period.name, "Uttara Phalguni");
    EXPECT_EQ(tarabala[1].period.from, PadaBegins(day, "Uttara Phalguni pada 1"));
    EXPECT_EQ(tarabala[0].period.to, tarabala[1].period.from);
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(tarabala[i].tara, row.taras[i]) << i;
      EXPECT_EQ(tarabala[i].verdict, row.verdicts[i]) << i;
    }
  }
}

}  // namespace
}  // namespace horavela

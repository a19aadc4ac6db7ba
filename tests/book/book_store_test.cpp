#include <gtest/gtest.h>

#include "book/book.h"
#include "book_samples.h"

namespace horavela::book {
namespace {

using testing::Asha;
using testing::BookTest;
using testing::London;
using testing::Said;

void ExpectSamePerson(const Person& stored, const Person& expected) {
  EXPECT_EQ(stored.name, expected.name);
  EXPECT_EQ(stored.sex, expected.sex);
  const MomentEntry& a = stored.birth;
  const MomentEntry& b = expected.birth;
  EXPECT_EQ(std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second),
            std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second));
  const PlaceEntry& p = a.place;
  const PlaceEntry& q = b.place;
  EXPECT_EQ(std::tie(p.latitudeDegrees, p.latitudeMinutes, p.north, p.longitudeDegrees,
                     p.longitudeMinutes, p.east, p.zoneHours, p.zoneMinutes, p.dst),
            std::tie(q.latitudeDegrees, q.latitudeMinutes, q.north, q.longitudeDegrees,
                     q.longitudeMinutes, q.east, q.zoneHours, q.zoneMinutes, q.dst));
  EXPECT_EQ(std::tie(p.city, p.state, p.country), std::tie(q.city, q.state, q.country));
  EXPECT_EQ(stored.tz, expected.tz);
  EXPECT_EQ(stored.note, expected.note);
}

TEST_F(BookTest, APersonSavedIsReadBackWholeAfterReopening) {
  Person asha = Asha();
  {
    auto book = OpenBook(BookPath());
    ASSERT_EQ(Said(book->SavePerson(asha)), "");
    EXPECT_NE(asha.id, 0);
  }
  auto book = OpenBook(BookPath());
  EXPECT_EQ(book->SchemaVersion(), 2);
  const std::vector<Person> people = book->People();
  ASSERT_EQ(people.size(), 1u);
  EXPECT_EQ(people[0].id, asha.id);
  ExpectSamePerson(people[0], asha);
}

TEST_F(BookTest, TwoPeopleOfOneNameAreBothKeptAndToldApartByBirth) {
  auto book = OpenBook(BookPath());
  Person elder = Asha();
  Person younger = Asha();
  younger.birth.year = 2001;
  younger.note = "";
  ASSERT_EQ(Said(book->SavePerson(younger)), "");
  ASSERT_EQ(Said(book->SavePerson(elder)), "");
  const std::vector<Person> people = book->People("asha");
  ASSERT_EQ(people.size(), 2u);
  EXPECT_EQ(people[0].birth.year, 1990);  // by name, then birth date
  EXPECT_EQ(people[1].birth.year, 2001);
  EXPECT_NE(people[0].id, people[1].id);
}

TEST_F(BookTest, SavingWithAnIdReplacesThatEntryAndDeletingRemovesIt) {
  auto book = OpenBook(BookPath());
  Person asha = Asha();
  ASSERT_EQ(Said(book->SavePerson(asha)), "");
  asha.note = "corrected";
  ASSERT_EQ(Said(book->SavePerson(asha)), "");
  ASSERT_EQ(book->People().size(), 1u);
  EXPECT_EQ(book->People()[0].note, "corrected");
  ASSERT_EQ(Said(book->DeletePerson(asha.id)), "");
  EXPECT_TRUE(book->People().empty());
  EXPECT_EQ(Said(book->DeletePerson(asha.id)),
            "no person with id " + std::to_string(asha.id) + " in the book");
}

TEST_F(BookTest, PlacesAreKeptFoundByCityAndReplaced) {
  auto book = OpenBook(BookPath());
  Place london = London();
  Place madras = London();
  madras.place.city = "Chennai";
  ASSERT_EQ(Said(book->SavePlace(london)), "");
  ASSERT_EQ(Said(book->SavePlace(madras)), "");
  ASSERT_EQ(book->Places().size(), 2u);
  EXPECT_EQ(book->Places()[0].place.city, "Chennai");
  ASSERT_EQ(book->Places("LOND").size(), 1u);
  EXPECT_EQ(book->Places("LOND")[0].tz, "Europe/London");
  ASSERT_EQ(Said(book->DeletePlace(madras.id)), "");
  EXPECT_EQ(book->Places().size(), 1u);
  Place missing = London();
  missing.id = 999;
  EXPECT_EQ(Said(book->SavePlace(missing)), "no place with id 999 in the book");
}

TEST_F(BookTest, EntriesThePagesWouldRefuseAreNotKept) {
  struct Row {
    void (*spoil)(Person&);
    std::string message;
  };
  const Row rows[] = {
      {[](Person& p) { p.name = "  "; }, "name: is empty"},
      {[](Person& p) { p.sex = "F"; }, "sex: must be \"Male\" or \"Female\", not \"F\""},
      {[](Person& p) { p.birth.month = 13; }, "birth.month: must be between 1 and 12"},
      {[](Person& p) { p.birth.place.latitudeDegrees = 91; },
       "birth.latitude.degrees: must be between 0 and 90"},
  };
  auto book = OpenBook(BookPath());
  for (const Row& row : rows) {
    Person person = Asha();
    row.spoil(person);
    EXPECT_EQ(Said(book->SavePerson(person)), row.message);
    EXPECT_EQ(person.id, 0);
  }
  EXPECT_TRUE(book->People().empty());
}

}  // namespace
}  // namespace horavela::book

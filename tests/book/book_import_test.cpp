#include <gtest/gtest.h>

#include "book/book.h"
#include "book_samples.h"

namespace horavela::book {
namespace {

using testing::Asha;
using testing::BookTest;
using testing::ImportOrSay;
using testing::London;
using testing::Said;

TEST_F(BookTest, ImportAddsWhatIsNewAndCountsTheDuplicatesItSkips) {
  auto book = OpenBook(BookPath());
  Person asha = Asha();
  Place london = London();
  ASSERT_EQ(Said(book->SavePerson(asha)), "");
  ASSERT_EQ(Said(book->SavePlace(london)), "");

  // The same birth with other captions, tz or note is the same person.
  Person sameAsha = Asha();
  sameAsha.birth.place.zoneHours = 0;
  sameAsha.birth.place.zoneMinutes = 0;
  sameAsha.tz = "";
  sameAsha.note = "another note";
  Person brother = Asha();
  brother.sex = "Male";
  Person laterBirth = Asha();
  laterBirth.birth.minute = 16;
  Place londonOntario = London();
  londonOntario.place.country = "Canada";

  std::string error = "not cleared";
  const ImportCount count =
      ImportOrSay(*book, {sameAsha, brother, laterBirth, brother}, {london, londonOntario}, error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(count.added, 3);    // the brother once, the later birth, the Canadian London
  EXPECT_EQ(count.skipped, 3);  // Asha, the brother's second copy, the British London
  EXPECT_EQ(book->People().size(), 3u);
  EXPECT_EQ(book->Places().size(), 2u);
  EXPECT_EQ(book->People("asha")[0].note, Asha().note);
}

TEST_F(BookTest, AnImportWithOneBadEntryAddsNothingAndNamesIt) {
  auto book = OpenBook(BookPath());
  Person bad = Asha();
  bad.birth.day = 31;
  bad.birth.month = 4;
  Place badPlace = London();
  badPlace.place.longitudeDegrees = 181;
  struct Row {
    std::vector<Person> people;
    std::vector<Place> places;
    std::string error;
  };
  const Row rows[] = {
      {{Asha(), bad}, {London()}, "people[1].birth.day: April 31 1990 does not exist"},
      {{Asha()}, {London(), badPlace}, "places[1].longitude.degrees: must be between 0 and 180"},
  };
  for (const Row& row : rows) {
    std::string error;
    const ImportCount count = ImportOrSay(*book, row.people, row.places, error);
    EXPECT_EQ(error, row.error);
    EXPECT_EQ(count.added + count.skipped, 0);
    EXPECT_TRUE(book->People().empty());
    EXPECT_TRUE(book->Places().empty());
  }
}

}  // namespace
}  // namespace horavela::book

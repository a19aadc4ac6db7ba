// The book's JSON forms: what an export writes reads back as the same book,
// and what is refused is named by its path.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "book/book_json.h"
#include "book/book_samples.h"

namespace horavela::book {
namespace {

using nlohmann::json;
using testing::Asha;
using testing::BookTest;
using testing::ImportOrSay;
using testing::London;
using testing::Said;

// Ravi's birth with typed captions, no zone of the atlas.
Person Ravi() {
  Person ravi = Asha();
  ravi.name = "Ravi";
  ravi.sex = "Male";
  ravi.tz = "";
  ravi.note = "";
  ravi.birth.place.zoneHours = 0;
  ravi.birth.place.zoneMinutes = 0;
  ravi.birth.place.dst = true;
  ravi.birth.place.north = false;
  return ravi;
}

using BookJsonTest = BookTest;

TEST_F(BookJsonTest, AnExportImportedIntoAnotherBookGivesTheSameBook) {
  Place typedZone = London();
  typedZone.tz = "";
  typedZone.place.city = "Greenwich";
  typedZone.place.zoneHours = 0;
  std::string exported;
  {
    auto first = OpenBook((Folder() / "first.sqlite").string());
    Person asha = Asha();
    Person ravi = Ravi();
    Place london = London();
    ASSERT_EQ(Said(first->SavePerson(asha)), "");
    ASSERT_EQ(Said(first->SavePerson(ravi)), "");
    ASSERT_EQ(Said(first->SavePlace(london)), "");
    ASSERT_EQ(Said(first->SavePlace(typedZone)), "");
    exported = BookJson(first->People(), first->Places());
  }
  const Result<BookEntries> parsed = ParseBookJson(exported);
  ASSERT_TRUE(parsed) << ProblemText(parsed.error());
  auto second = OpenBook((Folder() / "second.sqlite").string());
  std::string error;
  const book::ImportCount count = ImportOrSay(*second, parsed->people, parsed->places, error);
  EXPECT_EQ(error, "");
  EXPECT_EQ(count.added, 4);
  EXPECT_EQ(BookJson(second->People(), second->Places()), exported);
  // Asha's Indian Time came back from her zone, not from the text.
  const json asha = json::parse(exported)["people"][0];
  EXPECT_EQ(asha["birth"]["tz"], "Asia/Kolkata");
  EXPECT_FALSE(asha["birth"].contains("zone"));
  EXPECT_EQ(second->People("asha")[0].birth.place.zoneHours, -5);
  EXPECT_EQ(second->People("asha")[0].birth.place.zoneMinutes, -30);
}

TEST(BookJsonForms, ABirthItsZoneCannotGiveBackKeepsItsCaptions) {
  Person repeatedHour = Asha();  // 1:30 on 7 November 2010 in New York came twice
  repeatedHour.tz = "America/New_York";
  repeatedHour.birth = {2010, 11, 7, 1, 30, 0, repeatedHour.birth.place};
  repeatedHour.birth.place.zoneHours = 5;
  repeatedHour.birth.place.zoneMinutes = 0;
  repeatedHour.birth.place.dst = false;
  Person typedOver = Asha();
  typedOver.birth.place.zoneHours = -6;
  typedOver.birth.place.zoneMinutes = 0;
  for (const Person& person : {repeatedHour, typedOver}) {
    const std::string text = BookJson({person}, {});
    const json birth = json::parse(text)["people"][0]["birth"];
    EXPECT_FALSE(birth.contains("tz")) << text;
    EXPECT_EQ(birth["zone"]["hours"], person.birth.place.zoneHours);
    const Result<BookEntries> back = ParseBookJson(text);
    ASSERT_TRUE(back) << ProblemText(back.error());
    EXPECT_EQ(back->people[0].birth.place.zoneHours, person.birth.place.zoneHours);
    EXPECT_EQ(back->people[0].birth.place.dst, person.birth.place.dst);
  }
}

json ValidPerson() {
  return json::parse(BookJson({Ravi()}, {}))["people"][0];
}

std::string BookWith(const std::function<void(json&)>& edit) {
  json book = {{"people", {ValidPerson(), ValidPerson()}},
               {"places", json::parse(BookJson({}, {London()}))["places"]}};
  book["people"][1]["birth"]["year"] = 1999;
  edit(book);
  return book.dump();
}

// The command line names the field by its path; the desktop program says the
// same as a sentence that names the entry.
TEST(BookJsonForms, AFaultyBookIsRefusedNamingTheFieldsPathAndTheEntry) {
  struct Row {
    std::string text;
    std::string error;
    std::string sentence;
  };
  const Row rows[] = {
      {"[]", "request: must be a JSON object, not an array",
       "it must be a JSON object, not an array."},
      {"{\"people\": [",
       "request: not valid JSON at line 1, column 13 (syntax error while parsing "
       "value - unexpected end of input; expected '[', '{', or a literal)",
       "it is not valid JSON at line 1, column 13 (syntax error while parsing "
       "value - unexpected end of input; expected '[', '{', or a literal)."},
      {"{\"subject\": \"Marriage\"}",
       "request: has neither \"people\" nor \"places\", so it is not a book",
       "it has neither \"people\" nor \"places\", so it is not a book."},
      {std::string("{\"people\": []}\0{", 16),
       "request: holds a NUL byte at byte 15; a JSON text has none, so nothing after it would "
       "be read",
       "it holds a NUL byte at byte 15; a JSON text has none, so nothing after it would be "
       "read."},
      {BookWith([](json& b) { b["people"] = json::object(); }),
       "people: must be an array, not an object",
       "the list of people must be an array, not an object."},
      {BookWith([](json& b) { b["places"][0] = 5; }),
       "places[0]: must be an object, not the number 5",
       "Place 1: it must be an object, not the number 5."},
      {BookWith([](json& b) { b["people"][1]["birth"]["month"] = 13; }),
       "people[1].birth.month: must be between 1 and 12",
       "Entry 2 (Ravi): the birth month must be between 1 and 12."},
      {BookWith([](json& b) {
         b["people"][1]["birth"]["day"] = 31;
         b["people"][1]["birth"]["month"] = 4;
       }),
       "people[1].birth.day: April 31 1999 does not exist",
       "Entry 2 (Ravi): April 31 1999 does not exist."},
      {BookWith([](json& b) { b["people"][1]["sex"] = "F"; }),
       "people[1].sex: must be \"Male\" or \"Female\", not \"F\"",
       "Entry 2 (Ravi): the sex must be \"Male\" or \"Female\", not \"F\"."},
      {BookWith([](json& b) { b["people"][0]["name"] = " "; }), "people[0].name: is empty",
       "Entry 1: the name is empty."},
      {BookWith([](json& b) { b["people"][0]["note"] = 5; }),
       "people[0].note: must be a string, not the number 5",
       "Entry 1 (Ravi): the note must be a string, not the number 5."},
      {BookWith([](json& b) { b["people"][0]["note"] = std::string(4001, 'n'); }),
       "people[0].note: is longer than 4000 characters (it has 4001)",
       "Entry 1 (Ravi): the note is longer than 4000 characters (it has 4001)."},
      {BookWith([](json& b) { b["people"][0]["birth"].erase("latitude"); }),
       "people[0].birth.latitude: is missing", "Entry 1 (Ravi): the birth latitude is missing."},
      {BookWith([](json& b) { b["people"][0]["birth"]["zone"]["hours"] = 15; }),
       "people[0].birth.zone.hours: must be between -14 and 14",
       "Entry 1 (Ravi): the birth time zone hours must be between -14 and 14."},
      {BookWith([](json& b) { b["people"][0]["birth"]["tz"] = "Asia/Kolkata"; }),
       "people[0].birth: \"tz\" and \"zone\" and \"dst\" were both given; give either \"tz\" "
       "or \"zone\" with \"dst\"",
       "Entry 1 (Ravi): the birth: \"tz\" and \"zone\" and \"dst\" were both given; give either "
       "\"tz\" or \"zone\" with \"dst\"."},
      {BookWith([](json& b) { b["places"][0]["latitude"]["degrees"] = 91; }),
       "places[0].latitude.degrees: must be between 0 and 90",
       "Place 1 (London): the latitude degrees must be between 0 and 90."},
      {BookWith([](json& b) { b["places"][0]["tz"] = "Mars/Olympus"; }),
       "places[0].tz: unknown time zone \"Mars/Olympus\" (give a tz-database name such as "
       "\"Asia/Kolkata\" or \"America/New_York\")",
       "Place 1 (London): the time zone name: unknown time zone \"Mars/Olympus\" (give a "
       "tz-database name such as \"Asia/Kolkata\" or \"America/New_York\")."},
  };
  for (const Row& row : rows) {
    const Result<BookEntries> parsed = ParseBookJson(row.text);
    ASSERT_FALSE(parsed) << row.text;
    EXPECT_EQ(ProblemText(parsed.error()), row.error) << row.text;
    EXPECT_EQ(BookProblemSentence(parsed.error(), row.text), row.sentence) << row.text;
  }
  EXPECT_TRUE(ParseBookJson(BookWith([](json&) {})));
}

TEST(BookJsonForms, OnePersonIsReadWithPathsFromItsOwnFields) {
  json person = ValidPerson();
  EXPECT_EQ(ParsePersonJson(person.dump())->name, "Ravi");
  person["birth"]["minute"] = 60;
  EXPECT_EQ(ProblemText(ParsePersonJson(person.dump()).error()),
            "birth.minute: must be between 0 and 59");
  person.erase("sex");
  EXPECT_EQ(ProblemText(ParsePersonJson(person.dump()).error()), "sex: is missing");
  EXPECT_FALSE(ParsePersonJson("\"Ravi\"").has_value());
}

TEST(BookJsonForms, ABookMayLeaveOutItsPlacesOrItsPeople) {
  // An object with neither list is not taken for an empty book (see above).
  EXPECT_TRUE(ParseBookJson(R"({"places": []})"));
  const Result<BookEntries> people = ParseBookJson(BookWith([](json& b) { b.erase("places"); }));
  ASSERT_TRUE(people) << ProblemText(people.error());
  EXPECT_EQ(people->people.size(), 2u);
}

}  // namespace
}  // namespace horavela::book

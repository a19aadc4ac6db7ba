// The core's input checks name the field at fault by its path and the rule it
// broke; echoes of user input are quoted, escaped and cut short.

#include "engine/input_check.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

std::string Text(const Result<void>& checked) {
  return checked ? "(none)" : ProblemText(checked.error());
}

TEST(InputCheck, NamesTheFieldAndTheRule) {
  PlaceEntry place;
  place.latitudeDegrees = 90;
  place.latitudeMinutes = 1;
  const Result<void> beyond = CheckPlace(place, "place");
  EXPECT_EQ(Text(beyond), "place.latitude.minutes: must be 0 at 90 degrees");
  EXPECT_EQ(beyond.error().rule, Rule::BeyondLimit);

  EXPECT_EQ(Text(CheckCoordinate(1000000000000LL, 0, 180, "")),
            "degrees: must be between 0 and 180");
  EXPECT_EQ(CheckDateExists(1999, 2, 29, "birth").error().rule, Rule::NoSuchDate);
  EXPECT_EQ(Text(CheckDateTime(2024, 2, 29, 23, 59, "from")), "(none)");

  EvaluationInput input;
  input.sex = "Female";
  input.election.place.zoneMinutes = 60;
  EXPECT_EQ(Text(CheckEvaluationInput(input)), "election.zone.minutes: must be between -59 and 59");
}

struct EchoRow {
  std::string text;
  std::string shown;
};

TEST(InputCheck, EchoesAreEscapedAndCut) {
  const std::string eighty(80, 'a');
  std::string ka80, ka81;  // KA is three bytes in UTF-8
  for (int i = 0; i < 80; ++i) ka80 += "\u0915";
  ka81 = ka80 + "\u0915";
  const EchoRow rows[] = {
      {"Marriage", "\"Marriage\""},
      {std::string("a\0b", 3), "\"a\\u0000b\""},
      {"tab\there\x7f", "\"tab\\u0009here\\u007F\""},
      {"say \"hi\" \\", "\"say \\\"hi\\\" \\\\\""},
      {"\xC2\x85", "\"\\u0085\""},
      {"bad \xFF byte", "\"bad \\xFF byte\""},
      {"\xE0\x80\x80", "\"\\xE0\\x80\\x80\""},  // an overlong form is not a character
      {eighty, "\"" + eighty + "\""},
      {eighty + "b", "\"" + eighty + "...\""},
      {ka80, "\"" + ka80 + "\""},
      {ka81, "\"" + ka80 + "...\""},
      {std::string(10 << 20, '\0'), "\"" +
                                        [] {
                                          std::string shown;
                                          for (int i = 0; i < 80; ++i) shown += "\\u0000";
                                          return shown;
                                        }() +
                                        "...\""},
  };
  for (const EchoRow& row : rows) EXPECT_EQ(messages::Echo(row.text), row.shown) << row.shown;
}

}  // namespace
}  // namespace horavela

// The exact error texts of horavela-cli: every error names the field by its
// JSON path, then says what is wrong, in the same words for evaluate and search.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

std::string Search(const std::function<void(json&)>& edit) {
  json request = SearchRequestJson();
  edit(request);
  return request.dump();
}

// `text` with its first `from` replaced, for numbers no json value can hold.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  return at == std::string::npos ? "test setup: no " + from : text.replace(at, from.size(), to);
}

const std::string kCut(80, 'A');
const std::string kSubjectsHint = " (horavela-cli subjects lists them)";

struct Row {
  const char* what;
  const char* command;
  std::string request;
  std::string error;
};

std::vector<Row> Rows() {
  return {
      // Types and presence.
      {"missing field", "evaluate", EditedRequest([](json& r) { r["election"].erase("year"); }),
       "election.year: is missing"},
      {"number for a text", "evaluate", EditedRequest([](json& r) { r["name"] = 5; }),
       "name: must be a string, not the number 5"},
      {"text for a number", "evaluate", EditedRequest([](json& r) { r["birth"]["year"] = "1990"; }),
       "birth.year: must be a whole number, not a string"},
      {"fraction for a number", "evaluate",
       EditedRequest([](json& r) { r["election"]["latitude"]["degrees"] = 1.5; }),
       "election.latitude.degrees: must be a whole number, not the number 1.5"},
      {"number for a flag", "evaluate",
       EditedRequest([](json& r) { r["birth"]["longitude"]["east"] = 1; }),
       "birth.longitude.east: must be true or false, not the number 1"},
      {"array for an object", "evaluate",
       EditedRequest([](json& r) { r["election"]["latitude"] = json::array(); }),
       "election.latitude: must be an object, not an array"},
      {"beyond 16 bits", "evaluate", EditedRequest([](json& r) { r["birth"]["year"] = 40000; }),
       "birth.year: must be a whole number from -32768 to 32767, not 40000"},
      {"search text for a number", "search", Search([](json& r) { r["from"]["minute"] = 0.5; }),
       "from.minute: must be a whole number, not the number 0.5"},
      {"search missing place", "search", Search([](json& r) { r.erase("place"); }),
       "place: is missing"},
      // Ranges of every moment field.
      {"year", "evaluate", EditedRequest([](json& r) { r["election"]["year"] = 2051; }),
       "election.year: must be between 1901 and 2050"},
      {"month", "evaluate", EditedRequest([](json& r) { r["election"]["month"] = 13; }),
       "election.month: must be between 1 and 12"},
      {"day", "evaluate", EditedRequest([](json& r) { r["birth"]["day"] = 0; }),
       "birth.day: must be between 1 and 31"},
      {"date", "evaluate", EditedRequest([](json& r) {
         r["election"]["month"] = 4;
         r["election"]["day"] = 31;
       }),
       "election.day: April 31 2024 does not exist"},
      {"hour", "evaluate", EditedRequest([](json& r) { r["birth"]["hour"] = 24; }),
       "birth.hour: must be between 0 and 23"},
      {"minute", "evaluate", EditedRequest([](json& r) { r["election"]["minute"] = -1; }),
       "election.minute: must be between 0 and 59"},
      {"second", "evaluate", EditedRequest([](json& r) { r["election"]["second"] = 60; }),
       "election.second: must be between 0 and 59"},
      {"search from year", "search", Search([](json& r) { r["from"]["year"] = 1900; }),
       "from.year: must be between 1901 and 2050"},
      {"search to month", "search", Search([](json& r) { r["to"]["month"] = 13; }),
       "to.month: must be between 1 and 12"},
      {"search to date", "search", Search([](json& r) {
         r["to"]["month"] = 2;
         r["to"]["day"] = 30;
       }),
       "to.day: February 30 2024 does not exist"},
      {"search from hour", "search", Search([](json& r) { r["from"]["hour"] = 24; }),
       "from.hour: must be between 0 and 23"},
      {"search to minute", "search", Search([](json& r) { r["to"]["minute"] = 60; }),
       "to.minute: must be between 0 and 59"},
      {"search range backwards", "search", Search([](json& r) { r["to"]["day"] = 20; }),
       "to: the range ends before it begins"},
      {"search range too long", "search", Search([](json& r) { r["to"]["year"] = 2040; }),
       "to: the range may be at most 10 years long"},
      // Ranges of every place field.
      {"latitude degrees", "evaluate",
       EditedRequest([](json& r) { r["election"]["latitude"]["degrees"] = 91; }),
       "election.latitude.degrees: must be between 0 and 90"},
      {"latitude minutes", "evaluate",
       EditedRequest([](json& r) { r["birth"]["latitude"]["minutes"] = 60; }),
       "birth.latitude.minutes: must be between 0 and 59"},
      {"past the pole", "evaluate", EditedRequest([](json& r) {
         r["birth"]["latitude"]["degrees"] = 90;
         r["birth"]["latitude"]["minutes"] = 1;
       }),
       "birth.latitude.minutes: must be 0 at 90 degrees"},
      {"longitude degrees", "evaluate",
       EditedRequest([](json& r) { r["election"]["longitude"]["degrees"] = -3; }),
       "election.longitude.degrees: must be between 0 and 180"},
      {"longitude minutes", "evaluate",
       EditedRequest([](json& r) { r["election"]["longitude"]["minutes"] = 60; }),
       "election.longitude.minutes: must be between 0 and 59"},
      {"past 180", "evaluate", EditedRequest([](json& r) {
         r["election"]["longitude"]["degrees"] = 180;
         r["election"]["longitude"]["minutes"] = 30;
       }),
       "election.longitude.minutes: must be 0 at 180 degrees"},
      {"zone hours", "evaluate", EditedRequest([](json& r) { r["birth"]["zone"]["hours"] = -15; }),
       "birth.zone.hours: must be between -14 and 14"},
      {"zone minutes", "evaluate",
       EditedRequest([](json& r) { r["birth"]["zone"]["minutes"] = -60; }),
       "birth.zone.minutes: must be between -59 and 59"},
      {"zone signs", "evaluate", EditedRequest([](json& r) { r["birth"]["zone"]["minutes"] = 30; }),
       "birth.zone: hours -5 and minutes 30 must have the same sign (Indian Time is -5 and -30, "
       "west positive)"},
      {"search place latitude", "search",
       Search([](json& r) { r["place"]["latitude"]["degrees"] = 91; }),
       "place.latitude.degrees: must be between 0 and 90"},
      {"search place latitude minutes", "search",
       Search([](json& r) { r["place"]["latitude"]["minutes"] = 60; }),
       "place.latitude.minutes: must be between 0 and 59"},
      {"search place longitude", "search",
       Search([](json& r) { r["place"]["longitude"]["degrees"] = 181; }),
       "place.longitude.degrees: must be between 0 and 180"},
      {"search place zone hours", "search",
       Search([](json& r) { r["place"]["zone"]["hours"] = 15; }),
       "place.zone.hours: must be between -14 and 14"},
      {"search place zone minutes", "search",
       Search([](json& r) { r["place"]["zone"]["minutes"] = 60; }),
       "place.zone.minutes: must be between -59 and 59"},
      {"search birth latitude", "search",
       Search([](json& r) { r["birth"]["latitude"]["degrees"] = 91; }),
       "birth.latitude.degrees: must be between 0 and 90"},
      // Texts that must be one of a list.
      {"unknown subject", "evaluate", EditedRequest([](json& r) { r["subject"] = "Foo"; }),
       "subject: unknown subject \"Foo\"" + kSubjectsHint},
      {"search unknown subject", "search", Search([](json& r) { r["subject"] = "Foo"; }),
       "subject: unknown subject \"Foo\"" + kSubjectsHint},
      {"unknown sex", "evaluate", EditedRequest([](json& r) { r["sex"] = "Other"; }),
       "sex: must be \"Male\" or \"Female\", not \"Other\""},
      {"search unknown sex", "search", Search([](json& r) { r["sex"] = "female"; }),
       "sex: must be \"Male\" or \"Female\", not \"female\""},
      {"bad min_result", "search", Search([](json& r) { r["min_result"] = "Great"; }),
       "min_result: must be \"Good\", \"Average\" or \"Bad\", not \"Great\""},
      {"unknown weekday", "evaluate",
       EditedRequest([](json& r) { r["election"]["weekday"] = "Funday"; }),
       "election.weekday: must be a weekday from \"Sunday\" to \"Saturday\", not \"Funday\""},
      // Echoes of the request: escaped, and cut at 80 characters.
      {"NUL in a string", "evaluate",
       EditedRequest([](json& r) { r["subject"] = std::string("Foo\0bar", 7); }),
       "subject: unknown subject \"Foo\\u0000bar\"" + kSubjectsHint},
      {"search NUL in a string", "search",
       Search([](json& r) { r["min_result"] = std::string("Go\0od\n", 6); }),
       "min_result: must be \"Good\", \"Average\" or \"Bad\", not \"Go\\u0000od\\u000A\""},
      {"quotes in a string", "evaluate", EditedRequest([](json& r) { r["sex"] = "\"M\\"; }),
       "sex: must be \"Male\" or \"Female\", not \"\\\"M\\\\\""},
      {"huge subject", "evaluate",
       EditedRequest([](json& r) { r["subject"] = std::string(1000000, 'A'); }),
       "subject: unknown subject \"" + kCut + "...\"" + kSubjectsHint},
      {"search huge subject", "search",
       Search([](json& r) { r["subject"] = std::string(1000000, 'A'); }),
       "subject: unknown subject \"" + kCut + "...\"" + kSubjectsHint},
      // Beyond 1 MiB the request is refused before it is read as JSON.
      {"request beyond 1 MiB", "evaluate",
       EditedRequest([](json& r) { r["subject"] = std::string(10 << 20, 'A'); }),
       "request: larger than 1 MiB"},
      {"cut between characters", "evaluate", EditedRequest([](json& r) {
         std::string devanagari;
         for (int i = 0; i < 100; ++i) devanagari += "\u0915";
         r["sex"] = devanagari;
       }),
       [] {
         std::string shown;
         for (int i = 0; i < 80; ++i) shown += "\u0915";
         return "sex: must be \"Male\" or \"Female\", not \"" + shown + "...\"";
       }()},
      {"huge tz name", "evaluate", EditedRequest([](json& r) {
         r["birth"].erase("zone");
         r["birth"].erase("dst");
         r["birth"]["tz"] = std::string(100000, 'A');
       }),
       "birth.tz: unknown time zone \"" + kCut +
           "...\" (give a tz-database name such as \"Asia/Kolkata\" or \"America/New_York\")"},
      // Requests that are not JSON objects at all.
      {"100,000-digit number", "evaluate",
       Replaced(ValidRequest().dump(), "\"year\":1990", "\"year\":-" + std::string(100000, '9')),
       "request: not valid JSON: a number is too large to read"},
      {"search 100,000-digit number", "search",
       Replaced(SearchRequestJson().dump(), "\"year\":2024",
                "\"year\":" + std::string(100000, '1')),
       "request: not valid JSON: a number is too large to read"},
      {"truncated", "evaluate", "{\"subject\": 1",
       "request: not valid JSON at line 1, column 14 (syntax error while parsing object - "
       "unexpected end of input; expected '}')"},
      {"garbage on line 2", "search", "{\n x",
       "request: not valid JSON at line 2, column 2 (syntax error while parsing object key - "
       "invalid literal)"},
      {"not an object", "evaluate", "[1, 2]", "request: must be a JSON object, not an array"},
      {"search not an object", "search", "\"Marriage\"",
       "request: must be a JSON object, not a string"},
  };
}

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.what;
}

class ErrorTextTest : public ::testing::TestWithParam<Row> {};

TEST_P(ErrorTextTest, ReadsExactly) {
  const Row& row = GetParam();
  const CliRun run = RunCli(row.command, row.request);
  EXPECT_EQ(run.status, 2) << run.out << run.err;
  const json response = json::parse(run.out, nullptr, false);
  ASSERT_TRUE(response.is_object() && response.size() == 1 && response.contains("error"))
      << run.out.substr(0, 400);
  EXPECT_EQ(response["error"], row.error);
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  std::string name;
  for (const char* c = info.param.what; *c != '\0'; ++c)
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Requests, ErrorTextTest, ::testing::ValuesIn(Rows()), RowName);

}  // namespace
}  // namespace horavela::testing_cli

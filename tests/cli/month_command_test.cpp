// `horavela-cli month`: a cell per day, and the mistakes a person can type.
#include <gtest/gtest.h>

#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

TEST(MonthCommandTest, OneEntryPerDayWithTheDaysVetoes) {
  const CliRun run = RunCli("month --year 2026 --month 1 --place 'New Delhi'");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const json answer = json::parse(run.out);
  EXPECT_EQ(answer["place"]["name"], "New Delhi");
  ASSERT_EQ(answer["days"].size(), 31u);
  const json& first = answer["days"][0];
  EXPECT_EQ(first["date"], "2026-01-01");
  EXPECT_EQ(first["weekday"], "Thursday");
  for (const char* key : {"sunrise", "sunset"}) EXPECT_TRUE(first[key].is_string()) << key;
  for (const char* key : {"tithi", "nakshatra"}) EXPECT_TRUE(first[key]["name"].is_string());
  EXPECT_TRUE(first["rahu_kalam"]["from"].is_string());
  const auto hasKharmas = [&](int day) {
    for (const json& key : answer["days"][day - 1]["vetoes"])
      if (key == "kharmas") return true;
    return false;
  };
  EXPECT_TRUE(hasKharmas(14));
  EXPECT_FALSE(hasKharmas(15));
  EXPECT_EQ(answer["vetoes"][1]["veto"], "kharmas");
}

TEST(MonthCommandTest, TextIsALinePerDay) {
  const CliRun run = RunCli("month --year 2026 --month 2 --place Madurai --text");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out.rfind("Month 2026-02 at Madurai", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\n28 Sat  "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("\n29 "), std::string::npos) << run.out;
}

TEST(MonthCommandTest, BadInputIsABadRequest) {
  const struct {
    const char* arguments;
    const char* says;
  } rows[] = {
      {"month --year 2026 --month 13 --place 'New Delhi'", "--month: must be between 1 and 12"},
      {"month --year 2026 --month 0 --place 'New Delhi'", "--month"},
      {"month --year 1900 --month 1 --place 'New Delhi'", "--year: must be between 1901 and 2050"},
      {"month --year 2051 --month 12 --place 'New Delhi'", "--year"},
      {"month --year 2026 --month 1 --place Atlantisville", "no city of the atlas"},
      {"month --year 2026 --month 1 --place ' '", "--place: is empty"},
  };
  for (const auto& row : rows) {
    const CliRun run = RunCli(row.arguments);
    EXPECT_EQ(run.status, 2) << row.arguments;
    EXPECT_NE(run.out.find(row.says), std::string::npos) << row.arguments << "\n" << run.out;
  }
  EXPECT_EQ(RunCli("month --year 2026 --place Madurai").status, 2);  // no --month
}

// A person of the book: their chandrashtama on each day, and with a
// subject each day's best window; a name the book does not hold, or a
// subject without a person, is a bad request.
TEST(MonthCommandTest, APersonOfTheBookMarksTheirDays) {
  const std::string book = ShellQuote((Scratch().path() / "month-book.sqlite").string());
  json asha = ValidRequest()["birth"];
  const json person = {{"name", "Asha"}, {"sex", "Female"}, {"birth", asha}, {"note", ""}};
  ASSERT_EQ(RunCli("book --book " + book + " add", person.dump()).status, 0);
  const std::string month = "month --year 2025 --month 2 --place 'New Delhi' --book " + book;
  const CliRun run = RunCli(month + " --person Asha --subject Marriage");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const json answer = json::parse(run.out);
  EXPECT_EQ(answer["person"], "Asha");
  int marked = 0;
  for (const json& day : answer["days"]) {
    ASSERT_TRUE(day["chandrashtama"].is_array()) << day;
    marked += day["chandrashtama"].empty() ? 0 : 1;
    EXPECT_TRUE(day.contains("best")) << day;
  }
  EXPECT_GE(marked, 3);
  EXPECT_LE(marked, 8);  // once or twice in a month, three or four days each
  EXPECT_FALSE(json::parse(RunCli(month).out)["days"][0].contains("chandrashtama"));
  const struct {
    const char* arguments;
    const char* says;
  } rows[] = {
      {" --person Ravi", "--person: no one in the book is called"},
      {" --subject Marriage", "--subject"},
      {" --person Asha --subject Juggling", "--subject"},
  };
  for (const auto& row : rows) {
    const CliRun refused = RunCli(month + row.arguments);
    EXPECT_EQ(refused.status, 2) << row.arguments << refused.out;
    EXPECT_NE(refused.out.find(row.says), std::string::npos) << refused.out;
  }
}

}  // namespace
}  // namespace horavela::testing_cli

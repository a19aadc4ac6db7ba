// `horavela-cli book`: a session of add, list, export and import on books of
// the test's own, and the requests and books it refuses.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

const char kRavi[] = R"({"name": "Ravi", "sex": "Male",
  "birth": {"year": 1975, "month": 3, "day": 14, "hour": 23, "minute": 5,
            "latitude": {"degrees": 13, "minutes": 5, "north": true},
            "longitude": {"degrees": 80, "minutes": 17, "east": true},
            "tz": "Asia/Kolkata", "city": "Chennai", "country": "India"},
  "note": "from his mother's horoscope"})";

// A folder of its own for each test, inside the runner's scratch folder.
fs::path Folder(const std::string& name) {
  const fs::path folder = Scratch().path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

json Answer(const CliRun& run) {
  return json::parse(run.out, nullptr, false);
}

TEST(BookCommandTest, AddListExportAndImportTwice) {
  const fs::path folder = Folder("session");
  const std::string book = ShellQuote((folder / "book.sqlite").string());
  WriteText(folder / "ravi.json", kRavi);

  CliRun run =
      RunCli("book add " + ShellQuote((folder / "ravi.json").string()) + " --book " + book);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(Answer(run), json::parse(R"({"added": 1, "skipped": 0})"));
  run = RunCli("book --book " + book + " add", kRavi);  // the same birth again, on standard input
  EXPECT_EQ(Answer(run), json::parse(R"({"added": 0, "skipped": 1})"));

  const CliRun list = RunCli("book list --book " + book);
  ASSERT_EQ(list.status, 0) << list.out;
  const json listed = Answer(list);
  ASSERT_EQ(listed["people"].size(), 1u);
  EXPECT_EQ(listed["people"][0]["note"], "from his mother's horoscope");
  EXPECT_EQ(listed["people"][0]["birth"]["tz"], "Asia/Kolkata");
  EXPECT_EQ(listed["places"], json::array());

  const std::string exported = ShellQuote((folder / "export.json").string());
  run = RunCli("book export " + exported + " --book " + book);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Answer(run), json::parse(R"({"people": 1, "places": 0})"));
  EXPECT_EQ(ReadFile(folder / "export.json"), list.out);
  EXPECT_EQ(RunCli("book export --book " + book).out, list.out);

  const std::string other = ShellQuote((folder / "other.sqlite").string());
  run = RunCli("book import " + exported + " --book " + other);
  EXPECT_EQ(Answer(run), json::parse(R"({"added": 1, "skipped": 0})"));
  run = RunCli("book import " + exported + " --book " + other);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Answer(run), json::parse(R"({"added": 0, "skipped": 1})"));
  EXPECT_EQ(RunCli("book list --book " + other).out, list.out);
}

TEST(BookCommandTest, RequestsThatAreNotValidAreRefusedAndNoBookIsMade) {
  const fs::path folder = Folder("refused");
  const fs::path book = folder / "book.sqlite";
  WriteText(folder / "not-json.json", "{\"people\": [");
  json badMonth = json::parse(kRavi);
  badMonth["birth"]["month"] = 13;
  WriteText(folder / "bad-month.json", json({{"people", {json::parse(kRavi), badMonth}}}).dump());
  struct Row {
    std::string arguments;
    std::string input;
    int status;
    std::string error;
  };
  const Row rows[] = {
      {"add", "{\"name\": \"Ravi\"", 2,
       "request: not valid JSON at line 1, column 16 (syntax error while parsing object - "
       "unexpected end of input; expected '}')"},
      {"add", R"({"name": "Ravi", "sex": "Male"})", 2, "birth: is missing"},
      {"import " + ShellQuote((folder / "not-json.json").string()), "", 2,
       "request: not valid JSON at line 1, column 13 (syntax error while parsing value - "
       "unexpected end of input; expected '[', '{', or a literal)"},
      {"import " + ShellQuote((folder / "bad-month.json").string()), "", 2,
       "people[1].birth.month: must be between 1 and 12"},
      {"import " + ShellQuote((folder / "missing.json").string()), "", 1,
       "request: cannot read " + (folder / "missing.json").string() +
           ": No such file or directory"},
      {"add", std::string(1048577, ' '), 2, "request: larger than 1 MiB"},
  };
  for (const Row& row : rows) {
    const CliRun run =
        RunCli("book " + row.arguments + " --book " + ShellQuote(book.string()), row.input);
    EXPECT_EQ(run.status, row.status) << row.arguments;
    EXPECT_EQ(Answer(run), json({{"error", row.error}})) << run.out;
    EXPECT_FALSE(fs::exists(book)) << row.arguments;
  }
  EXPECT_EQ(RunCli("book import --book " + ShellQuote(book.string())).status, 2);
}

TEST(BookCommandTest, ABookThatCannotBeOpenedOrWrittenIsSaid) {
  const fs::path folder = Folder("unopened");
  WriteText(folder / "plain-file", "not a folder");
  const fs::path book = folder / "plain-file" / "book.sqlite";
  CliRun run = RunCli("book list --book " + ShellQuote(book.string()));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Answer(run)["error"], "--book: the book " + book.string() +
                                      " cannot be opened: the folder " +
                                      (folder / "plain-file").string() + " cannot be made");

  const std::string good = ShellQuote((folder / "book.sqlite").string());
  run = RunCli("book export " + ShellQuote(folder.string()) + " --book " + good);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Answer(run)["error"].get<std::string>().rfind("export: the book was not written: ", 0),
            0u)
      << run.out;
}

TEST(BookCommandTest, ADamagedBookIsSetAsideWithANoticeAndTheCommandGoesOn) {
  const fs::path folder = Folder("damaged");
  WriteText(folder / "book.sqlite", std::string(2048, '#'));
  const CliRun run =
      RunCli("book add --book " + ShellQuote((folder / "book.sqlite").string()), kRavi);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Answer(run), json::parse(R"({"added": 1, "skipped": 0})"));
  EXPECT_EQ(run.err.rfind("horavela-cli: The book " + (folder / "book.sqlite").string() +
                              " could not be read (it is not an SQLite database); it was kept as " +
                              (folder / "book.sqlite").string() + ".damaged-",
                          0),
            0u)
      << run.err;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) files += entry.is_regular_file();
  EXPECT_EQ(files, 2);
}

TEST(BookCommandTest, WithoutBookTheDesktopProgramsBookIsUsed) {
  const fs::path folder = Folder("data-home");
  ASSERT_EQ(setenv("XDG_DATA_HOME", folder.c_str(), 1), 0);
  const CliRun run = RunCli("book add", kRavi);
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(fs::is_regular_file(folder / "Horavela" / "book.sqlite"));
}

}  // namespace
}  // namespace horavela::testing_cli

namespace horavela::testing_cli {
namespace {

// Ten thousand people, each with a birth of their own: an export of about
// 7 MB, far past the 1 MiB of a request.
std::string ManyPeople(int count) {
  json people = json::array();
  for (int i = 0; i < count; ++i) {
    json person = json::parse(kRavi);
    person["name"] = "Person " + std::to_string(i);
    person["birth"]["year"] = 1901 + i % 150;
    person["birth"]["minute"] = i % 60;
    people.push_back(person);
  }
  return json({{"people", people}, {"places", json::array()}}).dump();
}

TEST(BookCommandTest, AnExportOfTenThousandPeopleImportsWhole) {
  constexpr int kPeople = 10000;
  const fs::path folder = Folder("ten-thousand");
  WriteText(folder / "people.json", ManyPeople(kPeople));
  const std::string first = ShellQuote((folder / "first.sqlite").string());
  CliRun run =
      RunCli("book import " + ShellQuote((folder / "people.json").string()) + " --book " + first);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Answer(run), json({{"added", kPeople}, {"skipped", 0}}));

  const std::string exported = ShellQuote((folder / "export.json").string());
  run = RunCli("book export " + exported + " --book " + first);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_GT(fs::file_size(folder / "export.json"), 1048576u);
  run = RunCli("book import " + exported + " --book " +
               ShellQuote((folder / "second.sqlite").string()));
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Answer(run), json({{"added", kPeople}, {"skipped", 0}}));
  run = RunCli("book import " + exported + " --book " + first);
  EXPECT_EQ(Answer(run), json({{"added", 0}, {"skipped", kPeople}}));
}

}  // namespace
}  // namespace horavela::testing_cli

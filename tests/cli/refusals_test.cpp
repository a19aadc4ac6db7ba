// What horavela-cli refuses rather than do something unasked: empty file
// names, two outputs naming one file, objects that are not books, texts past
// their length, a NUL inside a request, a folder on standard input.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;
namespace fs = std::filesystem;

const char kPerson[] = R"({"name": "Ravi", "sex": "Male",
  "birth": {"year": 1975, "month": 3, "day": 14, "hour": 23, "minute": 5,
            "latitude": {"degrees": 13, "minutes": 5, "north": true},
            "longitude": {"degrees": 80, "minutes": 17, "east": true},
            "tz": "Asia/Kolkata", "city": "Chennai", "country": "India"}})";

// An empty folder of the test's own.
fs::path EmptyFolder(const std::string& name) {
  const fs::path folder = Scratch().path() / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// `text` with each "F/" standing for the folder.
std::string InFolder(std::string text, const fs::path& folder) {
  // Search on after each replacement: a temporary folder's own name may end in "F".
  const std::string replacement = folder.string() + "/";
  for (std::size_t at = 0; (at = text.find("F/", at)) != std::string::npos;
       at += replacement.size())
    text.replace(at, 2, replacement);
  return text;
}

struct Refusal {
  const char* arguments;  // "F/" is the test's empty folder
  std::string input;
  const char* error;
};

TEST(RefusalTest, EmptyOrSharedFileNamesAndBooksOfNothingAreRefusedWritingNothing) {
  const std::string search = SearchRequestJson().dump();
  const std::string evaluate = ValidRequest().dump();
  const Refusal rows[] = {
      {"book --book '' list", "", "--book: the file name is empty"},
      {"book --book '' add", kPerson, "--book: the file name is empty"},
      {"book --book F/b.sqlite export ''", "", "FILE: the file name is empty"},
      {"evaluate --rtf ''", evaluate, "--rtf: the file name is empty"},
      {"evaluate ''", evaluate, "FILE: the file name is empty"},
      {"search --ics ''", search, "--ics: the file name is empty"},
      {"search --csv F/x --ics F/x", search,
       "--csv, --ics: both name the file \"F/x\"; give each its own file"},
      {"search --csv F/x --ics F/./x", search,
       "--csv, --ics: both name the file \"F/x\"; give each its own file"},
      {"evaluate --rtf F/r --html F/r", evaluate,
       "--rtf, --html: both name the file \"F/r\"; give each its own file"},
      {"book --book F/b.sqlite export F/b.sqlite", "",
       "--book, FILE: both name the file \"F/b.sqlite\"; give each its own file"},
      {"book --book F/b.sqlite import /dev/stdin", "{}",
       "request: has neither \"people\" nor \"places\", so it is not a book"},
      {"book --book F/b.sqlite import /dev/stdin", evaluate,
       "request: has neither \"people\" nor \"places\", so it is not a book"},
  };
  const fs::path folder = EmptyFolder("refused");
  // Where the desktop program's book would be, should --book '' reach it.
  const fs::path home = EmptyFolder("home");
  ::setenv("HOME", home.c_str(), 1);
  ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
  for (const Refusal& row : rows) {
    const std::string arguments = InFolder(row.arguments, folder);
    const CliRun run = RunCli(arguments, row.input);
    EXPECT_EQ(run.status, 2) << arguments << run.out << run.err;
    EXPECT_EQ(json::parse(run.out, nullptr, false), json({{"error", InFolder(row.error, folder)}}))
        << arguments;
    EXPECT_TRUE(fs::is_empty(folder)) << arguments;
    EXPECT_TRUE(fs::is_empty(home)) << arguments;
  }
}

// One text field at its longest and one character past it, in the command
// that carries it. Characters, not bytes: "é" is two bytes.
struct LengthRow {
  const char* command;
  const char* path;  // the field, as the error names it
  std::size_t limit;
};

json WithText(const LengthRow& row, const std::string& text) {
  const std::string path = row.path;
  if (std::string(row.command) == "book add") {
    json person = json::parse(kPerson);
    if (path == "note" || path == "name")
      person[path] = text;
    else
      person["birth"][path.substr(path.find('.') + 1)] = text;
    return person;
  }
  json request = std::string(row.command) == "search" ? SearchRequestJson() : ValidRequest();
  const std::size_t dot = path.find('.');
  if (dot == std::string::npos)
    request[path] = text;
  else
    request[path.substr(0, dot)][path.substr(dot + 1)] = text;
  return request;
}

std::string Repeated(const std::string& character, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += character;
  return text;
}

TEST(RefusalTest, TextsAreTakenUpToTheirLimitAndRefusedPastIt) {
  const LengthRow rows[] = {
      {"evaluate", "name", 200},           {"evaluate", "election.city", 200},
      {"evaluate", "election.state", 200}, {"evaluate", "birth.country", 200},
      {"search", "place.city", 200},       {"search", "name", 200},
      {"book add", "name", 200},           {"book add", "note", 4000},
      {"book add", "birth.city", 200},
  };
  const fs::path folder = EmptyFolder("lengths");
  int books = 0;
  for (const LengthRow& row : rows) {
    const std::string command =
        std::string(row.command) == "book add"
            ? "book --book " +
                  ShellQuote((folder / (std::to_string(++books) + ".sqlite")).string()) + " add"
            : row.command;
    const CliRun longest = RunCli(command, WithText(row, Repeated("é", row.limit)).dump());
    EXPECT_EQ(longest.status, 0) << row.command << " " << row.path << longest.out.substr(0, 300);
    const CliRun past = RunCli(command, WithText(row, Repeated("é", row.limit + 1)).dump());
    EXPECT_EQ(past.status, 2) << row.command << " " << row.path;
    const std::string error = std::string(row.path) + ": is longer than " +
                              std::to_string(row.limit) + " characters (it has " +
                              std::to_string(row.limit + 1) + ")";
    EXPECT_NE(past.out.find(error), std::string::npos) << row.command << past.out.substr(0, 300);
  }
}

TEST(RefusalTest, ANulByteEndsTheRequestWithARefusal) {
  const std::string text = ValidRequest().dump() + std::string(1, '\0') + "{\"trailing\": 1}";
  const CliRun run = RunCli("evaluate", text);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(json::parse(run.out, nullptr, false)["error"],
            "request: holds a NUL byte at byte " +
                std::to_string(ValidRequest().dump().size() + 1) +
                "; a JSON text has none, so nothing after it would be read");
}

TEST(RefusalTest, AFolderOnStandardInputIsAReadError) {
  for (const char* command : {"evaluate", "evaluate --batch", "search", "day"}) {
    const fs::path out = Scratch().path() / "folder-in.out";
    const std::string line = ShellQuote(HORAVELA_CLI_PATH) + " " + command + " < / > " +
                             ShellQuote(out.string()) + " 2>/dev/null";
    const int raw = std::system(line.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 1) << command;
    EXPECT_EQ(json::parse(ReadFile(out), nullptr, false)["error"],
              "request: cannot read standard input: it is a folder")
        << command;
  }
}

}  // namespace
}  // namespace horavela::testing_cli

// What keeps horavela-cli bounded: requests and batch lines over 1 MiB are
// refused unread, output that cannot be written is an error, and a search
// lists at most max_windows windows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

constexpr std::size_t kLimit = 1048576;
const json kTooLarge = {{"error", "request: larger than 1 MiB"}};

// One day of marriages in London, every window listed.
json SearchOneDay() {
  return SearchRequestJson("Marriage", "Bad");
}

// The request's text padded with spaces to `size` bytes.
std::string Padded(const json& request, std::size_t size) {
  std::string text = request.dump();
  text.resize(size, ' ');
  return text;
}

json Parsed(const std::string& text) {
  return json::parse(text, nullptr, false);
}

struct SizeCase {
  const char* what;
  std::string arguments;
  std::string input;
  int status;
  bool refused;
};

TEST(RequestSizeTest, RequestsOverOneMebibyteAreRefused) {
  const SizeCase rows[] = {
      {"evaluate, endless file", "evaluate /dev/zero", "", 2, true},
      {"search, endless file", "search /dev/zero", "", 2, true},
      {"evaluate, one byte over", "evaluate", Padded(ValidRequest(), kLimit + 1), 2, true},
      {"search, one byte over", "search", Padded(SearchOneDay(), kLimit + 1), 2, true},
      {"evaluate, at the limit", "evaluate", Padded(ValidRequest(), kLimit), 0, false},
  };
  for (const SizeCase& row : rows) {
    const CliRun run = RunCli(row.arguments, row.input);
    EXPECT_EQ(run.status, row.status) << row.what << run.err;
    const json response = Parsed(run.out);
    ASSERT_TRUE(response.is_object()) << row.what << run.out;
    if (row.refused) {
      EXPECT_EQ(response, kTooLarge) << row.what;
    } else {
      EXPECT_FALSE(response.contains("error")) << row.what << run.out;
    }
  }
}

TEST(RequestSizeTest, BatchAnswersAnOverlongLineAndGoesOn) {
  const std::string valid = ValidRequest().dump();
  const std::string input = valid + "\n" + std::string(2 * kLimit, 'x') + "\n" +
                            Padded(ValidRequest(), kLimit) + "\r\n" + std::string(kLimit + 1, 'x') +
                            "\n" + valid + "\n";
  const CliRun run = RunCli("evaluate --batch", input);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  for (std::size_t i : {1u, 3u}) EXPECT_EQ(Parsed(lines[i]), kTooLarge) << i;
  for (std::size_t i : {0u, 2u, 4u}) EXPECT_FALSE(Parsed(lines[i]).contains("error")) << i;
}

// An endless line is answered at once; the rest of it is not read for ever.
TEST(RequestSizeTest, BatchStopsOnAnEndlessLine) {
  const CliRun run = RunCli("evaluate --batch /dev/zero");
  EXPECT_EQ(run.status, 2);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 1u) << run.out;
  EXPECT_EQ(Parsed(lines[0]), kTooLarge);
  EXPECT_EQ(run.err,
            "horavela-cli: a line of the batch runs on past 64 MiB without a line break; the "
            "rest of the input is not read\n");
}

// Runs the tool with its standard output on a full device.
CliRun RunCliIntoFullDevice(const std::string& arguments, const std::string& input) {
  const auto dir = Scratch().path();
  {
    std::ofstream file(dir / "stdin", std::ios::binary | std::ios::trunc);
    file << input;
  }
  const std::string command = ShellQuote(HORAVELA_CLI_PATH) + " " + arguments + " < " +
                              ShellQuote((dir / "stdin").string()) + " > /dev/full 2> " +
                              ShellQuote((dir / "stderr").string());
  const int raw = std::system(command.c_str());
  CliRun run;
  if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  run.err = ReadFile(dir / "stderr");
  return run;
}

TEST(OutputTest, OutputThatCannotBeWrittenIsAFailure) {
  const std::pair<const char*, std::string> rows[] = {
      {"subjects", ""},
      {"zones", ""},
      {"places Lon", ""},
      {"places ''", ""},
      {"evaluate", ValidRequest().dump()},
      {"evaluate", "{}"},
      {"evaluate --batch", ValidRequest().dump() + "\n{}\n"},
      {"search", SearchOneDay().dump()},
      {"search", "{}"},
  };
  for (const auto& [arguments, input] : rows) {
    const CliRun run = RunCliIntoFullDevice(arguments, input);
    EXPECT_EQ(run.status, 1) << arguments << " " << input;
    EXPECT_EQ(run.err, "horavela-cli: the output could not be written\n") << arguments;
  }
}

json Search(const json& request) {
  const CliRun run = RunCli("search", request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  return Parsed(run.out);
}

TEST(MaxWindowsTest, ListingStopsAtTheLimit) {
  const json all = Search(SearchOneDay());
  EXPECT_EQ(all["truncated"], false);
  const std::size_t count = all["windows"].size();
  ASSERT_GT(count, 3u);
  const std::pair<std::size_t, bool> rows[] = {{1, true}, {3, true}, {count, false}};
  for (const auto& [limit, truncated] : rows) {
    json request = SearchOneDay();
    request["max_windows"] = limit;
    const json limited = Search(request);
    const json& windows = limited["windows"];
    ASSERT_EQ(windows.size(), limit);
    EXPECT_EQ(limited["truncated"], truncated) << limit;
    for (std::size_t i = 0; i < limit; ++i) EXPECT_EQ(windows[i], all["windows"][i]) << limit;
    for (const json& best : limited["best"]) EXPECT_LT(best.get<std::size_t>(), limit);
    EXPECT_EQ(limited["minutes_scanned"], all["minutes_scanned"]);
  }
}

TEST(MaxWindowsTest, BadLimitsAreRequestErrors) {
  const json values[] = {0, -1, 2.5, "10", true, nullptr, json::array({5})};
  for (const json& value : values) {
    json request = SearchOneDay();
    request["max_windows"] = value;
    const CliRun run = RunCli("search", request.dump());
    EXPECT_EQ(run.status, 2) << value;
    EXPECT_EQ(Parsed(run.out),
              json({{"error", "max_windows: must be a whole number of at least 1"}}))
        << value;
  }
}

}  // namespace
}  // namespace horavela::testing_cli

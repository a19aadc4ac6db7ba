#pragma once

// Runs the built horavela-cli as a child process with a given standard input
// and collects its exit status and output.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace horavela::testing_cli {

struct CliRun {
  int status = -1;  // exit status; 128 + signal number when the tool died of a signal
  std::string out;
  std::string err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

// A folder of its own per test process, removed at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "horavela-cli-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    path_ = mkdtemp(buffer.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline const ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

// `arguments` are passed through the shell as they stand (quote them).
inline CliRun RunCli(const std::string& arguments, const std::string& input = {}) {
  const auto dir = Scratch().path();
  const auto in = dir / "stdin";
  const auto out = dir / "stdout";
  const auto err = dir / "stderr";
  {
    std::ofstream file(in, std::ios::binary | std::ios::trunc);
    file << input;
  }
  const std::string command = ShellQuote(HORAVELA_CLI_PATH) + " " + arguments + " < " +
                              ShellQuote(in.string()) + " > " + ShellQuote(out.string()) + " 2> " +
                              ShellQuote(err.string());
  const int raw = std::system(command.c_str());
  CliRun run;
  if (raw != -1 && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  return run;
}

// Splits the tool's output into lines, without the line breaks.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A valid request: a marriage elected for midsummer morning 2024 in London,
// for a person born in New Delhi on Indian Time.
inline nlohmann::json ValidRequest() {
  return nlohmann::json::parse(R"({
    "subject": "Marriage",
    "name": "Asha",
    "sex": "Female",
    "election": {
      "year": 2024, "month": 6, "day": 21, "hour": 6, "minute": 0, "second": 0,
      "latitude": {"degrees": 51, "minutes": 30, "north": true},
      "longitude": {"degrees": 0, "minutes": 7, "east": false},
      "zone": {"hours": 0, "minutes": 0},
      "dst": false,
      "city": "London", "state": "", "country": "UK"
    },
    "birth": {
      "year": 1990, "month": 3, "day": 14, "hour": 8, "minute": 45,
      "latitude": {"degrees": 28, "minutes": 36, "north": true},
      "longitude": {"degrees": 77, "minutes": 12, "east": true},
      "zone": {"hours": -5, "minutes": -30},
      "dst": false,
      "city": "New Delhi", "country": "India"
    }
  })");
}

// The valid request with one change, as text.
inline std::string EditedRequest(const std::function<void(nlohmann::json&)>& edit) {
  nlohmann::json request = ValidRequest();
  edit(request);
  return request.dump();
}

// A valid search: the same person, London, all of midsummer day 2024.
inline nlohmann::json SearchRequestJson(const std::string& subject = "Marriage",
                                        const std::string& minResult = "Good") {
  const nlohmann::json valid = ValidRequest();
  nlohmann::json place = valid["election"];
  for (const char* key : {"year", "month", "day", "hour", "minute", "second"}) place.erase(key);
  return {{"subject", subject},
          {"name", valid["name"]},
          {"sex", valid["sex"]},
          {"birth", valid["birth"]},
          {"place", place},
          {"from", {{"year", 2024}, {"month", 6}, {"day", 21}, {"hour", 0}, {"minute", 0}}},
          {"to", {{"year", 2024}, {"month", 6}, {"day", 21}, {"hour", 23}, {"minute", 59}}},
          {"min_result", minResult}};
}

}  // namespace horavela::testing_cli

// Running out of memory anywhere in a command answers
// {"error": "request: out of memory"} with exit status 1. The commands run in
// this process, whose allocations of a chosen size fail on purpose.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <limits>
#include <new>
#include <sstream>
#include <string>
#include <thread>

#include "cli/cli_runner.h"
#include "cli/commands.h"

// Memory from this operator new goes back through this operator delete; GCC
// cannot see that the two belong together.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace {

// Allocations of at least this many bytes are counted in `made`; the one
// after `spared` of them fails. With `workersOnly` only those of threads other
// than the test's count. One failure stands for a shortage that the unwinding
// then relieves.
std::atomic<std::size_t> failFrom{std::numeric_limits<std::size_t>::max()};
std::atomic<long> spared{0};
std::atomic<long> made{0};
std::atomic<bool> workersOnly{false};
std::thread::id testThread;

bool ShouldFail(std::size_t size) {
  if (size < failFrom.load(std::memory_order_relaxed)) return false;
  if (workersOnly.load() && std::this_thread::get_id() == testThread) return false;
  ++made;
  return spared.fetch_sub(1) == 0;
}

}  // namespace

// Every form of new and delete that takes memory from malloc is replaced, so
// no memory of a sanitizer's own operator new ever reaches free() here (the
// library's temporary buffers use the nothrow form).
void* operator new(std::size_t size) {
  if (ShouldFail(size)) throw std::bad_alloc();
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (ShouldFail(size)) return nullptr;
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
  std::free(memory);
}

namespace horavela::testing_cli {
namespace {

using nlohmann::json;
using Command = std::function<int(std::istream&, std::ostream&)>;

// Fails allocations from the time it is made to the time it goes.
class FailingAllocations {
 public:
  FailingAllocations(std::size_t from, long spare, bool workers) {
    testThread = std::this_thread::get_id();
    made = 0;
    spared = spare;
    workersOnly = workers;
    failFrom = from;
  }
  ~FailingAllocations() { failFrom = std::numeric_limits<std::size_t>::max(); }
};

struct Case {
  const char* what;
  Command command;
  std::string input;
  std::size_t failFrom;
  double at;  // where the first failure comes, as a fraction of the allocations made
  bool workersOnly;
};

struct Outcome {
  int status = 0;
  std::string out;
};

Outcome RunFailing(const Case& row, long spare) {
  std::istringstream in(row.input);
  // Room made beforehand: the tool's own standard output never allocates.
  std::ostringstream out(std::string(4 << 20, ' '));
  Outcome run;
  {
    const FailingAllocations failing(row.failFrom, spare, row.workersOnly);
    run.status = row.command(in, out);
  }
  run.out = out.str().substr(0, static_cast<std::size_t>(out.tellp()));
  return run;
}

// How many allocations of the case's size the command makes when none fails.
long AllocationsMade(const Case& row) {
  const Outcome run = RunFailing(row, std::numeric_limits<long>::max());
  EXPECT_NE(run.status, 1) << row.what << ": " << run.out.substr(0, 200);
  EXPECT_GT(made.load(), 0) << row.what;
  return made.load();
}

int Evaluate(std::istream& in, std::ostream& out) {
  return cli::RunEvaluate({}, in, out);
}
int Batch(std::istream& in, std::ostream& out) {
  cli::EvaluateOptions options;
  options.batch = true;
  return cli::RunEvaluate(options, in, out);
}
int Search(std::istream& in, std::ostream& out) {
  return cli::RunSearch("", in, out);
}
int Places(std::istream&, std::ostream& out) {
  return cli::ListPlaces({"San", "20"}, out);
}

// A request with a text long enough to need allocations of 256 KiB: the
// birth's weekday, which is read by nothing and so has no length limit (a
// name is held to 200 characters).
json WithLongName(json request) {
  request["birth"]["weekday"] = std::string(300000, 'a');
  return request;
}

// Every subject through January 2024.
json SearchRequest() {
  json request = SearchRequestJson("*", "Bad");
  request["from"]["month"] = 1;
  request["from"]["day"] = 1;
  request["to"]["month"] = 1;
  request["to"]["day"] = 31;
  return request;
}

constexpr std::size_t kBig = 256 * 1024;
// Above what destroying the tool's JSON values allocates: nlohmann's
// destructor allocates, and its failure there would end any program.
constexpr std::size_t kSome = 8192;

TEST(OutOfMemoryTest, EveryCommandAnswersInJson) {
  const Case rows[] = {
      {"evaluate, reading", Evaluate, WithLongName(ValidRequest()).dump(), kBig, 0, false},
      {"evaluate, parsing", Evaluate, WithLongName(ValidRequest()).dump(), kBig, 0.5, false},
      {"evaluate, answering", Evaluate, ValidRequest().dump(), kSome, 0.5, false},
      {"search, reading", Search, WithLongName(SearchRequest()).dump(), kBig, 0, false},
      {"search, searching", Search, SearchRequest().dump(), kSome, 0.3, false},
      {"search, listing", Search, SearchRequest().dump(), kSome, 0.9, false},
      {"search, in its threads", Search, SearchRequest().dump(), kSome, 0.5, true},
      {"places", Places, "", kSome, 0.5, false},
  };
  for (const Case& row : rows) {
    if (row.workersOnly && std::thread::hardware_concurrency() < 2) continue;
    const Outcome run = RunFailing(row, static_cast<long>(row.at * AllocationsMade(row)));
    EXPECT_EQ(run.status, 1) << row.what;
    const json answer = json::parse(run.out, nullptr, false);
    ASSERT_TRUE(answer.is_object()) << row.what << ": " << run.out.substr(0, 200);
    EXPECT_EQ(answer.value("error", ""), "request: out of memory") << row.what;
  }
}

// The line that ran out is answered so; the lines after it are answered as ever.
TEST(OutOfMemoryTest, BatchAnswersTheLineAndGoesOn) {
  std::istringstream in(WithLongName(ValidRequest()).dump() + "\n" + ValidRequest().dump() + "\n");
  std::ostringstream out;
  int status = 0;
  {
    const FailingAllocations failing(kBig, 0, false);
    status = Batch(in, out);
  }
  EXPECT_EQ(status, 1);
  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(json::parse(lines[0]), json({{"error", "request: out of memory"}}));
  EXPECT_FALSE(json::parse(lines[1]).contains("error"));
}

}  // namespace
}  // namespace horavela::testing_cli

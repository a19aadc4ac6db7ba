// Several programs opening one book at the same moment, as the desktop
// program and a few horavela-cli runs may: each add they acknowledge is in
// the book, and no healthy book is ever set aside as damaged.

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "book/book.h"
#include "book_samples.h"

namespace horavela::book {
namespace {

using testing::Asha;
using testing::BookTest;
using testing::kFirstBook;
using testing::OpenOrSay;
using testing::RunSql;
using testing::Said;

constexpr int kProcesses = 4;
constexpr int kRounds = 6;

// In a child process: waits for the start signal, opens the book, adds one
// person. Exit status 0 only when the add was acknowledged.
[[noreturn]] void AddInChild(int startSignal, const std::string& path, int number) {
  char go = 0;
  if (::read(startSignal, &go, 1) < 0) ::_exit(3);
  std::string error;
  std::unique_ptr<Book> book = OpenOrSay(path, error);
  if (!book) ::_exit(1);
  Person person = Asha();
  person.name = "Child " + std::to_string(number);
  const bool added = Said(book->SavePerson(person)).empty();
  book.reset();
  ::_exit(added ? 0 : 2);
}

// Starts the children together (one pipe, closed at once) and counts those
// that acknowledged their add.
int AddAtOnce(const std::string& path) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return -1;
  std::vector<pid_t> children;
  for (int i = 0; i < kProcesses; ++i) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipeEnds[1]);
      AddInChild(pipeEnds[0], path, i);
    }
    children.push_back(child);
  }
  ::close(pipeEnds[0]);
  ::close(pipeEnds[1]);
  int acknowledged = 0;
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) ++acknowledged;
  }
  return acknowledged;
}

struct Start {
  const char* name;
  bool firstVersionBook;  // false: no file yet
};

class BookConcurrencyTest : public BookTest, public ::testing::WithParamInterface<Start> {};

TEST_P(BookConcurrencyTest, EveryAcknowledgedAddIsInTheBookAndNothingIsSetAside) {
  for (int round = 0; round < kRounds; ++round) {
    const std::filesystem::path folder = Folder() / std::to_string(round);
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "book.sqlite").string();
    if (GetParam().firstVersionBook) RunSql(path, kFirstBook);

    EXPECT_EQ(AddAtOnce(path), kProcesses) << "round " << round;
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      EXPECT_EQ(entry.path().filename().string().find(".damaged-"), std::string::npos)
          << entry.path();
      ++files;
    }
    EXPECT_EQ(files, 1u) << "round " << round;
    const std::size_t before = GetParam().firstVersionBook ? 1 : 0;
    EXPECT_EQ(OpenBook(path)->People().size(), before + kProcesses) << "round " << round;
    if (HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Starts, BookConcurrencyTest,
                         ::testing::Values(Start{"NoBookYet", false},
                                           Start{"FirstVersionBook", true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace horavela::book
